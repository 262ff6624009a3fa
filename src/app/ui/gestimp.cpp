#include "app/ui/gestimp.h"

#include "app/ui/boites_message.h"
#include "commun/erreur.h"
#include "app/ui/gestion_erreurs.h"
#include "app/impression.h"
#include "commun/nombres.h"
#include "commun/ui/boutons_dialogue.h"
#include "commun/ui/dialogue_enregistrement_simple.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

// The sheet seen from above: the page at 0.6 pixel per millimetre (an A3
// sheet is shrunk to the same panel), the area inside the margins dotted and
// each cell holding a thumbnail of the picture.
class ApercuPage : public QWidget {
public:
    ApercuPage(const TMiseEnPage &m, const QImage &image, const QImage &imageGrise, QWidget *parent)
        : QWidget(parent), m_(m), image_(image), imageGrise_(imageGrise)
    {
        Orienter();
    }

    void Orienter() { setFixedSize(m_.Paysage ? QSize(182, 130) : QSize(130, 182)); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window).darker(115));
        const double e = 0.6 * 210.0 / m_.FormatLargeur;
        const QRectF page(2, 2, m_.PageLargeur * e, m_.PageHauteur * e);
        p.fillRect(page, Qt::white);
        p.setPen(QPen(Qt::black, 0));
        p.drawRect(page);
        if (m_.ImageLargeur <= 0 || m_.ImageHauteur <= 0)
            return;
        p.setPen(QPen(Qt::gray, 0, Qt::DotLine));
        p.drawRect(QRectF(2 + e * m_.MargeGauche, 2 + e * m_.MargeHaut,
                          e * (m_.PageLargeur - m_.MargeGauche - m_.MargeDroite),
                          e * (m_.PageHauteur - m_.MargeHaut - m_.MargeBas)));
        p.setPen(QPen(QColor(40, 70, 140), 0));
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int u = 0; u < m_.NbLignes; ++u)
            for (int v = 0; v < m_.NbColonnes; ++v) {
                const QRectF cellule(2 + e * (m_.MargeGauche + v * (m_.ImageLargeur + m_.Espace)),
                                     2 + e * (m_.MargeHaut + u * (m_.ImageHauteur + m_.Espace)),
                                     e * m_.ImageLargeur, e * m_.ImageHauteur);
                // What is printed: in grey levels when they are chosen.
                const QImage &image = m_.Gris ? imageGrise_ : image_;
                if (image.isNull())
                    p.fillRect(cellule, QColor(170, 190, 230));
                else
                    p.drawImage(cellule, image);
                p.drawRect(cellule);
            }
    }

private:
    const TMiseEnPage &m_;
    const QImage &image_;
    const QImage &imageGrise_;
};

namespace {

QLineEdit *ChampMm(QWidget *parent)
{
    auto *champ = new QLineEdit(parent);
    champ->setMaxLength(4);
    champ->setFixedWidth(48);
    champ->setAlignment(Qt::AlignRight);
    return champ;
}

} // namespace

QString Tgestimp::TextePdf()
{
    return tr("Imprimer dans un fichier PDF");
}

