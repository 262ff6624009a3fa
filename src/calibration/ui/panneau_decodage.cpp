#include "calibration/ui/panneau_decodage.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QPainter>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QColor EnQColor(CouleurWin c)
{
    return QColor(RougeWin(c), VertWin(c), BleuWin(c));
}

// Text and outlines are black on light channel colours, white on dark ones.
QColor Contraste(CouleurWin c)
{
    return RougeWin(c) + VertWin(c) + BleuWin(c) > 253 ? Qt::black : Qt::white;
}

void Colorer(QWidget *w, CouleurWin fond)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, EnQColor(fond));
    pal.setColor(QPalette::WindowText, Contraste(fond));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QLabel *Etiquette(const QString &texte, QWidget *parent, bool gras = false)
{
    auto *l = new QLabel(texte, parent);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(false);
    if (gras) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QFont PetitePolice(const QFont &base)
{
    QFont f = base;
    f.setPointSizeF(std::max(6.0, base.pointSizeF() * 0.85));
    return f;
}

// A label breaks its lines only between words, so a word wider than the
// panel would show cut at both ends: the text goes in the label's own font
// or, when one of its words is too wide, in the largest smaller size that
// holds it. Nothing is measured when the text does not change.
void EcrireAjuste(QLabel *l, const QString &texte, const QFont &police, int largeur)
{
    if (l->text() == texte)
        return;
    QFont f = police;
    const QStringList mots = texte.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto tropLarge = [&] {
        const QFontMetrics m(f);
        for (const QString &mot : mots)
            if (m.horizontalAdvance(mot) > largeur)
                return true;
        return false;
    };
    while (f.pointSizeF() > 4.5 && tropLarge())
        f.setPointSizeF(f.pointSizeF() - 0.5);
    if (f != l->font())
        l->setFont(f);
    l->setText(texte);
}

} // namespace

// ---- ZoneSignature -------------------------------------------------------

ZoneSignature::ZoneSignature(QWidget *parent) : QWidget(parent)
{
    setFixedSize(Largeur, Hauteur);
    couleurs_ = CodeParDefaut().CouleurC;
}

void ZoneSignature::DefinirBarres(const std::array<int, 3> &hauteurs)
{
    if (hauteurs == hauteurs_)
        return;
    hauteurs_ = hauteurs;
    update();
}

void ZoneSignature::DefinirCouleurs(const std::array<CouleurWin, 3> &couleurs)
{
    couleurs_ = couleurs;
    update();
}

void ZoneSignature::Dessiner(QPainter &p) const
{
    p.setPen(Qt::black);
    p.drawLine(0, LigneBase, Largeur, LigneBase);
    QFont f = PetitePolice(p.font());
    p.setFont(f);
    for (int k = 0; k < 3; ++k) {
        const CouleurWin c = couleurs_[static_cast<std::size_t>(k)];
        const int h = hauteurs_[static_cast<std::size_t>(k)];
        const QRect barre(XBarre(k), LigneBase - h, LargeurBarre, h);
        if (h > 0) {
            p.fillRect(barre, EnQColor(c));
            p.setPen(Contraste(c));
            p.drawRect(barre.adjusted(0, 0, -1, -1));
        }
        const QRect etiquette(XBarre(k), LigneBase + 3, LargeurBarre, 16);
        p.fillRect(etiquette, EnQColor(c));
        p.setPen(Contraste(c));
        p.drawText(etiquette, Qt::AlignCenter, QStringLiteral("C%1").arg(k + 1));
    }
}

void ZoneSignature::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    Dessiner(p);
}

QImage ZoneSignature::Image() const
{
    QImage image(Largeur, Hauteur, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font());
    Dessiner(p);
    return image;
}

// ---- Decodcoul -----------------------------------------------------------

