#include "app/ui/dialogue_acquisition.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The options the dialog shows first, under its own captions.
struct OptionPrincipale {
    const char *nom;
    const char *libelle;
};
constexpr OptionPrincipale kPrincipales[] = {
    {"resolution", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Résolution (dpi)")},
    {"mode", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Mode")},
    {"source", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Source")},
};
constexpr OptionPrincipale kZone[] = {
    {"tl-x", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Gauche")},
    {"tl-y", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Haut")},
    {"br-x", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Droite")},
    {"br-y", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Bas")},
};

// The standard values of SANE's "mode" and "source" options, shown in French;
// any other device text is shown as the device gives it.
QString TexteAppareilAffiche(const QString &valeur)
{
    struct Traduction {
        const char *sane;
        const char *francais;
    };
    static constexpr Traduction kTextes[] = {
        {"Color", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Couleur")},
        {"Gray", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Niveaux de gris")},
        {"Lineart", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Trait (noir et blanc)")},
        {"Halftone", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Tramé")},
        {"Flatbed", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Vitre")},
        {"ADF", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Chargeur de documents")},
        {"Automatic Document Feeder", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Chargeur de documents")},
        {"ADF Front", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Chargeur (recto)")},
        {"ADF Back", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Chargeur (verso)")},
        {"ADF Duplex", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Chargeur recto verso")},
        {"Transparency Adapter", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Adaptateur de transparents")},
        {"Transparency Unit", QT_TRANSLATE_NOOP("TDialogueAcquisition", "Adaptateur de transparents")},
    };
    for (const Traduction &t : kTextes)
        if (valeur == QLatin1String(t.sane))
            return QCoreApplication::translate("TDialogueAcquisition", t.francais);
    return valeur;
}

bool Affichable(const OptionSane &o)
{
    return o.genre != OptionSane::Genre::Groupe && !o.nom.isEmpty() && o.reglable;
}

QString NombreAffiche(double v)
{
    return QString::number(v, 'g', 6);
}

} // namespace

TDialogueAcquisition::TDialogueAcquisition(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Acquisition"));
    setModal(true);
    auto *l = new QVBoxLayout(this);
    auto *defilement = new QScrollArea(this);
    defilement->setWidgetResizable(true);
    defilement->setFrameShape(QFrame::NoFrame);
    defilement->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contenu_ = new QWidget;
    defilement->setWidget(contenu_);
    l->addWidget(defilement, 1);
    auto *boutons = new QDialogButtonBox(this);
    numeriser = boutons->addButton(tr("Numériser"), QDialogButtonBox::ActionRole);
    fermer = boutons->addButton(tr("Fermer"), QDialogButtonBox::RejectRole);
    numeriser->setDefault(true);
    l->addWidget(boutons);
    connect(numeriser, &QPushButton::clicked, this, &TDialogueAcquisition::Numeriser);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(600, 600);
}

QWidget *TDialogueAcquisition::CreerEditeur(const OptionSane &o, QWidget *parent)
{
    QWidget *editeur = nullptr;
    switch (o.genre) {
    case OptionSane::Genre::Booleen: {
        auto *c = new QCheckBox(parent);
        c->setChecked(o.valeur.toBool());
        editeur = c;
        break;
    }
    case OptionSane::Genre::Bouton: {
        auto *b = new QPushButton(o.titre.isEmpty() ? o.nom : o.titre, parent);
        b->setCheckable(true);
        connect(b, &QPushButton::toggled, this, [this, nom = o.nom](bool presse) { boutonsPresses_[nom] = presse; });
        editeur = b;
        break;
    }
    case OptionSane::Genre::Texte:
        if (o.contrainte == OptionSane::Contrainte::ListeTextes) {
            auto *c = new QComboBox(parent);
            // Long device texts must not widen the dialog past its frame.
            c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            c->setMinimumContentsLength(16);
            // The device's own value stays the item's data; the usual ones are shown in French.
            for (const QString &t : o.textes)
                c->addItem(TexteAppareilAffiche(t), t);
            c->setCurrentIndex(std::max(0, c->findData(o.valeur.toString())));
            editeur = c;
        } else {
            auto *e = new QLineEdit(o.valeur.toString(), parent);
            editeur = e;
        }
        break;
    case OptionSane::Genre::Entier:
    case OptionSane::Genre::Fixe:
        if (o.contrainte == OptionSane::Contrainte::ListeNombres) {
            auto *c = new QComboBox(parent);
            for (double v : o.nombres)
                c->addItem(NombreAffiche(v), v);
            const int i = c->findData(o.valeur.toDouble());
            c->setCurrentIndex(std::max(i, 0));
            editeur = c;
        } else {
            auto *s = new QDoubleSpinBox(parent);
            // Whole steps (dpi of most devices) show no decimals.
            const bool entier = o.genre == OptionSane::Genre::Entier
                                || (o.contrainte == OptionSane::Contrainte::Intervalle && o.pas >= 1
                                    && o.pas == std::trunc(o.pas));
            s->setDecimals(entier ? 0 : 2);
            if (o.contrainte == OptionSane::Contrainte::Intervalle) {
                s->setRange(o.minimum, o.maximum);
                if (o.pas > 0)
                    s->setSingleStep(o.pas);
            } else {
                s->setRange(o.genre == OptionSane::Genre::Entier ? -2147483647.0 : -32767.0,
                            o.genre == OptionSane::Genre::Entier ? 2147483647.0 : 32767.0);
            }
            s->setValue(o.valeur.toDouble());
            editeur = s;
        }
        break;
    case OptionSane::Genre::Groupe:
        break;
    }
    if (editeur) {
        editeur->setEnabled(o.active);
        editeur->setToolTip(o.description);
        editeur->setObjectName(o.nom);
    }
    return editeur;
}

void TDialogueAcquisition::Construire(const QList<OptionSane> &options, const QString &appareil)
{
    setWindowTitle(appareil.isEmpty() ? tr("Acquisition") : tr("Acquisition – %1").arg(appareil));
    options_ = options;
    editeurs_.clear();
    boutonsPresses_.clear();
    delete contenu_->layout();
    qDeleteAll(contenu_->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly));
    auto *l = new QVBoxLayout(contenu_);

    auto *principal = new QFormLayout;
    l->addLayout(principal);
    for (const OptionPrincipale &p : kPrincipales)
        if (const OptionSane *o = OptionNommee(options, QString::fromLatin1(p.nom)); o && Affichable(*o))
            if (QWidget *e = CreerEditeur(*o, contenu_)) {
                editeurs_.insert(o->nom, e);
                principal->addRow(tr(p.libelle), e);
            }

    auto *zone = new QGroupBox(tr("Zone numérisée (mm)"), contenu_);
    auto *fz = new QFormLayout(zone);
    for (const OptionPrincipale &p : kZone)
        if (const OptionSane *o = OptionNommee(options, QString::fromLatin1(p.nom)); o && Affichable(*o))
            if (QWidget *e = CreerEditeur(*o, zone)) {
                editeurs_.insert(o->nom, e);
                fz->addRow(tr(p.libelle), e);
            }
    if (fz->rowCount() > 0)
        l->addWidget(zone);
    else
        delete zone;

    auto *autres = new QGroupBox(tr("Autres réglages de l'appareil"), contenu_);
    auto *fa = new QFormLayout(autres);
    for (const OptionSane &o : options) {
        if (!Affichable(o) || editeurs_.contains(o.nom))
            continue;
        if (QWidget *e = CreerEditeur(o, autres)) {
            editeurs_.insert(o.nom, e);
            fa->addRow(o.genre == OptionSane::Genre::Bouton ? QString() : (o.titre.isEmpty() ? o.nom : o.titre), e);
        }
    }
    if (fa->rowCount() > 0)
        l->addWidget(autres);
    else
        delete autres;
    l->addStretch(1);
    initiales_.clear();
    for (const OptionSane &o : options_)
        if (editeurs_.contains(o.nom))
            initiales_.insert(o.nom, Valeur(o));
}

QVariant TDialogueAcquisition::Valeur(const OptionSane &o) const
{
    QWidget *e = editeurs_.value(o.nom);
    if (auto *c = qobject_cast<QCheckBox *>(e))
        return c->isChecked();
    if (auto *c = qobject_cast<QComboBox *>(e))
        return c->currentData().isValid() ? c->currentData() : QVariant(c->currentText());
    if (auto *s = qobject_cast<QDoubleSpinBox *>(e))
        return s->value();
    if (auto *l = qobject_cast<QLineEdit *>(e))
        return l->text();
    return {};
}

QList<std::pair<QString, QVariant>> TDialogueAcquisition::Modifications() const
{
    QList<std::pair<QString, QVariant>> modifications;
    for (const OptionSane &o : options_) {
        if (!editeurs_.contains(o.nom) || !o.active)
            continue;
        if (o.genre == OptionSane::Genre::Bouton) {
            if (boutonsPresses_.value(o.nom))
                modifications.append({o.nom, true});
            continue;
        }
        const QVariant v = Valeur(o);
        const QVariant avant = initiales_.value(o.nom);
        const bool change = (o.genre == OptionSane::Genre::Entier || o.genre == OptionSane::Genre::Fixe)
                                ? std::fabs(v.toDouble() - avant.toDouble()) > 1e-6
                                : v != avant;
        if (change)
            modifications.append({o.nom, v});
    }
    return modifications;
}
