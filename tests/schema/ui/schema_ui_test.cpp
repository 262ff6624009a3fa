// The schema window driven through the frame as a user drives it: opened
// with "&Schéma", traced on with the mouse, undone, saved beside the picture,
// opened again, primed and transferred back as a new document.

#include "app/ui/main_window.h"
#include "document/ui/fenetre_document.h"
#include "schema/fichier_schema.h"
#include "schema/reglages_amorcage.h"
#include "schema/styles_fichier.h"
#include "schema/ui/choix_images.h"
#include "schema/ui/etimer.h"
#include "schema/ui/schema1.h"
#include "schema/ui/vue_schema.h"
#include "support/capture.h"
#include "support/essai_cadre.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QMdiArea>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void Souris(QWidget *w, QEvent::Type type, QPoint p, Qt::MouseButtons boutons)
{
    const Qt::MouseButton bouton = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(p), w->mapToGlobal(QPointF(p)), bouton, boutons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// A press at a, a drag through the points and a release at the last one.
void Tracer(VueSchema *vue, QPoint a, std::initializer_list<QPoint> suite)
{
    Souris(vue, QEvent::MouseButtonPress, vue->VersWidget(a), Qt::LeftButton);
    QPoint dernier = a;
    for (const QPoint &p : suite) {
        Souris(vue, QEvent::MouseMove, vue->VersWidget(p), Qt::LeftButton);
        dernier = p;
    }
    Souris(vue, QEvent::MouseButtonRelease, vue->VersWidget(dernier), Qt::NoButton);
}

int Comptes(const QImage &image, QRgb couleur)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFFu) == (couleur & 0xFFFFFFu);
    return n;
}

class FenetreSchema : public EssaiCadre {
protected:
    TMainForm &Cadre()
    {
        if (!cadre_) {
            cadre_ = std::make_unique<TMainForm>();
            cadre_->resize(900, 700);
            cadre_->show();
        }
        return *cadre_;
    }
    TSchema1 &Schema() { return *Cadre().Schema1; }

    // The frame's close box; true when the program may end.
    bool Quitter()
    {
        QCloseEvent evenement;
        QCoreApplication::sendEvent(&Cadre(), &evenement);
        return evenement.isAccepted();
    }

    // A grey picture saved as PNG and opened in the frame.
    QString OuvrirPhoto(const QString &nom, QSize taille = {40, 30}, QRgb couleur = qRgb(128, 128, 128))
    {
        QImage image(taille, QImage::Format_ARGB32);
        image.fill(couleur);
        const QString chemin = Chemin(nom);
        EXPECT_TRUE(image.save(chemin));
        EXPECT_TRUE(Cadre().OuvrirImage(chemin, 0));
        return chemin;
    }
};

TEST_F(FenetreSchema, AnUnsavedDocumentAsksFirstAndNoLeavesTheWindowClosed)
{
    TMDIChild *f = Cadre().CreerDocument(QStringLiteral("Nouveau1"));
    auto doc = std::make_unique<ImageDocument>();
    doc->image = QImage(20, 10, QImage::Format_ARGB32);
    doc->image.fill(Qt::red);
    f->RemplacerDocument(std::move(doc));
    ASSERT_TRUE(Cadre().actSchema->isEnabled());
    reponse_ = QMessageBox::No;
    Cadre().actSchema->trigger();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.front().startsWith(QString::fromUtf8("Il vaut mieux enregistrer l'image avant.")));
    EXPECT_FALSE(Schema().isVisible());
    reponse_ = QMessageBox::Yes;
    Cadre().actSchema->trigger();
    EXPECT_TRUE(Schema().isVisible());
    EXPECT_EQ(Schema().imageSchema().size(), QSize(20, 10));
    EXPECT_EQ(Comptes(Schema().imageSchema(), qRgb(255, 255, 255)), 200);
    EXPECT_FALSE(Schema().actCommeFichierSchema->isEnabled());
}