Decodcoul::Decodcoul(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Decodcoul"));
    setFrameShape(QFrame::StyledPanel);
    setFixedWidth(LargeurPanneau);
    // Opaque, so that a changed value repaints the panel alone and not the
    // frame behind it.
    setAutoFillBackground(true);
    setFont(PetitePolice(font()));

    auto *colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(1, 2, 1, 2);
    colonne->setSpacing(2);

    blocSignature_ = new QWidget(this);
    auto *blocSign = new QVBoxLayout(blocSignature_);
    blocSign->setContentsMargins(0, 0, 0, 0);
    blocSign->setSpacing(0);
    blocSign->addWidget(Etiquette(tr("Signature "), blocSignature_, true));
    blocSign->addWidget(Etiquette(tr("spectrale"), blocSignature_, true));
    sign_ = new ZoneSignature(blocSignature_);
    sign_->setObjectName(QStringLiteral("sign"));
    blocSign->addWidget(sign_, 0, Qt::AlignHCenter);
    colonne->addWidget(blocSignature_);

    copisign = new QAction(tr("Copier la signature spectrale"), this);
    copisign->setObjectName(QStringLiteral("copisign"));
    sign_->setContextMenuPolicy(Qt::ActionsContextMenu);
    sign_->addAction(copisign);

    pile_ = new QStackedWidget(this);

    EchC3C = new QWidget(pile_);
    EchC3C->setObjectName(QStringLiteral("EchC3C"));
    auto *c3 = new QVBoxLayout(EchC3C);
    c3->setContentsMargins(0, 0, 0, 0);
    c3->setSpacing(1);
    for (int k = 0; k < 3; ++k) {
        c3->addWidget(Etiquette(tr("Canal %1").arg(k + 1), EchC3C, true));
        nomsC_[static_cast<std::size_t>(k)] = Etiquette(QString(), EchC3C);
        valeursC_[static_cast<std::size_t>(k)] = Etiquette(QStringLiteral("0"), EchC3C, true);
        c3->addWidget(nomsC_[static_cast<std::size_t>(k)]);
        c3->addWidget(valeursC_[static_cast<std::size_t>(k)]);
        c3->addSpacing(3);
    }
    c3->addStretch(1);
    policeNom_ = nomsC_[0]->font();
    pile_->addWidget(EchC3C);

    EchCdegr = new QWidget(pile_);
    EchCdegr->setObjectName(QStringLiteral("EchCdegr"));
    auto *deg = new QVBoxLayout(EchCdegr);
    deg->setContentsMargins(0, 0, 0, 0);
    deg->setSpacing(2);
    deg->addWidget(Etiquette(tr("Couleur"), EchCdegr, true));
    Coulinst = new QFrame(EchCdegr);
    Coulinst->setObjectName(QStringLiteral("Coulinst"));
    Coulinst->setFrameShape(QFrame::Box);
    Coulinst->setFixedSize(40, 30);
    deg->addWidget(Coulinst, 0, Qt::AlignHCenter);
    deg->addSpacing(6);
    signif = Etiquette(tr("Valeur"), EchCdegr, true);
    signif->setWordWrap(true);
    valcoul = Etiquette(QString(), EchCdegr, true);
    QFont grande = valcoul->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.3);
    valcoul->setFont(grande);
    valcoul->setWordWrap(true);
    unitecoul = Etiquette(QString(), EchCdegr);
    unitecoul->setWordWrap(true);
    policeSignif_ = signif->font();
    policeValeur_ = valcoul->font();
    policeUnite_ = unitecoul->font();
    deg->addWidget(signif);
    deg->addWidget(valcoul);
    deg->addWidget(unitecoul);
    deg->addStretch(1);
    pile_->addWidget(EchCdegr);

    Pasdechel = Etiquette(tr("Pas d'échelle"), pile_, true);
    Pasdechel->setObjectName(QStringLiteral("Pasdechel"));
    Pasdechel->setWordWrap(true);
    pile_->addWidget(Pasdechel);

    colonne->addWidget(pile_, 1);
    colonne->addWidget(Etiquette(tr("Echelle de "), this));
    colonne->addWidget(Etiquette(tr("couleurs"), this));

    AfficherPasDEchelle();
}

