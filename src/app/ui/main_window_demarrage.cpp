// Start-up files, the help menu, configuration files, the command line and
// the desktop services of the frame.

#include "app/ui/main_window.h"

#include "app/dossier_programme.h"
#include "app/ui/boites_message.h"
#include "commun/fichier_texte.h"
#include "document/nom_fichier_annexe.h"
#include "document/raster/nom_fichier_cite.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <stdexcept>

namespace {

// The four fixed items of "&Aide": "&A propos...", separator, "&Charger un fichier", separator.
constexpr int kItemsAideDeBase = 4;

// Extension with its dot, upper case ("" when the name has none).
QString ExtensionMajuscule(const QString &chemin)
{
    const QString nom = QFileInfo(chemin).fileName();
    const qsizetype point = nom.lastIndexOf(QLatin1Char('.'));
    return point < 0 ? QString() : nom.mid(point).toUpper();
}

bool ExtensionDans(const QString &chemin, const QStringList &liste)
{
    const QString ext = ExtensionMajuscule(chemin);
    if (ext.isEmpty())
        return false;
    for (const QString &e : liste)
        if (e.trimmed().toUpper() == ext)
            return true;
    return false;
}

// A file named in a help list: looked up as written against `dossier`, then
// beside the list itself (`dossierListe`, the same folder when omitted), with
// Windows separators and case differences tolerated; the plain name against
// `dossier` when nothing matches (opening it then reports "Fichier non trouvé").
QString CheminAide(const QString &nom, const QString &dossier, const QString &dossierListe = {})
{
    const QString trouve = ResoudreNomCite(nom.trimmed(), dossier, dossierListe.isEmpty() ? dossier : dossierListe);
    if (!trouve.isEmpty())
        return QFileInfo(trouve).absoluteFilePath();
    QString chemin = nom.trimmed();
    chemin.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QFileInfo(chemin).isAbsolute() ? chemin : dossier + chemin;
}

} // namespace

void TMainForm::LireFichiersDemarrage()
{
    const QString dossierUtilisateur = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const DossiersProgramme dossiers = DossiersDepuis(QCoreApplication::applicationDirPath(), QDir::currentPath(),
                                                      dossierUtilisateur.isEmpty() ? QString() : dossierUtilisateur + QStringLiteral("/kaptori"));
    DossierProgramme = dossiers.programme;
    DossierEcriture = dossiers.ecriture;
    ouvrirParLeBureau = [](const QString &chemin) {
        return QFileInfo::exists(chemin) && QDesktopServices::openUrl(QUrl::fromLocalFile(chemin));
    };
    lancerProgramme = [](const QString &programme) { return QProcess::startDetached(programme, {}); };

    auto lireListe = [this](const QString &nom) {
        QStringList liste;
        if (const auto lignes = LireFichierTexte(DossierProgramme + nom))
            for (const QString &ligne : *lignes)
                if (!ligne.trimmed().isEmpty())
                    liste.append(ligne.trimmed());
        return liste;
    };
    ListeExtAide = lireListe(QStringLiteral("Ext_Aide.txt"));
    ListeExtImg = lireListe(QStringLiteral("ExtImg.txt"));

    const auto aide = LireFichierTexte(DossierProgramme + QStringLiteral("FichAide.txt"));
    if (!aide) {
        NbItemsAideFixes = kItemsAideDeBase;
        return;
    }
    for (const QString &ligne : *aide) {
        if (ligne.isEmpty())
            continue;
        if (ExtensionMajuscule(ligne.trimmed()) == QLatin1String(".CFM")) {
            FichierConfigEnAttente = CheminAide(ligne, DossierProgramme);
            continue;
        }
        const qsizetype virgule = ligne.indexOf(QLatin1Char(','));
        const QString fichier = virgule < 0 ? ligne : ligne.left(virgule);
        const QString titre = virgule < 0 ? QString() : ligne.mid(virgule + 1);
        AjouterItemAide(titre, CheminAide(fichier, DossierProgramme), false);
    }
    NbItemsAideFixes = static_cast<int>(menuAide->actions().size());
    if (NbItemsAideFixes > kItemsAideDeBase) {
        menuAide->addSeparator();
        ListeFichAide.append(QStringLiteral("-"));
        ++NbItemsAideFixes;
    }
}

void TMainForm::AjouterItemAide(const QString &titre, const QString &fichier, bool coche)
{
    QAction *item = menuAide->addAction(titre);
    item->setCheckable(coche);
    item->setChecked(coche);
    ListeFichAide.append(fichier);
    separateurAide->setVisible(true);
}