TEST_F(FenetreSchema, TheImageListNumbersTheWindowsWithAPaddedFirstNine)
{
    for (int i = 0; i < 10; ++i)
        OuvrirPhoto(QStringLiteral("p%1.png").arg(i), {8, 8});
    Cadre().actSchema->trigger();
    QComboBox *liste = Schema().choixImages->Liste_images;
    ASSERT_EQ(liste->count(), 10);
    EXPECT_EQ(liste->itemText(0), QStringLiteral(" 1 p0.png"));
    EXPECT_EQ(liste->itemText(9), QStringLiteral("10 p9.png"));
    // A window closed since the list was made is refused, never mistaken
    // for the one that took its place.
    Schema().choixImages->Liste_images->setCurrentIndex(0);
    QObject *premiere = Schema().choixImages->fenetreChoisie();
    ASSERT_NE(premiere, nullptr);
    Cadre().zoneDocuments()->subWindowList().front()->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Schema().ChoisirImage(Schema().choixImages->fenetreChoisie()));
    EXPECT_EQ(messages_.size(), 1);
}

TEST_F(FenetreSchema, APencilStrokeOnTheDocumentMarksBothPicturesAndUndoRestoresThem)
{
    OuvrirPhoto(QStringLiteral("photo.png"));
    Cadre().actSchema->trigger();
    TSchema1 &s = Schema();
    ASSERT_TRUE(s.actTracer->isChecked());
    Tracer(s.Document, {5, 5}, {{15, 5}, {25, 5}});
    const int noirsDocument = Comptes(s.imageDocument(), qRgb(0, 0, 0));
    EXPECT_GE(noirsDocument, 21);
    EXPECT_EQ(Comptes(s.imageSchema(), qRgb(0, 0, 0)), noirsDocument);
    Capturer(s, QStringLiteral("schema_trace"));

    s.actAnnuler->trigger();
    EXPECT_EQ(Comptes(s.imageDocument(), qRgb(0, 0, 0)), 0);
    EXPECT_EQ(Comptes(s.imageSchema(), qRgb(0, 0, 0)), 0);

    // Traced again, then "Tracer sur le document" unchecked: the document
    // image loses its tracings at once, the schema keeps them.
    Tracer(s.Document, {5, 5}, {{25, 5}});
    s.actTracer->trigger();
    EXPECT_EQ(Comptes(s.imageDocument(), qRgb(0, 0, 0)), 0);
    EXPECT_GT(Comptes(s.imageSchema(), qRgb(0, 0, 0)), 0);
    Tracer(s.Document, {5, 20}, {{25, 20}});
    EXPECT_EQ(Comptes(s.imageDocument(), qRgb(0, 0, 0)), 0) << "the pencil leaves the document alone";
    // A line is drawn on the document image whether or not it is checked.
    s.ChoisirOutil(1);
    Tracer(s.Document, {2, 25}, {{30, 25}});
    EXPECT_GT(Comptes(s.imageDocument(), qRgb(0, 0, 0)), 20);
    // Eraser, text and fill do nothing on the document image.
    const QImage avant = s.imageDocument();
    for (int outil : {3, 4, 6}) {
        s.ChoisirOutil(outil);
        Tracer(s.Document, {10, 10}, {{12, 12}});
    }
    EXPECT_EQ(s.imageDocument(), avant);
}