void Decodcoul::AfficherPasDEchelle()
{
    pile_->setCurrentWidget(Pasdechel);
    blocSignature_->setVisible(false);
    copisign->setEnabled(false);
}

bool Decodcoul::pasDEchelle() const
{
    return pile_->currentWidget() == Pasdechel;
}

void Decodcoul::ViderLecture()
{
    ViderSignature();
    valcoul->clear();
    couleurInst_ = 0xFFFFFFFF;
    Coulinst->setAutoFillBackground(false);
    Coulinst->setPalette(QPalette());
}

void Decodcoul::AfficherCode(const TCodeCouleur &code)
{
    // A value read under another code would describe nothing here.
    ViderLecture();
    if (!code.Definie) {
        typeCode_ = -1;
        AfficherPasDEchelle();
        return;
    }
    typeCode_ = code.TypeCodage;
    if (code.TypeCodage == CodageTroisCanaux) {
        blocSignature_->setVisible(true);
        pile_->setCurrentWidget(EchC3C);
        copisign->setEnabled(true);
        sign_->DefinirCouleurs(code.CouleurC);
        for (std::size_t k = 0; k < 3; ++k) {
            EcrireAjuste(nomsC_[k], code.NomC[k], policeNom_, LargeurTexte());
            Colorer(nomsC_[k], code.CouleurC[k]);
        }
        return;
    }
    blocSignature_->setVisible(false);
    pile_->setCurrentWidget(EchCdegr);
    copisign->setEnabled(false);
    EcrireAjuste(signif, code.Grandeur.isEmpty() ? tr("Valeur") : code.Grandeur, policeSignif_, LargeurTexte());
    EcrireAjuste(unitecoul, code.UniteCode.isEmpty() ? QString() : QStringLiteral("(%1)").arg(code.UniteCode),
                 policeUnite_, LargeurTexte());
}

void Decodcoul::AfficherLecture(const LectureDecodage &l, const PixelLu &pixel)
{
    switch (l.vue) {
    case LectureDecodage::Vue::PasDEchelle:
        AfficherPasDEchelle();
        return;
    case LectureDecodage::Vue::Signature:
        if (pile_->currentWidget() != EchC3C)
            return; // AfficherCode has not shown this kind
        for (std::size_t k = 0; k < 3; ++k)
            valeursC_[k]->setText(QString::number(l.signature.valeurs[k]));
        sign_->DefinirBarres(l.signature.hauteurs);
        return;
    case LectureDecodage::Vue::Valeur: {
        if (pile_->currentWidget() != EchCdegr)
            return;
        const CouleurWin c = CouleurRvb(pixel.r, pixel.g, pixel.b);
        if (c != couleurInst_) {
            couleurInst_ = c;
            QPalette pal = Coulinst->palette();
            pal.setColor(QPalette::Window, EnQColor(c));
            Coulinst->setPalette(pal);
            Coulinst->setAutoFillBackground(true);
        }
        // A colour that decodes to nothing shows no value, not the last one.
        if (l.valeur.decodable)
            EcrireAjuste(valcoul, l.valeur.texte, policeValeur_, LargeurTexte());
        else
            valcoul->clear();
        return;
    }
    }
}

void Decodcoul::ViderSignature()
{
    sign_->DefinirBarres({0, 0, 0});
    for (QLabel *valeur : valeursC_)
        valeur->clear();
}

int Decodcoul::LargeurTexte() const
{
    const QMargins marges = layout()->contentsMargins();
    return LargeurPanneau - 2 * frameWidth() - marges.left() - marges.right();
}

QString Decodcoul::texteValeur() const
{
    return valcoul->text();
}

QString Decodcoul::texteGrandeur() const
{
    return signif->text();
}

QString Decodcoul::texteUnite() const
{
    return unitecoul->text();
}

std::array<QString, 3> Decodcoul::textesCanaux() const
{
    return {valeursC_[0]->text(), valeursC_[1]->text(), valeursC_[2]->text()};
}
