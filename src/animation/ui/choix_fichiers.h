#pragma once
// "Choisir les images à associer dans l'animation" (TChoixFic): picks an
// ordered subset of entries, such as open documents. The left list "Images
// disponibles :" holds what may be chosen, the right list "Images à
// utiliser :" what is chosen, in the order given by the user. Each entry
// carries an opaque identifier that the caller gives and reads back, so the
// dialog serves any command that chooses pictures (another caption, such as
// "Images à mesurer", is given to the constructor).

#include <QDialog>
#include <QList>
#include <QString>
#include <QVariant>

class QDialogButtonBox;
class QListWidget;
class QToolButton;

// One line of the lists: its text and the caller's identifier.
struct EntreeChoix {
    QString libelle;
    QVariant id;
};

class TChoixFic : public QDialog {
    Q_OBJECT
public:
    // legende is the window title; empty gives the animation's title.
    explicit TChoixFic(const QString &legende = QString(), QWidget *parent = nullptr);

    // Puts the entries in the left list, in this order, and empties the
    // right list.
    void Remplir(const QList<EntreeChoix> &disponibles);
    // The entries of the right list, in its order.
    [[nodiscard]] QList<EntreeChoix> Choisis() const;
    // The identifiers of Choisis(), in the same order.
    [[nodiscard]] QList<QVariant> IdsChoisis() const;
    // OK is enabled only while the right list holds at least n lines (1 at
    // start; the animation asks for 2).
    void DefinirMinimum(int n);

    QListWidget *disponibles = nullptr; // "Images disponibles :"
    QListWidget *aUtiliser = nullptr;   // "Images à utiliser :"
    QToolButton *inclure = nullptr;     // ">"
    QToolButton *toutInclure = nullptr; // ">>"
    QToolButton *exclure = nullptr;     // "<"
    QToolButton *toutExclure = nullptr; // "<<"
    QToolButton *monter = nullptr;      // moves the selected chosen line up
    QToolButton *descendre = nullptr;   // and down
    QDialogButtonBox *boutons = nullptr;

private:
    // Moves the selected lines (all of them when tout) of source to the end
    // of cible, in source order; the line now at the position of the first
    // one moved becomes the current line of source.
    void Deplacer(QListWidget *source, QListWidget *cible, bool tout);
    void DecalerChoisi(int sens);
    void MettreAJour();
    int minimum_ = 1;
};