TEST_F(FenetreSchema, TheSavedSchemaOpensAgainWithItsPictureAndAPictureOpensWithABlankSchema)
{
    const QString photo = OuvrirPhoto(QStringLiteral("photo.png"));
    Cadre().actSchema->trigger();
    TSchema1 &s = Schema();
    ASSERT_TRUE(s.actCommeFichierSchema->isEnabled());
    s.ChoisirOutil(6);
    Souris(s.schema, QEvent::MouseButtonPress, {3, 3}, Qt::LeftButton);
    Souris(s.schema, QEvent::MouseButtonRelease, {3, 3}, Qt::NoButton);
    ASSERT_EQ(Comptes(s.imageSchema(), qRgb(0, 0, 0)), 40 * 30);
    s.actCommeFichierSchema->trigger();
    const QString sng = Chemin(QStringLiteral("photo.sng"));
    ASSERT_TRUE(QFile::exists(sng));

    s.DemanderFichier = [&](const QString &, const QStringList &) { return Chemin(QStringLiteral("photo.jpg")); };
    QImage(12, 7, QImage::Format_RGB32).save(Chemin(QStringLiteral("photo.jpg")));
    s.actOuvrirSchema->trigger();
    EXPECT_EQ(s.imageDocument().size(), QSize(12, 7));
    EXPECT_EQ(s.imageSchema().size(), QSize(12, 7));
    EXPECT_EQ(Comptes(s.imageSchema(), qRgb(255, 255, 255)), 12 * 7);
    EXPECT_EQ(s.NomImageDocument, Chemin(QStringLiteral("photo.jpg")));

    s.DemanderFichier = [&](const QString &, const QStringList &) { return sng; };
    s.actOuvrirSchema->trigger();
    EXPECT_EQ(s.NomImageDocument, photo);
    EXPECT_EQ(s.imageDocument().pixel(0, 0), qRgb(128, 128, 128));
    EXPECT_EQ(Comptes(s.imageSchema(), qRgb(0, 0, 0)), 40 * 30);
    EXPECT_FALSE(s.ChargementEnCours);
    EXPECT_TRUE(messages_.isEmpty());

    // ".psp" holds an S: a schema file, whose picture "photo" is missing.
    s.DemanderFichier = [&](const QString &, const QStringList &) { return Chemin(QStringLiteral("photo.psp")); };
    QFile(sng).copy(Chemin(QStringLiteral("photo.psp")));
    s.actOuvrirSchema->trigger();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_.front(), QString::fromUtf8("Fichier %1 non trouvé").arg(Chemin(QStringLiteral("photo"))));
    EXPECT_TRUE(s.ChargementEnCours);
    Souris(s.schema, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton);
    Souris(s.Document, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton);
    EXPECT_FALSE(s.ChargementEnCours) << "a press on the document image clears it";
}

TEST_F(FenetreSchema, PrimingWithTheFirstStyleMarksDarkGreyAndTheSlidersMoveTheModel)
{
    OuvrirPhoto(QStringLiteral("sombre.png"), {30, 20}, qRgb(50, 50, 50));
    Cadre().actSchema->trigger();
    TSchema1 &s = Schema();
    ASSERT_EQ(s.ListeStyles->count(), 3);
    EXPECT_EQ(s.ListeStyles->currentText(), QStringLiteral("normal"));
    s.actAmorcer->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!s.AmorcageEnCours(), 10000);
    EXPECT_EQ(Comptes(s.imageSchema(), qRgb(64, 64, 64)), 30 * 20);

    s.actParametres->trigger();
    Capturer(s, QStringLiteral("schema_parametres"));
    // "Réglage global" ten steps to the right: thresholds 20 → 10, and the
    // idle timer waits for the user to pause.
    s.Reglaglob->setValue(s.Reglaglob->value() + 10);
    EXPECT_EQ(s.reglages.ParamCourant.Seuil[Rouge], 10);
    EXPECT_TRUE(s.minuterie->isActive());
}

TEST_F(FenetreSchema, SavingAStyleOverARefusedStylesFileKeepsThatFileAside)
{
    // A teacher's style with one value out of range: the list shows the
    // built-in styles, and the file's bytes survive the next saved style.
    QByteArray refuse = "classe\r\n300,20,20,20,20,20\r\n";
    for (int i = 0; i < 17; ++i)
        refuse += "0\r\n";
    QFile fichier(QStringLiteral("stylesdess.sty"));
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write(refuse);
    fichier.close();

    OuvrirPhoto(QStringLiteral("photo.png"));
    Cadre().actSchema->trigger();
    TSchema1 &s = Schema();
    ASSERT_EQ(s.ListeStyles->count(), 3);
    s.actEnregistrerParametres->trigger();
    s.nomstyle->setText(QStringLiteral("mien"));
    s.NvStyle->click();

    QFile copie(QStringLiteral("stylesdess.sty.bak"));
    ASSERT_TRUE(copie.open(QIODevice::ReadOnly));
    EXPECT_EQ(copie.readAll(), refuse);
    const LectureStyles lecture = LireStyles(QStringLiteral("stylesdess.sty"));
    ASSERT_EQ(lecture.styles.size(), 4u);
    EXPECT_EQ(lecture.styles.back().nom, QStringLiteral("mien"));

    // The file now reads: a second style saved leaves the copy as it is.
    ASSERT_TRUE(QFile::remove(QStringLiteral("stylesdess.sty.bak")));
    s.actEnregistrerParametres->trigger();
    s.nomstyle->setText(QStringLiteral("autre"));
    s.NvStyle->click();
    EXPECT_FALSE(QFile::exists(QStringLiteral("stylesdess.sty.bak")));
    EXPECT_EQ(LireStyles(QStringLiteral("stylesdess.sty")).styles.size(), 5u);
}