void TMainForm::CliquerItemAide(QAction *item)
{
    const QList<QAction *> items = menuAide->actions();
    const qsizetype position = items.indexOf(item);
    if (position < kItemsAideDeBase || item->isSeparator())
        return;
    const qsizetype index = position - kItemsAideDeBase;
    if (index >= ListeFichAide.size())
        return;
    OuvrirDocumentAide(ListeFichAide[index]);
    if (position >= NbItemsAideFixes) {
        item->setCheckable(true);
        item->setChecked(true);
    }
}

void TMainForm::ChargerConfiguration(const QString &chemin)
{
    const auto lignes = LireFichierTexte(chemin);
    if (!lignes)
        return;
    QList<QAction *> items = menuAide->actions();
    for (qsizetype i = items.size() - 1; i >= NbItemsAideFixes; --i) {
        menuAide->removeAction(items[i]);
        delete items[i];
        const qsizetype index = i - kItemsAideDeBase;
        if (index >= 0 && index < ListeFichAide.size())
            ListeFichAide.removeAt(index);
    }
    const QString dossier = QDir::currentPath() + QLatin1Char('/');
    for (const QString &ligne : *lignes) {
        if (ligne.isEmpty())
            continue;
        const QString fichier = ligne.section(QLatin1Char(','), 0, 0);
        const QString titre = ligne.section(QLatin1Char(','), 1, 1);
        const QString drapeau = ligne.section(QLatin1Char(','), 2, 2);
        const QString absolu = CheminAide(fichier, dossier, QFileInfo(chemin).absolutePath());
        const bool ouvrir = drapeau.trimmed().toUpper() == QLatin1String("OUI");
        if (ouvrir)
            OuvrirDocumentAide(absolu);
        AjouterItemAide(titre, absolu, ouvrir);
    }
}

void TMainForm::OuvrirDocumentAide(const QString &chemin)
{
    if (!ExtensionDans(chemin, ListeExtImg)) {
        if (!ouvrirParLeBureau || !ouvrirParLeBureau(chemin))
            MessageAvertissement(this, tr("Fichier non trouvé"));
        return;
    }
    // Inside the program every failure is silent.
    try {
        OuvrirFichierOuLever(chemin, 2);
    } catch (const std::exception &) {
    }
}

void TMainForm::TraiterLigneCommande(const QStringList &arguments)
{
    // A missing file is told, and the files after it still open.
    for (const QString &argument : arguments) {
        if (argument.isEmpty())
            continue;
        if (!QFileInfo(argument).isFile()) {
            MessageAvertissement(this, tr("Le fichier « %1 » est introuvable.").arg(QDir::toNativeSeparators(argument)));
            continue;
        }
        const QString ext = ExtensionMajuscule(argument);
        if (ExtensionDans(argument, ListeExtAide)) {
            OuvrirDocumentAide(QFileInfo(argument).absoluteFilePath());
        } else if (ext == QLatin1String(".CFM")) {
            FichierConfigEnAttente = QDir::currentPath() + QLatin1Char('/') + QFileInfo(argument).fileName();
        } else if (ext == QLatin1String(".SCA") || ext == QLatin1String(".CCC")) {
            // A scale or colour-code file opened from the file manager: the
            // picture it belongs to opens, with it.
            const QString image = ImageDuFichierAnnexe(argument);
            if (image.isEmpty())
                MessageAvertissement(this, tr("Aucune image ne correspond au fichier %1").arg(QFileInfo(argument).fileName()));
            else
                OuvrirFichier(image, 2);
        } else {
            OuvrirFichier(argument, 2);
        }
    }
}

void TMainForm::PremiereActivation()
{
    if (!premiereActivation_)
        return;
    premiereActivation_ = false;
    avecGif_ = true;
    if (const auto kpr = LireFichierTexte(DossierProgramme + QStringLiteral("kpr.cfg")); kpr && !kpr->isEmpty())
        setWindowTitle(kpr->first());
    TraiterLigneCommande(ligneCommande_);
    if (!FichierConfigEnAttente.isEmpty())
        ChargerConfiguration(FichierConfigEnAttente);
}

void TMainForm::Calculatrice()
{
    for (const char *nom : {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"}) {
        const QString programme = QStandardPaths::findExecutable(QString::fromLatin1(nom));
        if (!programme.isEmpty()) {
            if (lancerProgramme)
                lancerProgramme(programme);
            return;
        }
    }
}
