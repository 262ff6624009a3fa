// kaptori-cli transformer FICHIER SORTIE --operation OP [--operation OP]…
// [--fond R,V,B]: the point and geometric operations of the "&Image" menu
// applied in the order given, the result saved to SORTIE with its
// side-files. Operations: gris, inverser, blanc=X1,Y1,X2,Y2,
// pixelliser=N, symetrie-h, symetrie-v, rotation-90|180|270,
// recadrer=X,Y,L,H, redimensionner=P, agrandir=L,H[,centre|haut-gauche|
// haut-droite|bas-gauche|bas-droite]. --fond is the canvas colour of
// "agrandir" (white by default). Every operation is checked before the file
// is read; nothing is written when one fails. Prints "taille: LxH" and
// "echelle: " followed by the scale's text form.

#include "app/cli/commandes_cli.h"
#include "calibration/echelle.h"
#include "commun/erreur.h"
#include "commun/nombres.h"
#include "document/enregistrer_document.h"
#include "document/ouverture_document.h"
#include "drawing/dessin_fichier.h"
#include "drawing/reglages_dessin.h"
#include "processing/agrandissement_canevas.h"
#include "processing/balance_blanc.h"
#include "processing/documents_resultats.h"
#include "processing/inversion.h"
#include "processing/pixellisation.h"
#include "processing/recadrage.h"
#include "processing/redimensionnement.h"
#include "processing/transformer_document.h"

#include <QCoreApplication>

#include <limits>
#include <optional>
#include <vector>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandesCli", texte);
}

enum class GenreOperation { Gris, Inverser, Blanc, Pixelliser, Transformer, Recadrer, Redimensionner, Agrandir };

struct Operation {
    GenreOperation genre = GenreOperation::Gris;
    Transformation transformation = Transformation::Rotation90;
    std::vector<int> entiers;
    double reel = 0;
    AlignementCanevas alignement = AlignementCanevas::Centre;
    QString texte;
};

// Comma-separated integers, exactly `n` of them (or n and n + 1 with `plus`).
std::optional<std::vector<int>> Entiers(const QString &texte, int n, int plus = 0)
{
    const QStringList champs = texte.split(QLatin1Char(','));
    if (champs.size() < n || champs.size() > n + plus)
        return std::nullopt;
    std::vector<int> v;
    for (int i = 0; i < n; ++i) {
        bool ok = false;
        const std::int64_t e = TexteEnEntier(champs.at(i), &ok);
        if (!ok || e < std::numeric_limits<int>::min() || e > std::numeric_limits<int>::max())
            return std::nullopt;
        v.push_back(static_cast<int>(e));
    }
    return v;
}

std::optional<Operation> LireOperation(const QString &texte)
{
    Operation o;
    o.texte = texte;
    const qsizetype egal = texte.indexOf(QLatin1Char('='));
    const QString nom = egal < 0 ? texte : texte.left(egal);
    const QString valeur = egal < 0 ? QString() : texte.mid(egal + 1);
    const bool avecValeur = egal >= 0;
    struct Simple {
        const char *nom;
        GenreOperation genre;
        Transformation t;
    };
    static const Simple simples[] = {
        {"gris", GenreOperation::Gris, {}},
        {"inverser", GenreOperation::Inverser, {}},
        {"symetrie-h", GenreOperation::Transformer, Transformation::SymetrieHorizontale},
        {"symetrie-v", GenreOperation::Transformer, Transformation::SymetrieVerticale},
        {"rotation-90", GenreOperation::Transformer, Transformation::Rotation90},
        {"rotation-180", GenreOperation::Transformer, Transformation::Rotation180},
        {"rotation-270", GenreOperation::Transformer, Transformation::Rotation270},
    };
    for (const Simple &s : simples)
        if (nom == QLatin1String(s.nom)) {
            if (avecValeur)
                return std::nullopt;
            o.genre = s.genre;
            o.transformation = s.t;
            return o;
        }
    if (!avecValeur)
        return std::nullopt;
    if (nom == QLatin1String("blanc") || nom == QLatin1String("recadrer")) {
        const auto v = Entiers(valeur, 4);
        if (!v)
            return std::nullopt;
        o.genre = nom == QLatin1String("blanc") ? GenreOperation::Blanc : GenreOperation::Recadrer;
        o.entiers = *v;
        return o;
    }
    if (nom == QLatin1String("pixelliser")) {
        const auto v = Entiers(valeur, 1);
        if (!v)
            return std::nullopt;
        o.genre = GenreOperation::Pixelliser;
        o.entiers = *v;
        return o;
    }
    if (nom == QLatin1String("redimensionner")) {
        bool ok = false;
        o.reel = TexteEnReel(RemplacerSepAutre(valeur.trimmed()), &ok);
        if (!ok)
            return std::nullopt;
        o.genre = GenreOperation::Redimensionner;
        return o;
    }
    if (nom == QLatin1String("agrandir")) {
        const auto v = Entiers(valeur, 2, 1);
        if (!v)
            return std::nullopt;
        o.genre = GenreOperation::Agrandir;
        o.entiers = *v;
        const QStringList champs = valeur.split(QLatin1Char(','));
        if (champs.size() == 3) {
            static const std::pair<const char *, AlignementCanevas> alignements[] = {
                {"centre", AlignementCanevas::Centre},         {"haut-gauche", AlignementCanevas::HautGauche},
                {"haut-droite", AlignementCanevas::HautDroite}, {"bas-gauche", AlignementCanevas::BasGauche},
                {"bas-droite", AlignementCanevas::BasDroite}};
            bool trouve = false;
            for (const auto &[texteAlignement, a] : alignements)
                if (champs.at(2) == QLatin1String(texteAlignement)) {
                    o.alignement = a;
                    trouve = true;
                }
            if (!trouve)
                return std::nullopt;
        }
        return o;
    }
    return std::nullopt;
}