TEST_F(FenetreSchema, AStyleNameWithALineBreakSavesAsOneLine)
{
    OuvrirPhoto(QStringLiteral("photo.png"));
    Cadre().actSchema->trigger();
    TSchema1 &s = Schema();
    s.actEnregistrerParametres->trigger();
    s.nomstyle->clear();
    QApplication::clipboard()->setText(QStringLiteral("ma\r\nclasse"));
    s.nomstyle->paste();
    s.NvStyle->click();
    const LectureStyles lecture = LireStyles(QStringLiteral("stylesdess.sty"));
    EXPECT_TRUE(lecture.raison.isEmpty()) << lecture.raison.toStdString();
    ASSERT_EQ(lecture.styles.size(), 4u);
    EXPECT_EQ(lecture.styles.back().nom, s.ListeStyles->itemText(3));
}

TEST_F(FenetreSchema, AStyleBeyondTheFilesLimitIsRefusedAndTheFileStaysReadable)
{
    std::vector<StyleDes> pleins(static_cast<std::size_t>(kStylesMax), StylesIntegres().front());
    EcrireStyles(QStringLiteral("stylesdess.sty"), pleins);
    OuvrirPhoto(QStringLiteral("photo.png"));
    Cadre().actSchema->trigger();
    TSchema1 &s = Schema();
    ASSERT_EQ(s.ListeStyles->count(), kStylesMax);
    s.actEnregistrerParametres->trigger();
    s.NvStyle->click();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.front().contains(QStringLiteral("1000 styles"))) << messages_.front().toStdString();
    EXPECT_EQ(s.ListeStyles->count(), kStylesMax);
    const LectureStyles lecture = LireStyles(QStringLiteral("stylesdess.sty"));
    EXPECT_FALSE(lecture.integres);
    EXPECT_EQ(lecture.styles.size(), static_cast<std::size_t>(kStylesMax));
}

TEST_F(FenetreSchema, APrimingUnderWayNeverOverwritesTheSchemaOfANewOpening)
{
    OuvrirPhoto(QStringLiteral("sombre.png"), {300, 200}, qRgb(50, 50, 50));
    Cadre().actSchema->trigger();
    TSchema1 &s = Schema();
    s.actAmorcer->trigger();
    Cadre().actSchema->trigger();
    EXPECT_FALSE(s.AmorcageEnCours());
    QTest::qWait(50);
    EXPECT_EQ(Comptes(s.imageSchema(), qRgb(255, 255, 255)), 300 * 200);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FenetreSchema, TransferCreatesASchemaDocumentWithTheActiveScale)
{
    OuvrirPhoto(QStringLiteral("photo.png"), {16, 9});
    TMDIChild *actif = Cadre().DocumentActif();
    actif->document().echelle.Definie = 1;
    actif->document().echelle.Unite = QStringLiteral("mm");
    Cadre().actSchema->trigger();
    const int avant = Cadre().Documents().size();
    Schema().actTransferer->trigger();
    EXPECT_FALSE(Schema().isVisible());
    ASSERT_EQ(Cadre().Documents().size(), avant + 1);
    TMDIChild *nouveau = Cadre().DocumentActif();
    EXPECT_EQ(nouveau->windowTitle(), QString::fromUtf8("Schéma"));
    EXPECT_TRUE(nouveau->document().nomFichier.isEmpty());
    EXPECT_EQ(nouveau->document().image.size(), QSize(16, 9));
    EXPECT_EQ(nouveau->document().echelle.Unite, QStringLiteral("mm"));
    // Hidden by "&Abandonner": nothing comes back.
    Cadre().actSchema->trigger();
    Schema().actAbandonner->trigger();
    EXPECT_EQ(Cadre().Documents().size(), avant + 1);
}

