// Side-files, document streams and the standard list: what is written comes
// back, and a broken or hostile file never costs more than the default scale.

#include "commun/erreur.h"
#include "commun/nombres.h"
#include "calibration/echelle_annexe.h"
#include "calibration/echelle_flux.h"
#include "calibration/echelles_standard.h"
#include "support/fichier_essai.h"
#include "support/separateur.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FichiersEchelle : public ::testing::Test {
protected:
    QString chemin(const QString &nom) const { return dossier_.filePath(nom); }

    void ecrire(const QString &nom, const QByteArray &octets) const
    {
        ASSERT_TRUE(EcrireFichier(chemin(nom), octets));
    }

    [[nodiscard]] QByteArray lire(const QString &nom) const
    {
        QFile f(chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dossier_;
};

TEchelle Longueur(double facteur, const QString &unite)
{
    TEchelle e = EchelleParDefaut();
    e.Facteur = facteur;
    e.Unite = unite;
    return e;
}

TEST(NomFichierEchelle, replaces_the_last_four_characters)
{
    EXPECT_EQ(NomFichierEchelle(QStringLiteral("/d/photo.jpg")), QStringLiteral("/d/photo.sca"));
    EXPECT_EQ(NomFichierEchelle(QStringLiteral("a.jpeg")), QStringLiteral("a..sca"));
    EXPECT_EQ(NomFichierEchelle(QStringLiteral("ab")), QStringLiteral(".sca"));
}

TEST_F(FichiersEchelle, side_file_is_one_crlf_line_and_reads_back)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    const QString image = chemin(QStringLiteral("photo.jpg"));
    EcrireEchelleAnnexe(image, Longueur(0.0254, QStringLiteral("µm")));
    EXPECT_EQ(lire(QStringLiteral("photo.sca")), QByteArray("<SCALE=0;0,0254;\xB5m;>\r\n"));
    EXPECT_EQ(LireEchelleAnnexe(image), Longueur(0.0254, QStringLiteral("µm")));
}

TEST_F(FichiersEchelle, side_file_written_with_commas_reads_under_points)
{
    ecrire(QStringLiteral("g.sca"), "<SCALE=0;0,25;mm;>\r\n");
    EXPECT_EQ(LireEchelleAnnexe(chemin(QStringLiteral("g.png"))), Longueur(0.25, QStringLiteral("mm")));
}

TEST_F(FichiersEchelle, missing_or_broken_side_files_give_the_default_scale)
{
    EXPECT_EQ(LireEchelleAnnexe(chemin(QStringLiteral("absent.jpg"))), EchelleParDefaut());
    const QByteArray casses[] = {
        QByteArray(),
        QByteArray("<SCALE=0;abc;mm;>"),
        QByteArray("<SCALE=7;1;mm;>"),
        QByteArray("\x00\x01\x02\xFF\xFE", 5),
        QByteArray("\r\n<SCALE=0;2;mm;>"),
    };
    for (const QByteArray &octets : casses) {
        ecrire(QStringLiteral("x.sca"), octets);
        EXPECT_EQ(LireEchelleAnnexe(chemin(QStringLiteral("x.bmp"))), EchelleParDefaut()) << octets.toHex().toStdString();
    }
}

TEST_F(FichiersEchelle, a_ten_megabyte_binary_side_file_reads_as_the_default_quickly)
{
    QByteArray octets(10 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < octets.size(); ++i)
        octets[i] = char((i * 7919) & 0xFF);
    ecrire(QStringLiteral("gros.sca"), octets);
    EXPECT_EQ(LireEchelleAnnexe(chemin(QStringLiteral("gros.jpg"))), EchelleParDefaut());

    // The same size without any line end, starting with a valid scale.
    QByteArray ligne("<SCALE=0;3;mm;>");
    ligne.append(QByteArray(10 * 1024 * 1024, 'x'));
    ecrire(QStringLiteral("ligne.sca"), ligne);
    EXPECT_EQ(LireEchelleAnnexe(chemin(QStringLiteral("ligne.jpg"))), Longueur(3, QStringLiteral("mm")));
}

TEST_F(FichiersEchelle, writing_into_a_missing_folder_throws_a_file_error)
{
    EXPECT_THROW(EcrireEchelleAnnexe(chemin(QStringLiteral("absent/photo.jpg")), EchelleParDefaut()), ErreurFichier);
}

TEST(EchelleFlux, stream_holds_a_16_bit_length_and_the_text)
{
    QBuffer tampon;
    tampon.open(QIODevice::ReadWrite);
    EcrireEchelleFlux(tampon, Longueur(2, QStringLiteral("cm")));
    EXPECT_EQ(tampon.data(), QByteArray("\x0F\x00<SCALE=0;2;cm;>", 17));
    tampon.seek(0);
    EXPECT_EQ(LireEchelleFlux(tampon), Longueur(2, QStringLiteral("cm")));
}

