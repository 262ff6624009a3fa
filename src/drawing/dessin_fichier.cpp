#include "drawing/dessin_fichier.h"

#include "commun/erreur.h"
#include "commun/fichier_texte.h"
#include "commun/raison_fichier.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("DessinFichier", texte);
}

class Ecrivain {
public:
    void u8(std::uint8_t v) { octets_.append(static_cast<char>(v)); }
    void u16(std::uint16_t v)
    {
        u8(static_cast<std::uint8_t>(v & 0xFF));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void u32(std::uint32_t v)
    {
        u16(static_cast<std::uint16_t>(v & 0xFFFF));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v) { u32(std::bit_cast<std::uint32_t>(v)); }
    void octets(const QByteArray &b) { octets_.append(b); }
    // A length byte and at most 255 bytes of text.
    void texteCourt(const QString &t)
    {
        const QByteArray b = EncoderWindows1252(t).left(255);
        u8(static_cast<std::uint8_t>(b.size()));
        octets(b);
    }
    // A 16-bit length and at most 65535 bytes of text.
    void texteLong(const QString &t)
    {
        const QByteArray b = EncoderWindows1252(t).left(65535);
        u16(static_cast<std::uint16_t>(b.size()));
        octets(b);
    }
    void vider(QIODevice &flux)
    {
        if (flux.write(octets_) != octets_.size())
            throw ErreurFichier(Tr("Erreur d'écriture des dessins : %1").arg(RaisonEcriture(flux.errorString())));
        octets_.clear();
    }

private:
    QByteArray octets_;
};

class Lecteur {
public:
    explicit Lecteur(QIODevice &flux) : flux_(flux) {}

    [[nodiscard]] qint64 restant() const { return flux_.bytesAvailable(); }

