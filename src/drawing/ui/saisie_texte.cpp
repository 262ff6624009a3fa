#include "drawing/ui/saisie_texte.h"

#include "drawing/bouton_balise.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *BoutonDeBalise(const QString &legende, const QString &aide, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setText(legende);
    b->setToolTip(aide);
    b->setCheckable(true);
    b->setFixedSize(28, 26);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

TSaisieTexte::TSaisieTexte(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Saisie d'un texte"));

    auto *etiquette = new QLabel(tr("Taper ci-dessous le texte à afficher"), this);
    TexteSaisi = new QTextEdit(this);
    TexteSaisi->setAcceptRichText(false);
    TexteSaisi->setLineWrapMode(QTextEdit::NoWrap);
    TexteSaisi->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TexteSaisi->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TexteSaisi->setTabChangesFocus(true);
    TexteSaisi->setMinimumSize(340, 140);
    etiquette->setBuddy(TexteSaisi);

    gras = BoutonDeBalise(QStringLiteral("g"), tr("gras"), this);
    italique = BoutonDeBalise(QStringLiteral("i"), tr("italique"), this);
    souligne = BoutonDeBalise(QStringLiteral("s"), tr("souligné"), this);
    exposant = BoutonDeBalise(QStringLiteral("2"), tr("exposant"), this);
    indice = BoutonDeBalise(QStringLiteral("i"), tr("indice"), this);
    QFont f = gras->font();
    f.setBold(true);
    gras->setFont(f);
    f = italique->font();
    f.setItalic(true);
    italique->setFont(f);
    f = souligne->font();
    f.setUnderline(true);
    souligne->setFont(f);
    const std::pair<QToolButton *, Balise> boutons[] = {{gras, Balise::Gras},
                                                        {italique, Balise::Italique},
                                                        {souligne, Balise::Souligne},
                                                        {exposant, Balise::Exposant},
                                                        {indice, Balise::Indice}};
    auto *ligneBoutons = new QHBoxLayout;
    ligneBoutons->setSpacing(2);
    for (const auto &[bouton, balise] : boutons) {
        ligneBoutons->addWidget(bouton);
        connect(bouton, &QToolButton::clicked, this, [this, b = bouton, balise = balise] { BoutonBalise(b, balise); });
    }
    ligneBoutons->addStretch();

    auto *groupe = new QGroupBox(tr("Alignement"), this);
    Alignement = new QButtonGroup(this);
    auto *dispositionGroupe = new QHBoxLayout(groupe);
    const QString legendes[] = {tr("à gauche"), tr("centré"), tr("à droite")};
    for (int i = 0; i < 3; ++i) {
        auto *radio = new QRadioButton(legendes[i], groupe);
        Alignement->addButton(radio, i);
        dispositionGroupe->addWidget(radio);
    }
    Alignement->button(0)->setChecked(true);
    connect(Alignement, &QButtonGroup::idClicked, this, &TSaisieTexte::ChoisirAlignement);

    boutonFonte = new QPushButton(tr("Fonte"), this);
    connect(boutonFonte, &QPushButton::clicked, this, &TSaisieTexte::ChoisirFonte);

    auto *boites = new QDialogButtonBox(this);
    boutonOk = boites->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    boutonAnnuler = boites->addButton(tr("Annuler"), QDialogButtonBox::RejectRole);
    boutonOk->setDefault(false);
    boutonOk->setAutoDefault(false);
    connect(boites, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boites, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *ligneBas = new QHBoxLayout;
    ligneBas->addWidget(groupe);
    ligneBas->addWidget(boutonFonte, 0, Qt::AlignBottom);

    auto *disposition = new QVBoxLayout(this);
    disposition->addWidget(etiquette);
    disposition->addLayout(ligneBoutons);
    disposition->addWidget(TexteSaisi, 1);
    disposition->addLayout(ligneBas);
    disposition->addWidget(boites);

    choisirPolice = [](const QFont &actuelle, QWidget *parent) -> std::optional<QFont> {
        bool ok = false;
        const QFont choisie = QFontDialog::getFont(&ok, actuelle, parent, tr("Fonte"));
        if (!ok)
            return std::nullopt;
        return choisie;
    };

    QFont police(QStringLiteral("Arial"));
    police.setPointSize(12);
    DefinirPolice(police);
}

TSaisieTexte &TSaisieTexte::Instance(QWidget *parent)
{
    static QPointer<TSaisieTexte> instance;
    if (!instance)
        instance = new TSaisieTexte(parent);
    return *instance;
}

void TSaisieTexte::Preparer(QRgb couleurTexte, QRgb couleurFond)
{
    couleurTexte_ = couleurTexte | 0xFF000000u;
    QPalette p = TexteSaisi->palette();
    p.setColor(QPalette::Text, QColor::fromRgb(couleurTexte_));
    p.setColor(QPalette::Base, QColor::fromRgb(couleurFond | 0xFF000000u));
    TexteSaisi->setPalette(p);
    // The previous text is shown from its start and selected whole, so that
    // typing replaces it rather than adding to a part scrolled out of view.
    QTextCursor curseur(TexteSaisi->document());
    curseur.movePosition(QTextCursor::End);
    curseur.movePosition(QTextCursor::Start, QTextCursor::KeepAnchor);
    TexteSaisi->setTextCursor(curseur);
    AuDebut();
    TexteSaisi->setFocus();
}

void TSaisieTexte::AuDebut()
{
    TexteSaisi->horizontalScrollBar()->setValue(TexteSaisi->horizontalScrollBar()->minimum());
    TexteSaisi->verticalScrollBar()->setValue(TexteSaisi->verticalScrollBar()->minimum());
}

TexteAPlacer TSaisieTexte::Texte() const
{
    TexteAPlacer t;
    t.police = Police();
    t.couleur = couleurTexte_;
    t.alignement = IndiceAlignement();
    t.lignes = LignesDuTexte(TexteSaisi->toPlainText());
    return t;
}

QFont TSaisieTexte::Police() const
{
    return TexteSaisi->font();
}

int TSaisieTexte::IndiceAlignement() const
{
    const int i = Alignement->checkedId();
    return i < 0 ? 0 : i;
}

void TSaisieTexte::DefinirPolice(const QFont &police)
{
    TexteSaisi->setFont(police);
    TexteSaisi->document()->setDefaultFont(police);
}

void TSaisieTexte::BoutonBalise(QToolButton *bouton, Balise ouvrante)
{
    const Balise balise = bouton->isChecked() ? ouvrante : BaliseFermante(ouvrante);
    QTextCursor curseur = TexteSaisi->textCursor();
    const int debut = curseur.selectionStart();
    const TexteEdite avant{TexteSaisi->toPlainText(), debut, curseur.selectionEnd() - debut};
    const TexteEdite apres = AppliquerBoutonBalise(avant, balise);
    if (apres.texte != avant.texte) {
        curseur.beginEditBlock();
        curseur.select(QTextCursor::Document);
        curseur.insertText(apres.texte);
        curseur.endEditBlock();
    }
    curseur.setPosition(apres.debut);
    curseur.setPosition(apres.debut + apres.longueur, QTextCursor::KeepAnchor);
    TexteSaisi->setTextCursor(curseur);
    TexteSaisi->setFocus();
}

void TSaisieTexte::ChoisirAlignement(int indice)
{
    static constexpr Qt::Alignment alignements[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    QTextOption option = TexteSaisi->document()->defaultTextOption();
    option.setAlignment(alignements[indice < 0 || indice > 2 ? 0 : indice]);
    TexteSaisi->document()->setDefaultTextOption(option);
}

void TSaisieTexte::ChoisirFonte()
{
    if (!choisirPolice)
        return;
    if (const std::optional<QFont> choisie = choisirPolice(Police(), this))
        DefinirPolice(*choisie);
}

void TSaisieTexte::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Laid out again once shown: the text still starts at the top.
    if (TexteSaisi->textCursor().position() == 0)
        AuDebut();
    if (const QScreen *ecran = screen() ? screen() : QGuiApplication::primaryScreen()) {
        QRect cadre = frameGeometry();
        cadre.moveCenter(ecran->availableGeometry().center());
        move(cadre.topLeft());
    }
}