void Appliquer(std::unique_ptr<ImageDocument> &doc, const Operation &o, QRgb fond, QTextStream &erreurs)
{
    ImageDocument &d = *doc;
    const std::vector<int> &e = o.entiers;
    switch (o.genre) {
    case GenreOperation::Gris:
        doc = DocumentGris(d);
        break;
    case GenreOperation::Inverser:
        Inverser(d.image);
        break;
    case GenreOperation::Blanc:
        FaireBlanc(d.image, {e[0], e[1]}, {e[2], e[3]});
        break;
    case GenreOperation::Pixelliser:
        d.image = Pixelliser(d.image, e[0]);
        break;
    case GenreOperation::Transformer:
        if (TransformerDocument(d, o.transformation))
            erreurs << MessageEchelleDecalee() << QLatin1Char('\n');
        break;
    case GenreOperation::Recadrer:
        doc = RecadrerDocument(d, RectangleVerifie(e[0], e[1], e[2], e[3], d.image.size()));
        break;
    case GenreOperation::Redimensionner:
        doc = RedimensionnerDocument(d, o.reel, ReglagesDessinProgramme().Contexte());
        break;
    case GenreOperation::Agrandir:
        AgrandirDocument(d, QSize(e[0], e[1]), o.alignement, fond);
        break;
    }
}

} // namespace

int CommandeTransformer(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    QStringList fichiers;
    std::vector<Operation> operations;
    QRgb fond = 0xFFFFFFFF;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--operation") || a == QLatin1String("--fond")) {
            if (i + 1 >= arguments.size()) {
                erreurs << Tr("L'option %1 attend une valeur.").arg(a) << QLatin1Char('\n');
                return 1;
            }
            const QString valeur = arguments.at(++i);
            if (a == QLatin1String("--fond")) {
                const auto v = Entiers(valeur, 3);
                if (!v || std::any_of(v->begin(), v->end(), [](int c) { return c < 0 || c > 255; })) {
                    erreurs << Tr("Couleur de fond invalide : %1 (R,V,B de 0 à 255).").arg(valeur) << QLatin1Char('\n');
                    return 1;
                }
                fond = qRgb((*v)[0], (*v)[1], (*v)[2]);
                continue;
            }
            const auto o = LireOperation(valeur);
            if (!o) {
                erreurs << Tr("Opération invalide : %1 (gris, inverser, blanc=X1,Y1,X2,Y2, pixelliser=N, symetrie-h, "
                              "symetrie-v, rotation-90, rotation-180, rotation-270, recadrer=X,Y,L,H, redimensionner=P, "
                              "agrandir=L,H[,centre|haut-gauche|haut-droite|bas-gauche|bas-droite]).")
                               .arg(valeur)
                        << QLatin1Char('\n');
                return 1;
            }
            operations.push_back(*o);
        } else if (a.startsWith(QLatin1String("--"))) {
            erreurs << Tr("Option inconnue : %1").arg(a) << QLatin1Char('\n');
            return 1;
        } else {
            fichiers << a;
        }
    }
    if (fichiers.size() != 2 || operations.empty()) {
        erreurs << Tr("Usage : kaptori-cli transformer FICHIER SORTIE --operation OP [--operation OP]... [--fond R,V,B]")
                << QLatin1Char('\n');
        return 1;
    }
    for (const Operation &o : operations)
        if (o.genre == GenreOperation::Redimensionner && !(o.reel >= kPourcentageMin && o.reel <= kPourcentageMax)) {
            erreurs << Tr("Pourcentage invalide : %1 (de 10 à 500).").arg(o.texte) << QLatin1Char('\n');
            return 1;
        }

    auto doc = OuvrirDocument(fichiers.at(0), 0);
    if (!doc->echelle.Definie)
        doc->echelle = EchelleParDefaut();
    for (const Operation &o : operations) {
        try {
            Appliquer(doc, o, fond, erreurs);
        } catch (const ErreurKaptori &e) {
            erreurs << o.texte << QStringLiteral(" : ") << e.message() << QLatin1Char('\n');
            return 1;
        }
    }
    if (!doc->echelle.Definie)
        doc->echelle = EchelleParDefaut();
    OptionsEnregistrement options;
    options.couleurFond = ReglagesDessinProgramme().CouleurFondDessin;
    if (EnregistrerDocument(*doc, fichiers.at(1), options) > 0)
        erreurs << MessageRemplissagesCanaux() << QLatin1Char('\n');
    sortie << QStringLiteral("taille: %1x%2\n").arg(doc->largeur()).arg(doc->hauteur());
    sortie << QStringLiteral("echelle: ") << EchelleEnTexte(doc->echelle) << QLatin1Char('\n');
    return 0;
}
