#include "calibration/ui/edit_valeur.h"

#include "calibration/travail_echelle.h"

#include <QKeyEvent>

EditValeur::EditValeur(QWidget *parent) : QLineEdit(parent)
{
    setText(QStringLiteral("0"));
}

void EditValeur::keyPressEvent(QKeyEvent *event)
{
    const QString tape = event->text();
    const bool caractere = tape.size() == 1 && tape.at(0).isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!caractere) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The selection is replaced by what is typed, so it does not count as already there.
    QString reste = text();
    if (hasSelectedText())
        reste.remove(selectionStart(), selectedText().size());
    const QChar garde = FiltrerCaractereValeur(reste, tape.at(0));
    if (!garde.isNull())
        insert(QString(garde));
    event->accept();
}
