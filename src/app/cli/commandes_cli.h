#pragma once
// Commands of kaptori-cli. Each command is a function taking its arguments
// (after the command name) and the two output streams, returning the exit
// status: 0 on success, 1 with a French message on the error stream.

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>
#include <vector>

using FonctionCommande = int (*)(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);

struct CommandeCli {
    const char *nom;
    const char *usage;       // arguments, as shown by --help
    const char *description; // one line, French
    FonctionCommande executer;
};

[[nodiscard]] const std::vector<CommandeCli> &CommandesCli();

// What kaptori-cli is, in one line, and the note on numbers: the texts of
// --help around the command table, which the manual page repeats.
inline constexpr const char *kResumeCli =
    "Compagnon en ligne de commande de Kaptori : conversion, informations et mesures sans fenêtre.";
inline constexpr const char *kNoteNombresCli =
    "Les nombres sont écrits avec le séparateur décimal de la langue de l'utilisateur.";
// What an output named on the command line may be.
inline constexpr const char *kNoteSortieCli =
    "Une SORTIE « - » est la sortie standard ; un périphérique ou un tube nommé est écrit tel quel, un fichier "
    "ordinaire n'est remplacé qu'une fois complet.";

// The text --help prints: usage, summary, every command of CommandesCli()
// with its arguments and description, the options and the note on numbers.
void AfficherAideCli(QTextStream &out);

// The manual page kaptori-cli(1), in French and in roff, made from the same
// table and texts as --help (page_manuel_cli.cpp). `version` goes in its title line.
void EcrirePageManuelCli(QTextStream &out, const QString &version);

// Raw plane of one channel of a raster file (commande_canal.cpp).
int CommandeCanal(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);

// Pictures and documents (commande_info.cpp, commande_rgba.cpp).
int CommandeInfo(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
int CommandeRgba(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
// The picture's bytes R, G, B, A row by row, as rgba writes them, onto a
// device through one row buffer (throws ErreurFichier when a write fails),
// or into an array.
void EcrireRgba(const QImage &image, QIODevice &sortie);
[[nodiscard]] QByteArray OctetsRgba(const QImage &image);

// Printing to PDF (commande_imprimer.cpp).
int CommandeImprimer(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);

// Colour readout of one pixel (commande_valeur.cpp).
int CommandeValeur(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);

// Measurements (commande_mesure.cpp, commande_angle.cpp).
int CommandeMesure(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
int CommandeAngle(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
// Intensity profile along a band (commande_profil.cpp).
int CommandeProfil(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
// Pixel positions from pairs of integer arguments; nothing, after a French
// message on erreurs, when one is not an integer.
[[nodiscard]] std::optional<QList<QPoint>> PointsDeLigneCommande(const QStringList &arguments, QTextStream &erreurs);

// Opening a file and saving it as "Enregistrer sous" does (commande_convert.cpp).
int CommandeConvert(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);

// Combination of pictures and the point and geometric operations
// (commande_combiner.cpp, commande_transformer.cpp).
int CommandeCombiner(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
int CommandeTransformer(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);

// Histograms and filters, decomposition (commande_histogramme.cpp, commande_filtre.cpp).
int CommandeHistogramme(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
int CommandeFiltre(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);

// The automatic axis of a graph for some values (commande_axe.cpp).
int CommandeAxe(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);

// A results table read from its text: totals, means, text and graph (commande_tableau.cpp).
int CommandeTableau(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);

// Surface measurement and object delimitation with conditions written as
// text (commande_objets.cpp).
int CommandeSurface(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
int CommandeObjets(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);

// Light values of a rectangle or of a coloured zone, and the light series
// over several files (commande_lumiere.cpp).
int CommandeLumiere(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
int CommandeSerie(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);

// Counting marks and the measuring grid (commande_compter.cpp,
// commande_quadrillage.cpp).
int CommandeCompter(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
int CommandeQuadrillage(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);

// Animations: a list described or written as an animated GIF, and a list
// built from files (commande_animation.cpp).
int CommandeAnimation(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
int CommandeCreerAnimation(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
// Scanners and cameras through SANE (commande_acquisition.cpp).
int CommandeSources(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
int CommandeAcquerir(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
// Where picture k of an acquisition is saved: SORTIE for k = 1, otherwise
// SORTIE with "-k" before its extension (scan.png, scan-2.png…).
[[nodiscard]] QString NomImageAcquise(const QString &sortie, int k);
// Priming a schema from a picture and the priming styles (commande_amorcer.cpp).
int CommandeAmorcer(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
int CommandeStyles(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
// Legends, recolouring by the colour code and zonation (commande_legende.cpp,
// commande_recolorer.cpp, commande_zonation.cpp).
int CommandeLegende(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
int CommandeRecolorer(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
int CommandeZonation(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs);
