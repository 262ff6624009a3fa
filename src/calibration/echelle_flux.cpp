#include "calibration/echelle_flux.h"

#include "commun/erreur.h"
#include "commun/fichier_texte.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QtEndian>

#include <limits>

namespace {

QByteArray Image(const TEchelle &echelle)
{
    QByteArray texte;
    if (echelle.Definie)
        texte = EncoderWindows1252(EchelleEnTexte(echelle)).left(std::numeric_limits<quint16>::max());
    QByteArray octets(2, '\0');
    qToLittleEndian<quint16>(static_cast<quint16>(texte.size()), octets.data());
    return octets + texte;
}

TEchelle EchelleVide()
{
    TEchelle e = EchelleParDefaut();
    e.Definie = 0;
    return e;
}

[[noreturn]] void Tronque()
{
    throw ErreurDecodage(QCoreApplication::translate("Echelle", "L'échelle du document est incomplète : le fichier est tronqué."));
}

[[noreturn]] void EcritureRefusee()
{
    throw ErreurFichier(QCoreApplication::translate("Echelle", "Impossible d'écrire l'échelle du document."));
}

template <typename Lire>
TEchelle LireAvec(Lire lire)
{
    const QByteArray tete = lire(2);
    if (tete.size() != 2)
        Tronque();
    const quint16 n = qFromLittleEndian<quint16>(tete.constData());
    if (n == 0)
        return EchelleVide();
    const QByteArray texte = lire(n);
    if (texte.size() != n)
        Tronque();
    return TexteEnEchelle(DecoderTexte(texte));
}

} // namespace

void EcrireEchelleFlux(QIODevice &flux, const TEchelle &echelle)
{
    const QByteArray octets = Image(echelle);
    if (flux.write(octets) != octets.size())
        EcritureRefusee();
}

void EcrireEchelleFlux(QDataStream &flux, const TEchelle &echelle)
{
    const QByteArray octets = Image(echelle);
    if (flux.writeRawData(octets.constData(), int(octets.size())) != octets.size())
        EcritureRefusee();
}

TEchelle LireEchelleFlux(QIODevice &flux)
{
    return LireAvec([&flux](qint64 n) { return flux.read(n); });
}

TEchelle LireEchelleFlux(QDataStream &flux)
{
    return LireAvec([&flux](int n) {
        QByteArray b(n, '\0');
        const int lus = flux.readRawData(b.data(), n);
        b.truncate(qMax(0, lus));
        return b;
    });
}
