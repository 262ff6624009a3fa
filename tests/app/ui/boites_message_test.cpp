#include "app/ui/application_kaptori.h"
#include "app/ui/boites_message.h"
#include "commun/erreur.h"
#include "app/ui/gestion_erreurs.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <new>

namespace {

struct BoiteLue {
    QString titre;
    QString texte;
    QStringList boutons;
};

TEST(BoitesMessage, two_line_message_shows_on_two_lines_with_french_buttons)
{
    auto lue = std::make_shared<BoiteLue>();
    QTimer::singleShot(0, [lue] {
        auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(boite, nullptr);
        lue->titre = boite->windowTitle();
        lue->texte = boite->text();
        for (QAbstractButton *b : boite->buttons())
            lue->boutons << b->text();
        boite->done(QMessageBox::No);
    });
    const auto r = AfficherMessage(nullptr, TypeMessage::Confirmation,
                                   QStringLiteral("Image trop petite.\r\nAjustez les valeurs"),
                                   BoutonsMessage::OuiNon);
    EXPECT_EQ(r, QMessageBox::No);
    EXPECT_EQ(lue->titre, QStringLiteral("Confirmation"));
    EXPECT_EQ(lue->texte, QStringLiteral("Image trop petite.\nAjustez les valeurs"));
    lue->boutons.sort();
    EXPECT_EQ(lue->boutons, (QStringList{QStringLiteral("&Non"), QStringLiteral("&Oui")}));
}

TEST(BoitesMessage, lone_carriage_returns_become_line_breaks)
{
    EXPECT_EQ(TexteMessageAffiche(QStringLiteral("a\r\rb")), QStringLiteral("a\n\nb"));
}

TEST(GestionErreurs, a_file_error_aborts_the_command_and_shows_its_message)
{
    QStringList vus;
    DefinirIntercepteurMessages([&](TypeMessage type, const QString &texte, BoutonsMessage) {
        EXPECT_EQ(type, TypeMessage::Erreur);
        vus << texte;
        return QMessageBox::Ok;
    });
    int etape = 0;
    const bool ok = ExecuterCommande(nullptr, [&] {
        etape = 1;
        throw ErreurFichier(QStringLiteral("Fichier non trouvé"));
        etape = 2;
    });
    DefinirIntercepteurMessages({});
    EXPECT_FALSE(ok);
    EXPECT_EQ(etape, 1);
    EXPECT_EQ(vus, QStringList{QStringLiteral("Fichier non trouvé")});
    EXPECT_TRUE(ExecuterCommande(nullptr, [] {}));
}

// A command wired straight to a button that fails: the program goes on, the
// error is told, and the next click works again.
TEST(ApplicationKaptori, an_error_escaping_a_button_command_is_told_and_the_program_goes_on)
{
    ASSERT_NE(dynamic_cast<ApplicationKaptori *>(QCoreApplication::instance()), nullptr);
    QStringList vus;
    DefinirIntercepteurMessages([&](TypeMessage type, const QString &texte, BoutonsMessage) {
        EXPECT_EQ(type, TypeMessage::Erreur);
        vus << texte;
        return QMessageBox::Ok;
    });
    QPushButton bouton(QStringLiteral("Griser"));
    bouton.show();
    int clics = 0;
    QObject::connect(&bouton, &QPushButton::clicked, [&] {
        ++clics;
        if (clics == 1)
            throw ErreurKaptori(QStringLiteral("Mémoire insuffisante pour une image de 9 × 9 pixels."));
        if (clics == 2)
            throw std::bad_alloc();
    });
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(&bouton, Qt::LeftButton);
    DefinirIntercepteurMessages({});
    EXPECT_EQ(clics, 3);
    EXPECT_EQ(vus, (QStringList{QStringLiteral("Mémoire insuffisante pour une image de 9 × 9 pixels."),
                                QStringLiteral("Mémoire insuffisante")}));
}

} // namespace
