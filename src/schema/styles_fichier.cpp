#include "schema/styles_fichier.h"

#include "commun/erreur.h"
#include "commun/fichier_texte.h"
#include "commun/nombres.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kLignesParStyle = 19;
// Above this size a file cannot hold kStylesMax styles of sensible names.
constexpr qint64 kOctetsMax = qint64{16} << 20;

QString Tr(const char *texte)
{
    return QCoreApplication::translate("StylesSchema", texte);
}

// The integers of a line separated by ",", exactly `nombre` of them.
std::optional<std::vector<std::int64_t>> Entiers(const QString &ligne, int nombre)
{
    const QStringList champs = ligne.split(QLatin1Char(','));
    if (champs.size() != nombre)
        return std::nullopt;
    std::vector<std::int64_t> valeurs;
    valeurs.reserve(static_cast<std::size_t>(nombre));
    for (const QString &champ : champs) {
        bool ok = false;
        const std::int64_t v = TexteEnEntier(champ.trimmed(), &ok);
        if (!ok)
            return std::nullopt;
        valeurs.push_back(v);
    }
    return valeurs;
}

std::optional<std::int64_t> Entier(const QString &ligne)
{
    const auto v = Entiers(ligne, 1);
    if (!v)
        return std::nullopt;
    return v->front();
}

bool Octet(std::int64_t v, std::int64_t maxi = 255)
{
    return v >= 0 && v <= maxi;
}

// One style from its 18 value lines, or nothing with the reason.
std::optional<TParamStyleDes> AnalyserStyle(const QStringList &l, int debut, QString *raison)
{
    TParamStyleDes p;
    const auto ligne = [&](int n) { return l.at(debut + n - 1); };
    const auto refuser = [&](int n) {
        if (raison)
            *raison = Tr("Fichier de styles refusé : valeur incorrecte à la ligne %1.").arg(debut + n);
        return std::nullopt;
    };
    for (int n = 2; n <= 3; ++n) {
        const auto v = Entiers(ligne(n), kComposantesSchema);
        if (!v)
            return refuser(n);
        for (int k = 0; k < kComposantesSchema; ++k) {
            if (!Octet((*v)[static_cast<std::size_t>(k)]))
                return refuser(n);
            (n == 2 ? p.Seuil : p.Degrad)[static_cast<std::size_t>(k)] =
                static_cast<std::uint8_t>((*v)[static_cast<std::size_t>(k)]);
        }
    }
    const auto actifs = Entiers(ligne(4), kComposantesSchema);
    if (!actifs)
        return refuser(4);
    for (int k = 0; k < kComposantesSchema; ++k)
        p.Actif[static_cast<std::size_t>(k)] = (*actifs)[static_cast<std::size_t>(k)] == 1;

    struct Simple {
        int ligne;
        std::int64_t maxi; // 0: a flag
    };
    static constexpr Simple simples[] = {{5, 255}, {6, 0}, {7, 2}, {8, 0}, {9, 255}, {10, 255}, {11, 0}, {12, 255}};
    std::array<std::int64_t, 13> valeurs{};
    for (const Simple &s : simples) {
        const auto v = Entier(ligne(s.ligne));
        if (!v || (s.maxi > 0 && !Octet(*v, s.maxi)))
            return refuser(s.ligne);
        valeurs[static_cast<std::size_t>(s.ligne)] = *v;
    }
    p.SeuilTeinteSat = static_cast<std::uint8_t>(valeurs[5]);
    p.GrouperRVB = valeurs[6] == 1;
    p.ModeLum = static_cast<std::uint8_t>(valeurs[7]);
    p.MarquerNoir = valeurs[8] == 1;
    p.SeuilNoir = static_cast<std::uint8_t>(valeurs[9]);
    p.DegradNoir = static_cast<std::uint8_t>(valeurs[10]);
    p.MarquerBlanc = valeurs[11] == 1;
    p.LimiteBlanc = static_cast<std::uint8_t>(valeurs[12]);

    for (int dy = -3; dy <= 3; ++dy) {
        const int n = 16 + dy;
        const auto v = Entiers(ligne(n), 7);
        if (!v)
            return refuser(n);
        for (int dx = -3; dx <= 3; ++dx)
            p.DefinirPoint(dx, dy, (*v)[static_cast<std::size_t>(dx + 3)] == 1);
    }
    return p;
}