Tgestimp::Tgestimp(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Choix de l'impression"));

    imprimante = new QComboBox(this);
    const QStringList imprimantes = QPrinterInfo::availablePrinterNames();
    imprimante->addItems(imprimantes);
    imprimante->addItem(TextePdf());
    const int courante = imprimantes.indexOf(QPrinterInfo::defaultPrinterName());
    imprimante->setCurrentIndex(courante >= 0 ? courante : imprimante->count() - 1);

    auto *orientation = new QGroupBox(tr(" orientation de la page "), this);
    portrait = new QRadioButton(tr("portrait"), orientation);
    paysage = new QRadioButton(tr("paysage"), orientation);
    portrait->setChecked(true);
    auto *lo = new QVBoxLayout(orientation);
    lo->addWidget(portrait);
    lo->addWidget(paysage);

    auto *format = new QGroupBox(tr(" Format de la page "), this);
    a4 = new QRadioButton(tr("A4"), format);
    a3 = new QRadioButton(tr("A3"), format);
    a4->setChecked(true);
    a3->hide();
    auto *lf = new QVBoxLayout(format);
    lf->addWidget(a4);
    lf->addWidget(a3);

    auto *alignement = new QGroupBox(tr(" Alignement "), this);
    margeHaut = ChampMm(alignement);
    margeBas = ChampMm(alignement);
    margeGauche = ChampMm(alignement);
    margeDroite = ChampMm(alignement);
    centrerV = new QPushButton(tr("Centrer verticalement"), alignement);
    centrerH = new QPushButton(tr("Centrer horizontalement"), alignement);
    raz = new QPushButton(tr("RAZ"), alignement);
    auto *la = new QGridLayout(alignement);
    const std::pair<QString, QLineEdit *> lignesMarges[] = {{tr("marge du haut"), margeHaut},
                                                            {tr("marge du bas"), margeBas},
                                                            {tr("marge gauche"), margeGauche},
                                                            {tr("marge droite"), margeDroite}};
    int rang = 0;
    for (const auto &[texte, champ] : lignesMarges) {
        la->addWidget(new QLabel(texte, alignement), rang, 0);
        la->addWidget(champ, rang, 1);
        la->addWidget(new QLabel(tr("mm"), alignement), rang, 2);
        ++rang;
    }
    la->addWidget(centrerV, rang++, 0, 1, 3);
    la->addWidget(centrerH, rang++, 0, 1, 3);
    la->addWidget(raz, rang++, 0, 1, 3);

    lignes = new QSpinBox(this);
    colonnes = new QSpinBox(this);
    for (QSpinBox *s : {lignes, colonnes}) {
        s->setRange(1, 10);
        s->setValue(1);
    }
    espaces = ChampMm(this);
    copies = new QSpinBox(this);
    copies->setRange(1, 100);
    copies->setValue(1);
    gris = new QCheckBox(tr("imprimer en niveaux de gris"), this);
    gris->setChecked(true);

    auto *grille = new QGridLayout;
    grille->addWidget(new QLabel(TexteMessageAffiche(tr("nombre de\r\nlignes")), this), 0, 0);
    grille->addWidget(lignes, 0, 1);
    grille->addWidget(new QLabel(TexteMessageAffiche(tr("nombre de\r\ncolonnes")), this), 1, 0);
    grille->addWidget(colonnes, 1, 1);
    grille->addWidget(new QLabel(tr("espaces"), this), 2, 0);
    auto *le = new QHBoxLayout;
    le->addWidget(espaces);
    le->addWidget(new QLabel(tr("mm"), this));
    le->addStretch();
    grille->addLayout(le, 2, 1);
    grille->addWidget(new QLabel(tr("nombre de copies"), this), 3, 0);
    grille->addWidget(copies, 3, 1);

    apercuPage = new ApercuPage(m_, apercu_, apercuGris_, this);
    taille = new QLabel(this);
    verifier = new QPushButton(tr("Vérifier"), this);
    avertissement = new QLabel(TexteMessageAffiche(TexteImageTropPetite()), this);
    avertissement->setStyleSheet(QStringLiteral("QLabel { color: #a00000; background: #fff0c0; padding: 4px; "
                                                "border: 1px solid #c08000; }"));
    avertissement->setAlignment(Qt::AlignCenter);
    avertissement->hide();
    verifier->hide();

    auto *boutons = BoutonsOkAnnuler(this, tr("OK"), tr("Annuler"));

    auto *gauche = new QVBoxLayout;
    auto *li = new QHBoxLayout;
    li->addWidget(new QLabel(tr("imprimante"), this));
    li->addWidget(imprimante, 1);
    gauche->addLayout(li);
    auto *lof = new QHBoxLayout;
    lof->addWidget(orientation);
    lof->addWidget(format);
    gauche->addLayout(lof);
    gauche->addWidget(alignement);
    gauche->addLayout(grille);
    gauche->addWidget(gris);
    gauche->addStretch();

    auto *droite = new QVBoxLayout;
    droite->addWidget(apercuPage, 0, Qt::AlignHCenter);
    droite->addWidget(new QLabel(tr("taille de l'image (mm) :"), this));
    droite->addWidget(taille);
    droite->addWidget(verifier);
    droite->addWidget(avertissement);
    droite->addStretch();

    auto *haut = new QHBoxLayout;
    haut->addLayout(gauche, 1);
    haut->addSpacing(12);
    haut->addLayout(droite);
    auto *tout = new QVBoxLayout(this);
    tout->addLayout(haut);
    tout->addWidget(boutons);

    connect(paysage, &QRadioButton::toggled, this, [this] { ChangerOrientation(); });
    connect(a3, &QRadioButton::toggled, this, [this] { ChangerFormat(); });
    const QLineEdit *champsLus[] = {margeGauche, margeDroite, margeHaut, margeBas, espaces};
    for (int i = 0; i < 5; ++i)
        connect(champsLus[i], &QLineEdit::textEdited, this, [this, i] { LireChamps(i); });
    connect(centrerV, &QPushButton::clicked, this, [this] {
        CentrerVerticalement(m_);
        margesChoisies_[2] = margesChoisies_[3] = (margesChoisies_[2] + margesChoisies_[3]) / 2;
        AfficherMarges();
        apercuPage->update();
    });
    connect(centrerH, &QPushButton::clicked, this, [this] {
        CentrerHorizontalement(m_);
        margesChoisies_[0] = margesChoisies_[1] = (margesChoisies_[0] + margesChoisies_[1]) / 2;
        AfficherMarges();
        apercuPage->update();
    });
    connect(raz, &QPushButton::clicked, this, [this] { Raz(); });
    connect(lignes, &QSpinBox::valueChanged, this, [this] { ChangerGrille(); });
    connect(colonnes, &QSpinBox::valueChanged, this, [this] { ChangerGrille(); });
    connect(copies, &QSpinBox::valueChanged, this, [this](int n) { m_.Copies = n; });
    connect(gris, &QCheckBox::toggled, this, [this](bool g) {
        m_.Gris = g;
        apercuPage->update();
    });
    connect(verifier, &QPushButton::clicked, this, [this] { Verifier(); });

    // Names for scripts and tests that look the controls up.
    const std::pair<QWidget *, const char *> noms[] = {
        {imprimante, "imprimante"},   {portrait, "portrait"},       {paysage, "paysage"},
        {a4, "a4"},                   {a3, "a3"},                   {margeHaut, "margeHaut"},
        {margeBas, "margeBas"},       {margeGauche, "margeGauche"}, {margeDroite, "margeDroite"},
        {espaces, "espaces"},         {centrerV, "centrerV"},       {centrerH, "centrerH"},
        {raz, "raz"},                 {lignes, "lignes"},           {colonnes, "colonnes"},
        {copies, "copies"},           {gris, "gris"},               {taille, "taille"},
        {verifier, "verifier"},       {avertissement, "avertissement"}, {apercuPage, "apercu"},
    };
    for (const auto &[controle, nom] : noms)
        controle->setObjectName(QLatin1String(nom));

    AfficherMarges();
}

