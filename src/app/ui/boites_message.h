#pragma once
// The four kinds of message box of the program, with French buttons. A
// message whose lines are separated by "\r" (or "\r\n") shows them on
// separate lines.

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

enum class TypeMessage { Avertissement, Erreur, Information, Confirmation };

// Button sets named by the windows: OK alone, Yes/No, Yes/No/Cancel, OK/Cancel.
enum class BoutonsMessage { Ok, OuiNon, OuiNonAnnuler, OkAnnuler };

// Shows the box modally and returns the button pressed (QMessageBox::Ok,
// Yes, No, Cancel).
QMessageBox::StandardButton AfficherMessage(QWidget *parent, TypeMessage type, const QString &texte,
                                            BoutonsMessage boutons = BoutonsMessage::Ok);

inline void MessageAvertissement(QWidget *parent, const QString &texte)
{
    AfficherMessage(parent, TypeMessage::Avertissement, texte);
}
inline void MessageErreur(QWidget *parent, const QString &texte)
{
    AfficherMessage(parent, TypeMessage::Erreur, texte);
}
inline void MessageInformation(QWidget *parent, const QString &texte)
{
    AfficherMessage(parent, TypeMessage::Information, texte);
}
// True when the user answers Yes.
inline bool MessageConfirmation(QWidget *parent, const QString &texte)
{
    return AfficherMessage(parent, TypeMessage::Confirmation, texte, BoutonsMessage::OuiNon) == QMessageBox::Yes;
}

// Text as shown: "\r\n" and lone "\r" become line breaks.
[[nodiscard]] QString TexteMessageAffiche(const QString &texte);

// Tests replace the modal box by a function that records the message and
// answers it; an empty function restores the real boxes.
using IntercepteurMessages =
    std::function<QMessageBox::StandardButton(TypeMessage, const QString &texte, BoutonsMessage)>;
void DefinirIntercepteurMessages(IntercepteurMessages intercepteur);