    QByteArray octets(qint64 n)
    {
        if (n > restant())
            tronque();
        QByteArray b = flux_.read(n);
        if (b.size() != n)
            tronque();
        return b;
    }
    std::uint8_t u8() { return static_cast<std::uint8_t>(octets(1)[0]); }
    std::uint16_t u16()
    {
        const QByteArray b = octets(2);
        return qFromLittleEndian<quint16>(b.constData());
    }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::uint32_t u32()
    {
        const QByteArray b = octets(4);
        return qFromLittleEndian<quint32>(b.constData());
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    float f32() { return std::bit_cast<float>(u32()); }
    QString texteCourt() { return DecoderTexte(octets(u8())); }
    QString texteLong() { return DecoderTexte(octets(u16())); }

    // Refuses a count of items of the given size that the bytes left cannot hold.
    void verifierCompte(qint64 nombre, qint64 taille)
    {
        if (nombre * taille > restant())
            throw ErreurDecodage(Tr("Bloc de dessins invalide : il annonce plus de données que le fichier n'en contient."));
    }

    [[noreturn]] static void tronque()
    {
        throw ErreurDecodage(Tr("Bloc de dessins tronqué : le fichier est incomplet."));
    }

private:
    QIODevice &flux_;
};

void EcrireConditions(Ecrivain &e, const TDessin &d)
{
    e.u8(d.SurCalque ? 1 : 0);
    e.u8(d.Reserve2);
    e.i16(d.Reserve3);
    const std::size_t groupes = std::min<std::size_t>(d.Conditions.size(), 255);
    e.u8(static_cast<std::uint8_t>(groupes));
    for (std::size_t g = 0; g < groupes; ++g) {
        const TTableaudeCondicoul &groupe = d.Conditions[g];
        const std::size_t n = std::min<std::size_t>(groupe.size(), 255);
        e.u8(static_cast<std::uint8_t>(n));
        for (std::size_t k = 0; k < n; ++k) {
            const TCondicoul &c = groupe[k];
            e.u8(c.Liaison);
            e.u8(c.Composante);
            e.u8(c.Option);
            e.u8(0);
            e.u16(c.Mini);
            // Only the low byte of the upper bound is kept: files in
            // circulation were written this way and are read back the same.
            e.u8(static_cast<std::uint8_t>(c.Maxi & 0xFF));
        }
    }
}

void LireConditions(Lecteur &l, TDessin &d)
{
    d.SurCalque = l.u8() != 0;
    d.Reserve2 = l.u8();
    d.Reserve3 = l.i16();
    const int groupes = l.u8();
    l.verifierCompte(groupes, 1);
    d.Conditions.clear();
    d.Conditions.reserve(static_cast<std::size_t>(groupes));
    for (int g = 0; g < groupes; ++g) {
        const int n = l.u8();
        l.verifierCompte(n, 7);
        TTableaudeCondicoul groupe;
        groupe.reserve(static_cast<std::size_t>(n));
        for (int k = 0; k < n; ++k) {
            TCondicoul c;
            c.Liaison = l.u8();
            c.Composante = l.u8();
            c.Option = l.u8();
            l.u8();
            c.Mini = l.u16();
            c.Maxi = l.u8();
            groupe.push_back(c);
        }
        d.Conditions.push_back(std::move(groupe));
    }
}

// A 16-bit point is a signed pixel: 16.16 fixed point reaches no further
// than -32768..32767 pixels, so the two readings of the 16 bits only differ
// where the unsigned one could not be held; the signed one keeps a stroke
// that left the image by the left or the top where it was drawn.
std::uint16_t PixelArrondi(std::int32_t fixe)
{
    const double pixel = std::clamp(std::nearbyint(fixe / 65536.0), -32768.0, 32767.0);
    return static_cast<std::uint16_t>(static_cast<std::int16_t>(pixel));
}

std::int32_t FixeDePixel(std::uint16_t pixel)
{
    return static_cast<std::int32_t>(static_cast<std::int16_t>(pixel)) * UnPixelFixe;
}

void EcrirePolygone(Ecrivain &e, const TDessin &d)
{
    e.u8(d.Trace.ferme ? 1 : 0);
    e.u8(d.FormatPoints);
    const std::size_t listes = std::min<std::size_t>(d.Trace.listes.size(), 65535);
    e.u16(static_cast<std::uint16_t>(listes));
    for (std::size_t i = 0; i < listes; ++i) {
        const auto &points = d.Trace.listes[i];
        const std::size_t n = std::min<std::size_t>(points.size(), 65535);
        e.u16(static_cast<std::uint16_t>(n));
        for (std::size_t k = 0; k < n; ++k) {
            if (d.FormatPoints == 1) {
                e.i32(points[k].x);
                e.i32(points[k].y);
            } else {
                e.u16(PixelArrondi(points[k].x));
                e.u16(PixelArrondi(points[k].y));
            }
        }
    }
}

void LirePolygone(Lecteur &l, TDessin &d)
{
    const bool ferme = l.u8() != 0;
    d.FormatPoints = l.u8();
    const int listes = l.u16();
    l.verifierCompte(listes, 2);
    const int taille = d.FormatPoints == 1 ? 8 : 4;
    d.Trace = TPolygone{};
    d.Trace.ferme = ferme;
    for (int i = 0; i < listes; ++i) {
        if (i > 0)
            d.Trace.listes.emplace_back();
        const int n = l.u16();
        l.verifierCompte(n, taille);
        auto &points = d.Trace.listes.back();
        points.reserve(static_cast<std::size_t>(n));
        for (int k = 0; k < n; ++k) {
            TPointFixe p;
            if (taille == 8) {
                p.x = l.i32();
                p.y = l.i32();
            } else {
                p.x = FixeDePixel(l.u16());
                p.y = FixeDePixel(l.u16());
            }
            points.push_back(p);
        }
    }
}

void EcrireEnregistrement(Ecrivain &e, const TDessin &d)
{
    e.u8(d.Genre);
    e.u8(d.Fleche);
    e.u8(d.Style);
    e.u8(d.Motif);
    e.u8(d.Transparent ? 1 : 0);
    for (std::int16_t v : {d.X1, d.Y1, d.X2, d.Y2, d.XAncre, d.YAncre, d.Rayon})
        e.i16(v);
    e.u8(d.Epaisseur);
    e.u8(d.Alignement);
    e.u8(d.Opacite);
    e.u32(d.Reserve1);
    e.u32(d.Couleur);
    e.u32(d.CouleurFond);
    switch (d.Genre) {
    case GenreLegende:
    case GenreTexte:
        e.texteCourt(d.NomPolice);
        e.u32(d.Couleur);
        e.u8(d.TaillePolice);
        e.u8(d.StylePolice);
        if (d.Genre == GenreLegende) {
            e.texteLong(d.UniteLegende);
            e.f32(d.UnitesParPixel);
        } else {
            e.texteLong(d.Lignes.join(QStringLiteral("\r\n")));
        }
        break;
    case GenreRemplissage:
        EcrireConditions(e, d);
        break;
    case GenreZone:
        EcrireConditions(e, d);
        EcrirePolygone(e, d);
        break;
    case GenreCrayon:
        EcrirePolygone(e, d);
        break;
    default:
        break;
    }
}

void LireEnregistrement(Lecteur &l, TDessin &d)
{
    const int genre = l.u8();
    if (!GenreValide(genre))
        throw ErreurDecodage(Tr("Bloc de dessins invalide : élément de type %1 inconnu.").arg(genre));
    d.Genre = static_cast<std::uint8_t>(genre);
    d.Fleche = l.u8();
    d.Style = l.u8();
    d.Motif = l.u8();
    d.Transparent = l.u8() != 0;
    d.X1 = l.i16();
    d.Y1 = l.i16();
    d.X2 = l.i16();
    d.Y2 = l.i16();
    d.XAncre = l.i16();
    d.YAncre = l.i16();
    d.Rayon = l.i16();
    d.Epaisseur = l.u8();
    d.Alignement = l.u8();
    d.Opacite = l.u8();
    d.Reserve1 = l.u32();
    d.Couleur = l.u32();
    d.CouleurFond = l.u32();
    switch (d.Genre) {
    case GenreLegende:
    case GenreTexte:
        d.NomPolice = l.texteCourt();
        l.u32();
        d.TaillePolice = l.u8();
        d.StylePolice = l.u8();
        if (d.Genre == GenreLegende) {
            d.UniteLegende = l.texteLong();
            d.UnitesParPixel = l.f32();
        } else {
            const QString texte = l.texteLong();
            d.Lignes = texte.isEmpty() ? QStringList{} : texte.split(QStringLiteral("\r\n"));
        }
        break;
    case GenreRemplissage:
        LireConditions(l, d);
        break;
    case GenreZone:
        LireConditions(l, d);
        LirePolygone(l, d);
        break;
    case GenreCrayon:
        LirePolygone(l, d);
        break;
    default:
        break;
    }
}

} // namespace

QString MessageRemplissagesCanaux()
{
    return Tr("Les remplissages liés aux canaux ne peuvent être enregistrés");
}

bool RemplissageLieAuxCanaux(const TDessin &d)
{
    if (d.Genre != GenreRemplissage)
        return false;
    for (const auto &groupe : d.Conditions)
        for (const TCondicoul &c : groupe)
            if (c.Composante > 9)
                return true;
    return false;
}

void Ecrire(const TDessin &dessin, QIODevice &flux)
{
    Ecrivain e;
    EcrireEnregistrement(e, dessin);
    e.vider(flux);
}

void Lire(TDessin &dessin, QIODevice &flux)
{
    Lecteur l(flux);
    LireEnregistrement(l, dessin);
}

int EcrireDessins(QIODevice &flux, const TListeDessins &dessins)
{
    int omis = 0;
    std::vector<const ElementDessin *> gardes;
    for (const ElementDessin &el : dessins.Elements()) {
        if (RemplissageLieAuxCanaux(*el.dessin))
            ++omis;
        else if (gardes.size() < 65535)
            gardes.push_back(&el);
    }
    Ecrivain e;
    e.u16(static_cast<std::uint16_t>(gardes.size()));
    for (const ElementDessin *el : gardes) {
        e.texteCourt(el->nom);
        EcrireEnregistrement(e, *el->dessin);
    }
    e.vider(flux);
    return omis;
}

void LireDessins(QIODevice &flux, TListeDessins &dessins)
{
    dessins.Vider();
    Lecteur l(flux);
    const int n = l.u16();
    // The smallest entry is a name length byte and a 34-byte record.
    l.verifierCompte(n, 35);
    for (int i = 0; i < n; ++i) {
        const QString nom = l.texteCourt();
        auto dessin = std::make_unique<TDessin>();
        LireEnregistrement(l, *dessin);
        dessins.AjouterElement(nom, std::move(dessin));
    }
}
