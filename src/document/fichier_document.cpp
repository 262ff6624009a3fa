#include "document/fichier_document.h"

#include "commun/erreur.h"
#include "commun/fichier_texte.h"
#include "commun/raison_fichier.h"
#include "calibration/echelle_flux.h"
#include "document/formats/decodeurs_image.h"
#include "document/formats/ecriture_bmp.h"
#include "document/formats/ecriture_jpeg.h"
#include "document/formats/ecriture_png.h"
#include "commun/ecriture_sure.h"
#include "document/formats/lecteur_image.h"
#include "document/formats/lecture_png_flux.h"
#include "drawing/dessin_fichier.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cstdint>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("FichierDocument", texte);
}

void EcrireU8(QIODevice &flux, std::uint8_t v)
{
    EcrireOctets(flux, reinterpret_cast<const char *>(&v), 1);
}

void EcrireU16(QIODevice &flux, std::uint16_t v)
{
    unsigned char o[2];
    qToLittleEndian(v, o);
    EcrireOctets(flux, reinterpret_cast<const char *>(o), 2);
}

void EcrireU32(QIODevice &flux, std::uint32_t v)
{
    unsigned char o[4];
    qToLittleEndian(v, o);
    EcrireOctets(flux, reinterpret_cast<const char *>(o), 4);
}

// The reading position in the document's bytes. Every read checks first that
// the bytes are there.
class Curseur {
public:
    explicit Curseur(QIODevice &flux) : flux_(flux) {}

    [[nodiscard]] qint64 Restant() const { return flux_.bytesAvailable(); }

    void Exiger(qint64 n, const char *champ) const
    {
        if (n > Restant())
            throw ErreurDecodage(Tr("fichier tronqué (%1).").arg(Tr(champ)));
    }

    [[nodiscard]] QByteArray Octets(qint64 n, const char *champ)
    {
        Exiger(n, champ);
        QByteArray b = flux_.read(n);
        if (b.size() != n)
            throw ErreurDecodage(Tr("fichier tronqué (%1).").arg(Tr(champ)));
        return b;
    }

    [[nodiscard]] std::uint8_t U8(const char *champ)
    {
        return static_cast<std::uint8_t>(Octets(1, champ).at(0));
    }

    [[nodiscard]] std::uint16_t U16(const char *champ)
    {
        return qFromLittleEndian<std::uint16_t>(Octets(2, champ).constData());
    }

    [[nodiscard]] std::uint32_t U32(const char *champ)
    {
        return qFromLittleEndian<std::uint32_t>(Octets(4, champ).constData());
    }

private:
    QIODevice &flux_;
};

void EcrireChampImage(QIODevice &flux, const QImage &image, CodageImage codage, int qualite, QRgb couleurFond)
{
    switch (codage) {
    case CodageImage::Jpg: EcrireJpeg(image, qualite, flux); return;
    case CodageImage::Png: EcrirePng(image, flux); return;
    case CodageImage::Bmp: EcrireBmp(image, 32, flux); return;
    case CodageImage::Non: break;
    }
    if (image.width() > 0xFFFF || image.height() > 0xFFFF)
        throw ErreurDecodage(Tr("Image trop grande pour un document sans fond (%1 × %2 pixels)")
                                 .arg(image.width())
                                 .arg(image.height()));
    EcrireU16(flux, static_cast<std::uint16_t>(image.width()));
    EcrireU16(flux, static_cast<std::uint16_t>(image.height()));
    EcrireU32(flux, couleurFond);
}

// The rest of the device: the bytes in place when they are already in memory,
// a single read of the field otherwise.
QByteArray ResteDuFlux(QIODevice &flux)
{
    const qint64 restant = flux.bytesAvailable();
    if (auto *tampon = qobject_cast<QBuffer *>(&flux)) {
        const QByteArray &tout = tampon->data();
        const qint64 debut = tampon->pos();
        tampon->seek(tout.size());
        return QByteArray::fromRawData(tout.constData() + debut, tout.size() - debut);
    }
    QByteArray octets = flux.read(restant);
    if (octets.size() != restant)
        throw ErreurFichier(Tr("Erreur de lecture du fichier : %1").arg(RaisonFichier(flux.errorString())));
    return octets;
}

// The image runs to the end of the file. PNG, the usual encoding of large
// pictures, is decoded as it is read; JPEG and BMP decode from memory.
QImage LireChampImage(QIODevice &flux, CodageImage codage)
{
    switch (codage) {
    case CodageImage::Png: return DecoderPngFlux(flux, flux.bytesAvailable());
    case CodageImage::Jpg: return DecoderJpeg(ResteDuFlux(flux));
    case CodageImage::Bmp: return DecoderAvecQt(ResteDuFlux(flux), QByteArrayLiteral("bmp"));
    case CodageImage::Non: break;
    }
    return {};
}

} // namespace

QString TexteCodage(CodageImage codage)
{
    switch (codage) {
    case CodageImage::Jpg: return QStringLiteral("jpg");
    case CodageImage::Png: return QStringLiteral("png");
    case CodageImage::Bmp: return QStringLiteral("bmp");
    case CodageImage::Non: break;
    }
    return QStringLiteral("non");
}

