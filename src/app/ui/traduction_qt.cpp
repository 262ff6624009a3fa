#include "app/ui/traduction_qt.h"

#include "app/ui/modele_fichiers_francais.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Texts that Qt's French translation leaves in English: the file types of
// the file model's icon provider and the hint of a tool bar's overflow button.
class TraductionComplementaire : public QTranslator {
public:
    using QTranslator::QTranslator;

    [[nodiscard]] bool isEmpty() const override { return false; }

    QString translate(const char *contexte, const char *source, const char *, int) const override
    {
        struct Texte {
            const char *contexte;
            const char *source;
            const char *francais;
        };
        static const Texte textes[] = {
            {"QAbstractFileIconProvider", "Folder", "Dossier"},
            {"QAbstractFileIconProvider", "File Folder", "Dossier de fichiers"},
            {"QAbstractFileIconProvider", "File", "Fichier"},
            {"QAbstractFileIconProvider", "%1 File", "Fichier %1"},
            {"QAbstractFileIconProvider", "Drive", "Lecteur"},
            {"QAbstractFileIconProvider", "Alias", "Alias"},
            {"QAbstractFileIconProvider", "Shortcut", "Raccourci"},
            {"QAbstractFileIconProvider", "Unknown", "Inconnu"},
            {"QToolBar", "Show more items", "Afficher plus d'éléments"},
        };
        if (!contexte || !source)
            return {};
        for (const Texte &t : textes)
            if (qstrcmp(contexte, t.contexte) == 0 && qstrcmp(source, t.source) == 0)
                return QString::fromUtf8(t.francais);
        return {};
    }
};

// Gives every file dialog of the program, whoever opens it, the French file
// list as it is first shown.
class DialoguesFichiersFrancais : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objet, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            if (auto *dialogue = qobject_cast<QFileDialog *>(objet))
                FranciserDialogueFichiers(*dialogue);
        return false;
    }
};

} // namespace

bool InstallerTraductionQt(QCoreApplication &application)
{
    // Installed once per application, however many times it is asked. The
    // complement is found by its name: it has no meta-object of its own, so
    // a search by type would take any translator for it.
    if (application.findChild<QTranslator *>(QStringLiteral("complement_fr")))
        return application.findChild<QTranslator *>(QStringLiteral("qtbase_fr")) != nullptr;

    bool trouvee = false;
    auto *traduction = new QTranslator(&application);
    traduction->setObjectName(QStringLiteral("qtbase_fr"));
    const QString dossier = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (traduction->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                         dossier)) {
        QCoreApplication::installTranslator(traduction);
        trouvee = true;
    } else {
        delete traduction;
    }
    // Installed last, so asked first; it answers only for its own texts.
    auto *complement = new TraductionComplementaire(&application);
    complement->setObjectName(QStringLiteral("complement_fr"));
    QCoreApplication::installTranslator(complement);
    if (qobject_cast<QApplication *>(&application))
        application.installEventFilter(new DialoguesFichiersFrancais(&application));
    return trouvee;
}