QString Joindre(const auto &valeurs)
{
    QStringList textes;
    for (const auto v : valeurs)
        textes << QString::number(static_cast<int>(v));
    return textes.join(QLatin1Char(','));
}

} // namespace

std::optional<std::vector<StyleDes>> AnalyserStyles(const QByteArray &octets, QString *raison)
{
    QStringList lignes = DecouperLignes(DecoderTexte(octets));
    // Blank lines left at the end by an editor do not start a style.
    while (!lignes.isEmpty() && lignes.last().trimmed().isEmpty())
        lignes.removeLast();
    if (lignes.size() % kLignesParStyle != 0) {
        if (raison)
            *raison = Tr("Fichier de styles refusé : il s'arrête au milieu d'un style.");
        return std::nullopt;
    }
    const qsizetype nombre = lignes.size() / kLignesParStyle;
    if (nombre > kStylesMax) {
        if (raison)
            *raison = Tr("Fichier de styles refusé : plus de %1 styles.").arg(kStylesMax);
        return std::nullopt;
    }
    std::vector<StyleDes> styles;
    styles.reserve(static_cast<std::size_t>(nombre));
    for (qsizetype s = 0; s < nombre; ++s) {
        const int debut = static_cast<int>(s * kLignesParStyle);
        auto p = AnalyserStyle(lignes, debut, raison);
        if (!p)
            return std::nullopt;
        styles.push_back({lignes.at(debut), *p});
    }
    return styles;
}

LectureStyles LireStyles(const QString &chemin)
{
    LectureStyles lecture;
    QFile fichier(chemin);
    if (fichier.open(QIODevice::ReadOnly)) {
        if (fichier.size() > kOctetsMax) {
            lecture.raison = Tr("Fichier de styles refusé : plus de %1 styles.").arg(kStylesMax);
        } else {
            const QByteArray octets = fichier.readAll();
            if (auto styles = AnalyserStyles(octets, &lecture.raison))
                lecture.styles = std::move(*styles);
        }
    }
    if (lecture.styles.empty()) {
        lecture.styles = StylesIntegres();
        lecture.integres = true;
    }
    return lecture;
}

QString NomStyleSurUneLigne(const QString &nom)
{
    QString ligne = nom;
    for (QChar &c : ligne)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return ligne;
}

QStringList LignesStyles(const std::vector<StyleDes> &styles)
{
    QStringList lignes;
    for (const StyleDes &s : styles) {
        const TParamStyleDes &p = s.param;
        lignes << NomStyleSurUneLigne(s.nom) << Joindre(p.Seuil) << Joindre(p.Degrad) << Joindre(p.Actif)
               << QString::number(p.SeuilTeinteSat) << QString::number(p.GrouperRVB ? 1 : 0)
               << QString::number(p.ModeLum) << QString::number(p.MarquerNoir ? 1 : 0)
               << QString::number(p.SeuilNoir) << QString::number(p.DegradNoir)
               << QString::number(p.MarquerBlanc ? 1 : 0) << QString::number(p.LimiteBlanc);
        for (int dy = -3; dy <= 3; ++dy) {
            std::array<int, 7> rang{};
            for (int dx = -3; dx <= 3; ++dx)
                rang[static_cast<std::size_t>(dx + 3)] = p.Point(dx, dy) ? 1 : 0;
            lignes << Joindre(rang);
        }
    }
    return lignes;
}

bool ConserverStylesRefuses(const QString &chemin)
{
    if (!QFileInfo::exists(chemin))
        return true;
    const QString copie = chemin + QStringLiteral(".bak");
    if (QFileInfo::exists(copie) && !QFile::remove(copie))
        return false;
    return QFile::copy(chemin, copie);
}

void EcrireStyles(const QString &chemin, const std::vector<StyleDes> &styles)
{
    if (!EcrireFichierTexte(chemin, LignesStyles(styles)))
        throw ErreurFichier(Tr("Impossible d'enregistrer les styles dans le fichier %1.")
                                .arg(QFileInfo(chemin).fileName()));
}
