#include "app/ui/boites_message.h"

#include <QAbstractButton>
#include <QCoreApplication>

namespace {

IntercepteurMessages &Intercepteur()
{
    static IntercepteurMessages intercepteur;
    return intercepteur;
}

QString Tr(const char *texte)
{
    return QCoreApplication::translate("BoitesMessage", texte);
}

} // namespace

QString TexteMessageAffiche(const QString &texte)
{
    QString r = texte;
    r.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    r.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return r;
}

void DefinirIntercepteurMessages(IntercepteurMessages intercepteur)
{
    Intercepteur() = std::move(intercepteur);
}

QMessageBox::StandardButton AfficherMessage(QWidget *parent, TypeMessage type, const QString &texte,
                                            BoutonsMessage boutons)
{
    if (Intercepteur())
        return Intercepteur()(type, texte, boutons);

    QMessageBox boite(parent);
    switch (type) {
    case TypeMessage::Avertissement:
        boite.setIcon(QMessageBox::Warning);
        boite.setWindowTitle(Tr("Avertissement"));
        break;
    case TypeMessage::Erreur:
        boite.setIcon(QMessageBox::Critical);
        boite.setWindowTitle(Tr("Erreur"));
        break;
    case TypeMessage::Information:
        boite.setIcon(QMessageBox::Information);
        boite.setWindowTitle(Tr("Information"));
        break;
    case TypeMessage::Confirmation:
        boite.setIcon(QMessageBox::Question);
        boite.setWindowTitle(Tr("Confirmation"));
        break;
    }
    boite.setText(TexteMessageAffiche(texte));

    switch (boutons) {
    case BoutonsMessage::Ok:
        boite.setStandardButtons(QMessageBox::Ok);
        break;
    case BoutonsMessage::OuiNon:
        boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case BoutonsMessage::OuiNonAnnuler:
        boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case BoutonsMessage::OkAnnuler:
        boite.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    const struct {
        QMessageBox::StandardButton bouton;
        const char *texte;
    } libelles[] = {
        {QMessageBox::Ok, QT_TRANSLATE_NOOP("BoitesMessage", "OK")},
        {QMessageBox::Yes, QT_TRANSLATE_NOOP("BoitesMessage", "&Oui")},
        {QMessageBox::No, QT_TRANSLATE_NOOP("BoitesMessage", "&Non")},
        {QMessageBox::Cancel, QT_TRANSLATE_NOOP("BoitesMessage", "Annuler")},
    };
    for (const auto &l : libelles)
        if (QAbstractButton *b = boite.button(l.bouton))
            b->setText(Tr(l.texte));
    return static_cast<QMessageBox::StandardButton>(boite.exec());
}
