#pragma once
// How the processing windows show a French message: through the function
// the frame gave them (its own message boxes), or a plain box without one.

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>

using FonctionSignalement = std::function<void(QWidget *parent, const QString &texte, bool erreur)>;

inline void Signal(QWidget *parent, const FonctionSignalement &signaler, bool erreur, const QString &texte)
{
    if (signaler)
        signaler(parent, texte, erreur);
    else if (erreur)
        QMessageBox::warning(parent, QObject::tr("Erreur"), texte);
    else
        QMessageBox::information(parent, QObject::tr("Information"), texte);
}
