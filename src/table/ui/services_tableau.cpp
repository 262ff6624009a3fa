#include "table/ui/services_tableau.h"

#include "commun/erreur.h"

#include <QMessageBox>
#include <QPushButton>

ServicesTableau ServicesTableau::ParDefaut()
{
    ServicesTableau s;
    s.PoserQuestion = [](QWidget *parent, const QString &texte, bool information) {
        QMessageBox boite(information ? QMessageBox::Information : QMessageBox::Warning,
                          QObject::tr("Kaptori"), texte, QMessageBox::Yes | QMessageBox::No, parent);
        boite.button(QMessageBox::Yes)->setText(QObject::tr("&Oui"));
        boite.button(QMessageBox::No)->setText(QObject::tr("&Non"));
        return boite.exec() == QMessageBox::Yes;
    };
    s.Executer = [](QWidget *parent, const std::function<void()> &commande) {
        try {
            commande();
            return true;
        } catch (const ErreurKaptori &e) {
            QMessageBox::critical(parent, QObject::tr("Kaptori"), e.message());
        }
        return false;
    };
    s.ImprimerImage = [](QWidget *, double, const QImage &) {};
    return s;
}