std::optional<CodageImage> CodageDeTexte(const QString &texte)
{
    for (CodageImage c : {CodageImage::Jpg, CodageImage::Png, CodageImage::Bmp, CodageImage::Non})
        if (texte == TexteCodage(c))
            return c;
    return std::nullopt;
}

int EcrireDocumentFlux(QIODevice &flux, const DocumentAEcrire &document, CodageImage codage, int qualite,
                       QRgb couleurFond)
{
    QByteArray libres;
    for (const QString &ligne : document.lignesLibres) {
        libres += EncoderWindows1252(ligne);
        libres += "\r\n";
    }
    if (libres.size() > 0xFFFF)
        throw ErreurDecodage(Tr("Les lignes libres du document dépassent 65535 octets."));
    if (document.image.isNull())
        throw ErreurDecodage(Tr("Image vide : rien à enregistrer"));

    EcrireU8(flux, 1);
    EcrireU16(flux, static_cast<std::uint16_t>(libres.size()));
    EcrireOctets(flux, libres.constData(), libres.size());
    const int omis = EcrireDessins(flux, document.dessins);
    EcrireEchelleFlux(flux, document.echelle);
    EcrireCodeFlux(flux, document.codeCouleur);
    const QByteArray texteCodage = TexteCodage(codage).toLatin1();
    EcrireU8(flux, static_cast<std::uint8_t>(texteCodage.size()));
    EcrireOctets(flux, texteCodage.constData(), texteCodage.size());
    EcrireChampImage(flux, document.image, codage, qualite, couleurFond);
    return omis;
}

int EcrireFichierDocument(const QString &chemin, const DocumentAEcrire &document, CodageImage codage, int qualite,
                          QRgb couleurFond)
{
    int omis = 0;
    EcrireFichierSurFlux(chemin, [&](QIODevice &flux) {
        omis = EcrireDocumentFlux(flux, document, codage, qualite, couleurFond);
    });
    return omis;
}

ContenuDocument LireDocumentFlux(QIODevice &flux, qint64 pixelsMaxSansFond)
{
    Curseur curseur(flux);

    ContenuDocument contenu;
    (void)curseur.U8(QT_TRANSLATE_NOOP("FichierDocument", "version"));
    const std::uint16_t longueurLibres = curseur.U16(QT_TRANSLATE_NOOP("FichierDocument", "lignes libres"));
    contenu.lignesLibres =
        DecouperLignes(DecoderTexte(curseur.Octets(longueurLibres, QT_TRANSLATE_NOOP("FichierDocument", "lignes libres"))));
    LireDessins(flux, contenu.dessins);
    contenu.echelle = LireEchelleFlux(flux);
    contenu.codeCouleur = LireCodeFlux(flux);
    const std::uint8_t longueurCodage = curseur.U8(QT_TRANSLATE_NOOP("FichierDocument", "codage de l'image"));
    const QString texteCodage =
        DecoderTexte(curseur.Octets(longueurCodage, QT_TRANSLATE_NOOP("FichierDocument", "codage de l'image")));
    contenu.codage = CodageDeTexte(texteCodage).value_or(CodageImage::Non);

    if (contenu.codage != CodageImage::Non) {
        if (curseur.Restant() == 0)
            throw ErreurDecodage(Tr("fichier tronqué (%1).").arg(Tr("image")));
        contenu.image = LireChampImage(flux, contenu.codage);
        return contenu;
    }
    const std::uint16_t largeur = curseur.U16(QT_TRANSLATE_NOOP("FichierDocument", "taille de l'image"));
    const std::uint16_t hauteur = curseur.U16(QT_TRANSLATE_NOOP("FichierDocument", "taille de l'image"));
    contenu.couleurFond = curseur.U32(QT_TRANSLATE_NOOP("FichierDocument", "couleur du fond"));
    VerifierTailleImage(largeur, hauteur, 0, 0.0, "document sans fond");
    if (qint64(largeur) * hauteur > pixelsMaxSansFond)
        throw ErreurDecodage(Tr("image trop grande (%1 x %2 pixels).").arg(largeur).arg(hauteur));
    contenu.image = QImage(largeur, hauteur, QImage::Format_ARGB32);
    if (contenu.image.isNull())
        throw ErreurDecodage(Tr("mémoire insuffisante pour cette image."));
    contenu.image.fill(contenu.couleurFond);
    return contenu;
}

ContenuDocument LireDocumentOctets(const QByteArray &octets, qint64 pixelsMaxSansFond)
{
    QByteArray enPlace = QByteArray::fromRawData(octets.constData(), octets.size());
    QBuffer tampon(&enPlace);
    tampon.open(QIODevice::ReadOnly);
    return LireDocumentFlux(tampon, pixelsMaxSansFond);
}

ContenuDocument LireFichierDocument(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        throw ErreurFichier(Tr("Impossible d'ouvrir le fichier %1 : %2")
                                .arg(QDir::toNativeSeparators(chemin), RaisonFichier(fichier.errorString())));
    try {
        return LireDocumentFlux(fichier);
    } catch (const ErreurFichier &) {
        throw ErreurFichier(Tr("Erreur de lecture du fichier %1 : %2")
                                .arg(QDir::toNativeSeparators(chemin), RaisonFichier(fichier.errorString())));
    } catch (const ErreurDecodage &e) {
        throw ErreurDecodage(Tr("Le document %1 est illisible : %2").arg(QDir::toNativeSeparators(chemin), e.message()));
    }
}