// The whole schema painted black with the paint pot, as a pupil's work.
void PeindreEnNoir(TSchema1 &s)
{
    s.ChoisirOutil(6);
    Souris(s.schema, QEvent::MouseButtonPress, {3, 3}, Qt::LeftButton);
    Souris(s.schema, QEvent::MouseButtonRelease, {3, 3}, Qt::NoButton);
}

TEST_F(FenetreSchema, ADamagedSchemaFileLeavesTheSchemaInProgressAndItsPicture)
{
    const QString photo = OuvrirPhoto(QStringLiteral("photo.png"));
    Cadre().actSchema->trigger();
    TSchema1 &s = Schema();
    PeindreEnNoir(s);
    ASSERT_EQ(Comptes(s.imageSchema(), qRgb(0, 0, 0)), 40 * 30);

    // Another picture whose schema file was cut short.
    QImage autre(20, 10, QImage::Format_RGB32);
    autre.fill(Qt::red);
    ASSERT_TRUE(autre.save(Chemin(QStringLiteral("autre.png"))));
    const QString coupe = Chemin(QStringLiteral("autre.sng"));
    EcrireSchema(coupe, SchemaBlanc(QSize(20, 10)));
    ASSERT_TRUE(QFile::resize(coupe, 200));

    s.DemanderFichier = [&](const QString &, const QStringList &) { return coupe; };
    // The unsaved schema is asked about first; Non keeps it and opens nothing.
    const QString question =
        QString::fromUtf8("Le schéma en cours n'est pas enregistré.\rL'abandonner pour ouvrir autre.sng ?");
    reponse_ = QMessageBox::No;
    s.actOuvrirSchema->trigger();
    EXPECT_EQ(messages_, QStringList{question});
    EXPECT_FALSE(s.ChargementEnCours);
    EXPECT_EQ(Comptes(s.imageSchema(), qRgb(0, 0, 0)), 40 * 30);

    messages_.clear();
    reponse_ = QMessageBox::Yes;
    s.actOuvrirSchema->trigger();
    ASSERT_EQ(messages_.size(), 2);
    EXPECT_EQ(messages_.front(), question);
    EXPECT_EQ(messages_.back(), QString::fromUtf8("Fichier %1 non trouvé").arg(coupe));
    EXPECT_EQ(s.imageSchema().size(), QSize(40, 30));
    EXPECT_EQ(Comptes(s.imageSchema(), qRgb(0, 0, 0)), 40 * 30) << "the schema in progress is whole";
    EXPECT_EQ(s.imageDocument().size(), QSize(40, 30));
    EXPECT_EQ(s.imageDocument().pixel(0, 0), qRgb(128, 128, 128));
    EXPECT_EQ(s.NomImageDocument, photo) << "saving still goes beside the picture in use";
}

TEST_F(FenetreSchema, QuittingWithAnUnsavedSchemaAsksAndOuiSavesItBesideItsPicture)
{
    OuvrirPhoto(QStringLiteral("photo.png"));
    Cadre().actSchema->trigger();
    TSchema1 &s = Schema();
    EXPECT_FALSE(s.SchemaNonEnregistre()) << "a blank schema holds no work";
    PeindreEnNoir(s);

    reponse_ = QMessageBox::Cancel;
    EXPECT_FALSE(Quitter());
    EXPECT_EQ(messages_, QStringList{QString::fromUtf8("Enregistrer le schéma dans photo.sng ?")});
    EXPECT_EQ(Comptes(s.imageSchema(), qRgb(0, 0, 0)), 40 * 30);

    messages_.clear();
    reponse_ = QMessageBox::Yes;
    EXPECT_TRUE(Quitter());
    EXPECT_EQ(messages_, QStringList{QString::fromUtf8("Enregistrer le schéma dans photo.sng ?")});
    const QImage lu = LireSchema(Chemin(QStringLiteral("photo.sng")), QSize(40, 30));
    EXPECT_EQ(Comptes(lu, qRgb(0, 0, 0)), 40 * 30);
    EXPECT_FALSE(s.SchemaNonEnregistre());
}

