#include "schema/fichier_schema.h"

#include "commun/ecriture_sure.h"
#include "document/formats/ecriture_bmp.h"
#include "document/formats/lecteur_image.h"

#include "commun/erreur.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <cstdlib>

namespace {

quint32 Mot32(const QByteArray &o, int i)
{
    return static_cast<quint32>(static_cast<uchar>(o[i])) | static_cast<quint32>(static_cast<uchar>(o[i + 1])) << 8 |
           static_cast<quint32>(static_cast<uchar>(o[i + 2])) << 16 |
           static_cast<quint32>(static_cast<uchar>(o[i + 3])) << 24;
}

// An uncompressed BMP must hold every row its header announces: the reader
// would otherwise show a cut file as a schema with a blank part.
void VerifierBmpComplet(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return;
    const QByteArray entete = fichier.read(34);
    if (entete.size() < 34 || !entete.startsWith("BM"))
        return;
    const qint64 debut = Mot32(entete, 10);
    const qint64 largeur = static_cast<qint32>(Mot32(entete, 18));
    const qint64 hauteur = std::abs(static_cast<qint64>(static_cast<qint32>(Mot32(entete, 22))));
    const qint64 bits = static_cast<uchar>(entete[28]) | static_cast<uchar>(entete[29]) << 8;
    const quint32 compression = Mot32(entete, 30);
    if (compression != 0 || largeur <= 0 || bits <= 0)
        return;
    const qint64 ligne = (largeur * bits + 31) / 32 * 4;
    if (debut + ligne * hauteur > fichier.size())
        throw ErreurDecodage(QCoreApplication::translate("FichierSchema", "Le fichier schéma %1 est tronqué.")
                                 .arg(QFileInfo(chemin).fileName()));
}

} // namespace

QImage SchemaBlanc(QSize taille)
{
    QImage schema(taille, QImage::Format_RGB32);
    schema.fill(Qt::white);
    return schema;
}

QImage LireSchema(const QString &chemin, QSize taille)
{
    const QImage lue = LireImage(chemin);
    VerifierBmpComplet(chemin);
    if (lue.size() == taille)
        return lue.convertToFormat(QImage::Format_RGB32);
    QImage schema = SchemaBlanc(taille);
    QPainter peintre(&schema);
    peintre.setCompositionMode(QPainter::CompositionMode_Source);
    peintre.drawImage(0, 0, lue.convertToFormat(QImage::Format_RGB32));
    return schema;
}

void EcrireSchema(const QString &chemin, const QImage &schema)
{
    EcrireFichierSurFlux(chemin, [&](QIODevice &sortie) { EcrireBmp(schema, 24, sortie); });
}
