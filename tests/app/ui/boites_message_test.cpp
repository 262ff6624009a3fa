#include "app/ui/boites_message.h"
#include "commun/erreur.h"
#include "app/ui/gestion_erreurs.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

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

} // namespace
