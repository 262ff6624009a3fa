#include "document/filtres_enregistrement.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("DialogueEnregistrement", texte);
}

} // namespace

std::vector<FiltreEnregistrement> FiltresEnregistrement(bool avecGif)
{
    // The first entry's label and patterns are kept as the program has always
    // shown them, "*png" included.
    std::vector<FiltreEnregistrement> filtres = {
        {avecGif ? Tr("Tout (*.kpt;*.jpg;*.png;*.bmp;*.ico;*.emf;*.wmf;*.gif;")
                 : Tr("Tout (*.kpt;*.jpg;*.png;*.bmp;*.ico;*.emf;*.wmf;"),
         avecGif ? QStringLiteral("*.kpt;*.jpg;*png;*.bmp;*.ico;*.emf;*.wmf;*.gif;")
                 : QStringLiteral("*.kpt;*.jpg;*png;*.bmp;*.ico;*.emf;*.wmf;")},
        {Tr("Fichiers Kaptori"), QStringLiteral("*.kpt")},
        {Tr("Fichiers PNG"), QStringLiteral("*.png")},
        {Tr("Fichier image JPEG (*.jpg)"), QStringLiteral("*.jpg")},
        {Tr("Bitmaps (*.bmp)"), QStringLiteral("*.bmp")},
        {Tr("Icônes (*.ico)"), QStringLiteral("*.ico")},
        {Tr("MétaFichiers améliorés (*.emf)"), QStringLiteral("*.emf")},
        {Tr("MetaFichiers (*.wmf)"), QStringLiteral("*.wmf")},
    };
    if (avecGif)
        filtres.push_back({Tr("Image GIF (*.gif)"), QStringLiteral("*.gif")});
    return filtres;
}

QString NomPropose(const QString &nomFichier)
{
    if (nomFichier.isEmpty())
        return {};
    return QFileInfo(nomFichier).fileName().section(QLatin1Char('.'), 0, 0);
}

QString NomAvecExtension(const QString &nom, const QString &motifs)
{
    if (nom.isEmpty() || !QFileInfo(nom).suffix().isEmpty())
        return nom;
    const QString premier = motifs.section(QLatin1Char(';'), 0, 0);
    const QString extension = premier.mid(1);
    if (premier.startsWith(QLatin1Char('*')) && extension.startsWith(QLatin1Char('.')))
        return nom + extension;
    return nom + QStringLiteral(".jpg");
}