TEST_F(FenetreSchema, SchemaAgainAsksAboutTheUnsavedSchemaBeforeBlankingIt)
{
    OuvrirPhoto(QStringLiteral("photo.png"));
    Cadre().actSchema->trigger();
    TSchema1 &s = Schema();
    PeindreEnNoir(s);
    s.close(); // the title bar only hides the window
    ASSERT_FALSE(s.isVisible());
    const QString question = QString::fromUtf8("Enregistrer le schéma dans photo.sng ?");

    reponse_ = QMessageBox::Cancel;
    Cadre().actSchema->trigger();
    EXPECT_EQ(messages_, QStringList{question});
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(Comptes(s.imageSchema(), qRgb(0, 0, 0)), 40 * 30) << "the schema in progress is whole";

    messages_.clear();
    reponse_ = QMessageBox::Yes;
    Cadre().actSchema->trigger();
    EXPECT_EQ(messages_, QStringList{question});
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(Comptes(s.imageSchema(), qRgb(0, 0, 0)), 0) << "a blank schema for the new opening";
    const QImage lu = LireSchema(Chemin(QStringLiteral("photo.sng")), QSize(40, 30));
    EXPECT_EQ(Comptes(lu, qRgb(0, 0, 0)), 40 * 30);

    // Nothing unsaved: no question.
    messages_.clear();
    Cadre().actSchema->trigger();
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(FenetreSchema, ASchemaWithoutAPictureFileIsHandedOverAsADocumentThatIsAskedAbout)
{
    TMDIChild *f = Cadre().CreerDocument(QStringLiteral("Nouveau1"));
    auto doc = std::make_unique<ImageDocument>();
    doc->image = QImage(20, 10, QImage::Format_ARGB32);
    doc->image.fill(Qt::red);
    f->RemplacerDocument(std::move(doc));
    f->document().MarquerEnregistre();
    reponse_ = QMessageBox::Yes; // "Il vaut mieux enregistrer l'image avant."
    Cadre().actSchema->trigger();
    TSchema1 &s = Schema();
    ASSERT_TRUE(s.isVisible());
    PeindreEnNoir(s);
    messages_.clear();

    // Oui to the schema, Annuler to the new document's question.
    const QString transfert = QString::fromUtf8(
        "Le schéma n'est enregistré dans aucun fichier.\rLe transférer dans une nouvelle image, pour l'enregistrer ?");
    DefinirIntercepteurMessages([&](TypeMessage, const QString &texte, BoutonsMessage) {
        messages_.append(texte);
        return texte == transfert ? QMessageBox::Yes : QMessageBox::Cancel;
    });
    EXPECT_FALSE(Quitter());
    EXPECT_EQ(messages_, (QStringList{transfert, QString::fromUtf8("Enregistrer les modifications de « Schéma » ?")}));
    ASSERT_EQ(Cadre().Documents().size(), 2);
    const TMDIChild *nouveau = Cadre().DocumentActif();
    EXPECT_EQ(Comptes(nouveau->document().image, qRgb(0, 0, 0)), 20 * 10);

    // Asked again, the schema is in a document now: only that document asks.
    messages_.clear();
    EXPECT_FALSE(Quitter());
    EXPECT_EQ(messages_, QStringList{QString::fromUtf8("Enregistrer les modifications de « Schéma » ?")});
}

TEST_F(FenetreSchema, APhotoPrimesToContoursOnWhite)
{
    ASSERT_TRUE(Cadre().OuvrirImage(qEnvironmentVariable("KAPTORI_DATA") + QStringLiteral("/photo.jpg"), 0));
    Cadre().actSchema->trigger();
    TSchema1 &s = Schema();
    s.actAmorcer->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!s.AmorcageEnCours(), 20000);
    const int blancs = Comptes(s.imageSchema(), qRgb(255, 255, 255));
    const int total = s.imageSchema().width() * s.imageSchema().height();
    EXPECT_GT(blancs, total / 4);
    EXPECT_LT(blancs, total);
    s.actCommentaire->trigger();
    Capturer(s, QStringLiteral("schema_photo"));
}

} // namespace