Tgestimp &Tgestimp::Partage(QWidget *parent)
{
    static QPointer<Tgestimp> instance;
    if (!instance)
        instance = new Tgestimp(parent);
    return *instance;
}

bool Tgestimp::imprimeEnPdf() const
{
    return imprimante->currentText() == TextePdf();
}

void Tgestimp::AfficherMarges()
{
    // Texts set here are the program's own: textEdited is not emitted, so the
    // fields are not read back.
    margeGauche->setText(QString::number(m_.MargeGauche));
    margeDroite->setText(QString::number(m_.MargeDroite));
    margeHaut->setText(QString::number(m_.MargeHaut));
    margeBas->setText(QString::number(m_.MargeBas));
    espaces->setText(QString::number(m_.Espace));
}

void Tgestimp::RetenirMarges()
{
    margesChoisies_ = {m_.MargeGauche, m_.MargeDroite, m_.MargeHaut, m_.MargeBas};
}

bool Tgestimp::Verifier()
{
    const bool ok = CalculerMiseEnPage(m_);
    if (ok) {
        taille->setText(QStringLiteral("%1 x %2").arg(m_.ImageLargeur).arg(m_.ImageHauteur));
        AfficherMarges();
        verifier->hide();
    }
    avertissement->setVisible(!ok);
    apercuPage->update();
    return ok;
}

void Tgestimp::ChangerOrientation()
{
    ChoisirOrientation(m_, paysage->isChecked());
    RetenirMarges();
    apercuPage->Orienter();
    AfficherMarges();
    Verifier();
}

void Tgestimp::ChangerFormat()
{
    ChoisirFormat(m_, a3->isChecked());
    Verifier();
}

