#include "document/raster/lecture_img.h"

#include "commun/erreur.h"
#include "commun/fichier_texte.h"
#include "document/raster/lecture_per.h"
#include "document/raster/nom_fichier_cite.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr qint64 TailleEnregistrement = 128;

QString tr(const char *texte)
{
    return QCoreApplication::translate("LectureRaster", texte);
}

// A text of the record starting at the first non-zero byte from `pos` and
// ending at a zero byte; pos moves past that zero. An empty text when only
// zero bytes remain; nothing when the ending zero is missing.
std::optional<QByteArray> TexteSuivant(const char *octets, qint64 taille, qint64 &pos)
{
    while (pos < taille && octets[pos] == 0)
        ++pos;
    if (pos >= taille)
        return QByteArray();
    const qint64 debut = pos;
    while (pos < taille && octets[pos] != 0)
        ++pos;
    if (pos >= taille)
        return std::nullopt;
    const QByteArray texte(octets + debut, static_cast<qsizetype>(pos - debut));
    ++pos;
    return texte;
}

} // namespace

std::vector<EntreeImg> EntreesImg(const QString &chemin)
{
    FichierBrut fichier(chemin);
    std::vector<EntreeImg> entrees;
    char enregistrement[TailleEnregistrement];
    for (qint64 numero = 1;; ++numero) {
        const qint64 lus = fichier.Lire(numero * TailleEnregistrement, enregistrement, TailleEnregistrement);
        if (lus <= 0 || enregistrement[0] != 1)
            break;
        qint64 pos = 1;
        const std::optional<QByteArray> nom = TexteSuivant(enregistrement, lus, pos);
        const std::optional<QByteArray> description =
            nom ? TexteSuivant(enregistrement, lus, pos) : std::optional<QByteArray>();
        if (!nom || !description)
            throw ErreurDecodage(tr("Le fichier global « %1 » est abîmé : un texte de son entrée %2 "
                                    "n'a pas de fin.")
                                     .arg(NomAffiche(chemin))
                                     .arg(numero));
        const QString texteDescription = DecoderTexte(*description);
        if (!texteDescription.contains(QLatin1String("CANAL"), Qt::CaseInsensitive))
            continue;
        if (static_cast<int>(entrees.size()) == MaxCanauxImg)
            throw ErreurDecodage(tr("Le fichier global « %1 » décrit plus de %2 canaux : "
                                    "la limite est de %2 canaux.")
                                     .arg(NomAffiche(chemin))
                                     .arg(MaxCanauxImg));
        entrees.push_back({DecoderTexte(*nom), texteDescription});
    }
    return entrees;
}

int NumeroCanal(const QString &nom)
{
    const qsizetype canal = nom.indexOf(QLatin1String("CANAL"));
    if (canal < 0)
        return 255;
    for (qsizetype i = canal; i < nom.size(); ++i) {
        const QChar c = nom.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            continue;
        int numero = c.unicode() - '0';
        if (i + 1 < nom.size() && nom.at(i + 1) >= QLatin1Char('0') && nom.at(i + 1) <= QLatin1Char('9'))
            numero = numero * 10 + (nom.at(i + 1).unicode() - '0');
        return numero;
    }
    return 255;
}

LectureRaster LireImg(const QString &chemin)
{
    const std::vector<EntreeImg> entrees = EntreesImg(chemin);
    const QString dossier = QFileInfo(chemin).path();
    LectureRaster lecture;
    for (const EntreeImg &entree : entrees) {
        const QString nom = entree.description.toUpper();
        const QString trouve = ResoudreNomCite(entree.fichier, dossier, dossier);
        try {
            if (trouve.isEmpty())
                throw ErreurFichier(tr("Le fichier « %1 » est introuvable.").arg(entree.fichier));
            TCanal canal = LireCanalPer(trouve, nom, 0, lecture.avertissements);
            // Every channel must share the size of the first one read.
            if (!lecture.canaux.empty()
                && (canal.largeur != lecture.canaux.front().largeur
                    || canal.hauteur != lecture.canaux.front().hauteur))
                throw ErreurDecodage(tr("sa taille, %1 × %2 pixels, n'est pas celle des autres canaux")
                                         .arg(canal.largeur)
                                         .arg(canal.hauteur));
            lecture.canaux.push_back(std::move(canal));
        } catch (const ErreurKaptori &e) {
            lecture.avertissements << tr("Le canal « %1 » n'a pas pu être lu et est omis : %2")
                                          .arg(nom, e.message());
        }
    }
    if (lecture.canaux.empty())
        throw ErreurDecodage(tr("Le fichier global « %1 » ne désigne aucun canal lisible.").arg(NomAffiche(chemin)));

    std::stable_sort(lecture.canaux.begin(), lecture.canaux.end(),
                     [](const TCanal &a, const TCanal &b) { return NumeroCanal(a.nom) < NumeroCanal(b.nom); });
    for (std::size_t i = 0; i < lecture.canaux.size(); ++i)
        lecture.canaux[i].index = static_cast<int>(i);
    lecture.affichage = {0, 1, 2};
    return lecture;
}
