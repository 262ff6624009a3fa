#pragma once
// A device's option as the acquisition dialog and kaptori-cli see it: its
// name, its title, its kind, its unit, what values it allows and its current
// value. Texts typed by a user become a value of the option's kind, checked
// against what the option allows before the device sees them.

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

struct OptionSane {
    enum class Genre { Booleen, Entier, Fixe, Texte, Bouton, Groupe };
    enum class Contrainte { Aucune, Intervalle, ListeNombres, ListeTextes };

    int numero = 0;
    QString nom;         // SANE's name: "resolution", "tl-x", "mode", "source"…
    QString titre;       // the device's title, shown in the dialog
    QString description;
    Genre genre = Genre::Entier;
    int unite = 0;        // SANE_Unit: 3 mm, 4 dpi…
    int elements = 1;     // values in the option (arrays have several)
    bool active = true;
    bool reglable = true; // settable by software
    bool avancee = false;
    Contrainte contrainte = Contrainte::Aucune;
    double minimum = 0, maximum = 0, pas = 0; // Intervalle (pas 0: any value)
    QList<double> nombres;                     // ListeNombres
    QStringList textes;                        // ListeTextes
    QVariant valeur; // bool, double (Entier and Fixe) or QString; invalid when unreadable
};

// The value a text gives for the option: "oui"/"non" (also 1/0, true/false,
// yes/no) for a boolean, a number with either decimal separator for an
// integer (which must be whole) or a fixed-point option, the text itself for
// a text (matched without regard to case against a list, which gives the
// list's spelling). Throws ErreurAcquisition naming the option and what it
// allows when the text is not such a value or lies outside the constraint.
[[nodiscard]] QVariant ValeurDeTexte(const OptionSane &option, const QString &texte);

// What the option allows, in French ("de 1 à 600 dpi", "Color, Gray, Lineart").
[[nodiscard]] QString ValeursPermises(const OptionSane &option);

// The option's current value as a user reads it (numbers with the locale's separator).
[[nodiscard]] QString TexteDeValeur(const OptionSane &option);

// The option of this name in the list, or nullptr.
[[nodiscard]] const OptionSane *OptionNommee(const QList<OptionSane> &options, const QString &nom);