void Tgestimp::ChangerGrille()
{
    m_.NbLignes = lignes->value();
    m_.NbColonnes = colonnes->value();
    RemettreMarges(m_);
    RetenirMarges();
    AfficherMarges();
    Verifier();
}

void Tgestimp::Raz()
{
    RemettreMarges(m_);
    RetenirMarges();
    AfficherMarges();
    Verifier();
}

void Tgestimp::LireChamps(int modifie)
{
    // Left, right, top, bottom, spacing, in this order; the first field that
    // does not hold a whole number of millimetres stops the reading.
    int *cibles[] = {&m_.MargeGauche, &m_.MargeDroite, &m_.MargeHaut, &m_.MargeBas, &m_.Espace};
    const QLineEdit *champs[] = {margeGauche, margeDroite, margeHaut, margeBas, espaces};
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        const std::int64_t v = TexteEnEntier(champs[i]->text(), &ok);
        if (!ok || v < 0 || v > 9999)
            break;
        *cibles[i] = static_cast<int>(v);
        // Only the margin typed is the user's choice; the others may still
        // show the widening of the last computation.
        if (i == modifie && i < 4)
            margesChoisies_[static_cast<size_t>(i)] = static_cast<int>(v);
    }
    verifier->show();
}

bool Tgestimp::Executer(double rapport, const QImage &apercu)
{
    m_.Rapport = rapport;
    // The widening that centred the previous picture's grid is undone, so
    // that printing pictures of other proportions one after the other does
    // not shrink each print inside the margins left by the one before.
    m_.MargeGauche = margesChoisies_[0];
    m_.MargeDroite = margesChoisies_[1];
    m_.MargeHaut = margesChoisies_[2];
    m_.MargeBas = margesChoisies_[3];
    AfficherMarges();
    // The size found for another picture does not fit this one: until a
    // layout succeeds for it, there is none to print.
    m_.ImageLargeur = m_.ImageHauteur = 0;
    taille->clear();
    apercu_ = apercu.width() > 256 || apercu.height() > 256
                  ? apercu.scaled(256, 256, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                  : apercu;
    apercuGris_ = apercu_.isNull() ? QImage() : ImageEnGris(apercu_);
    Verifier();
    return exec() == QDialog::Accepted;
}

QString Tgestimp::DemanderFichierPdfParDialogue()
{
    return DemanderFichierAEnregistrer(this, TextePdf(), tr("Fichiers PDF (*.pdf)"), QStringLiteral("pdf"));
}

bool Tgestimp::Imprimer(const QImage &image)
{
    // No layout has succeeded for this picture: a blank sheet is not printed.
    if (m_.ImageLargeur <= 0 || m_.ImageHauteur <= 0) {
        MessageAvertissement(parentWidget(), TexteImageTropPetite());
        return false;
    }
    bool imprime = false;
    ExecuterCommande(parentWidget(), [&] {
        if (imprimeEnPdf()) {
            QString chemin = DemanderFichierPdf ? DemanderFichierPdf(this) : DemanderFichierPdfParDialogue();
            if (chemin.isEmpty())
                return;
            if (!chemin.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
                chemin += QStringLiteral(".pdf");
            ImprimerEnPdf(chemin, m_, image);
            imprime = true;
            return;
        }
        QPrinter imprimante_(QPrinter::HighResolution);
        imprimante_.setPrinterName(imprimante->currentText());
        imprimante_.setFullPage(true);
        PreparerAppareil(imprimante_, m_);
        int feuilles = 1;
        if (imprimante_.supportsMultipleCopies())
            imprimante_.setCopyCount(m_.Copies);
        else
            feuilles = m_.Copies;
        if (!DessinerFeuilles(imprimante_, m_, m_.Gris ? ImageEnGris(image) : image, feuilles))
            throw ErreurFichier(tr("L'impression sur « %1 » a échoué.").arg(imprimante->currentText()));
        imprime = true;
    });
    return imprime;
}

bool ImprimerImage(QWidget *parent, double rapport, const std::function<QImage()> &image, const QImage &apercu)
{
    Tgestimp &dialogue = Tgestimp::Partage(parent);
    if (!dialogue.Executer(rapport, apercu))
        return false;
    return dialogue.Imprimer(image());
}