TEST(EchelleFlux, undefined_scale_is_a_zero_length_and_reads_as_undefined_pixels)
{
    QByteArray octets;
    QDataStream ecriture(&octets, QIODevice::WriteOnly);
    TEchelle vide;
    vide.Definie = 0;
    EcrireEchelleFlux(ecriture, vide);
    EXPECT_EQ(octets, QByteArray("\x00\x00", 2));

    QDataStream lecture(octets);
    const TEchelle lue = LireEchelleFlux(lecture);
    EXPECT_EQ(lue.Definie, 0);
    EXPECT_EQ(lue.Unite, QStringLiteral("pixels"));
}

TEST(EchelleFlux, a_cut_stream_is_a_decoding_error)
{
    for (const QByteArray &octets : {QByteArray("\x05", 1), QByteArray("\x10\x00<SCALE=0;2", 12)}) {
        QBuffer tampon;
        tampon.setData(octets);
        tampon.open(QIODevice::ReadOnly);
        EXPECT_THROW((void)LireEchelleFlux(tampon), ErreurDecodage) << octets.toHex().toStdString();
    }
}

TEST(EchelleFlux, several_scales_follow_each_other_in_one_stream)
{
    QBuffer tampon;
    tampon.open(QIODevice::ReadWrite);
    EcrireEchelleFlux(tampon, Longueur(2, QStringLiteral("cm")));
    EcrireEchelleFlux(tampon, Longueur(5, QStringLiteral("m")));
    tampon.seek(0);
    EXPECT_EQ(LireEchelleFlux(tampon), Longueur(2, QStringLiteral("cm")));
    EXPECT_EQ(LireEchelleFlux(tampon), Longueur(5, QStringLiteral("m")));
}

TEST_F(FichiersEchelle, standard_list_writes_two_lines_per_scale_and_reads_back)
{
    EchellesStandard liste;
    liste.ajouter(QStringLiteral("microscope x40"), Longueur(0.5, QStringLiteral("µm")));
    liste.ajouter(QStringLiteral("carte"), Longueur(2.5, QStringLiteral("km")));
    EXPECT_EQ(liste.DerniereEchelleChoisie, 1);
    const QString f = chemin(NomFichierEchellesStandard);
    ASSERT_TRUE(EcrireEchellesStandard(f, liste));
    EXPECT_EQ(lire(NomFichierEchellesStandard),
              QByteArray("microscope x40\r\n<SCALE=0;0.5;\xB5m;>\r\ncarte\r\n<SCALE=0;2.5;km;>\r\n"));
    const EchellesStandard relue = LireEchellesStandard(f);
    EXPECT_EQ(relue.noms, liste.noms);
    EXPECT_EQ(relue.echelles, liste.echelles);
    EXPECT_EQ(relue.DerniereEchelleChoisie, 0);
}

TEST_F(FichiersEchelle, standard_list_keeps_the_entries_before_a_broken_one)
{
    ecrire(NomFichierEchellesStandard, "a\n<SCALE=0;1;mm;>\nb\n<SCALE=0;x;mm;>\nc\n<SCALE=0;3;mm;>\n");
    EXPECT_EQ(LireEchellesStandard(chemin(NomFichierEchellesStandard)).noms, QStringList{QStringLiteral("a")});

    ecrire(NomFichierEchellesStandard, "a\n<SCALE=0;1;mm;>\nseul");
    EXPECT_EQ(LireEchellesStandard(chemin(NomFichierEchellesStandard)).taille(), 1);

    EXPECT_EQ(LireEchellesStandard(chemin(QStringLiteral("absent.txt"))).taille(), 0);
}

TEST_F(FichiersEchelle, standard_list_file_contributes_at_most_twenty_one_scales)
{
    QByteArray octets;
    for (int i = 0; i < 25; ++i)
        octets += "e" + QByteArray::number(i) + "\r\n<SCALE=0;" + QByteArray::number(i + 1) + ";mm;>\r\n";
    ecrire(NomFichierEchellesStandard, octets);
    const EchellesStandard liste = LireEchellesStandard(chemin(NomFichierEchellesStandard));
    ASSERT_EQ(liste.taille(), 21);
    EXPECT_EQ(liste.noms.last(), QStringLiteral("e20"));
    EXPECT_EQ(liste.echelles.back().Facteur, 21);
}

TEST(EchellesStandard, a_twenty_second_scale_is_refused_with_a_french_message)
{
    EchellesStandard liste;
    for (int i = 0; i < 21; ++i)
        liste.ajouter(QString::number(i), EchelleParDefaut());
    try {
        liste.ajouter(QStringLiteral("de trop"), EchelleParDefaut());
        FAIL() << "a 22nd scale was accepted";
    } catch (const ErreurKaptori &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("21 échelles au plus")));
    }
    EXPECT_EQ(liste.taille(), 21);
    EXPECT_EQ(liste.DerniereEchelleChoisie, 20);
}

} // namespace
