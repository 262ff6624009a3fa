#pragma once
// Tips of the schema window's controls.

#include <QString>
#include <QWidget>

// "court|long": the short part as tool tip, the long one in the status line;
// a text without "|" is both.
inline void Bulle(QWidget *w, const QString &texte)
{
    const qsizetype barre = texte.indexOf(QLatin1Char('|'));
    w->setToolTip(barre < 0 ? texte : texte.left(barre));
    w->setStatusTip(barre < 0 ? texte : texte.mid(barre + 1));
}
