#include "app/session_sane.h"

#include "app/assembler_trames.h"
#include "app/messages_sane.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QRegularExpression>

#include <sane/sane.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("Acquisition", texte);
}

QString Texte(SANE_String_Const s)
{
    return s ? QString::fromUtf8(s) : QString();
}

FormatTrame FormatDeSane(SANE_Frame f)
{
    switch (f) {
    case SANE_FRAME_GRAY:
        return FormatTrame::Gris;
    case SANE_FRAME_RGB:
        return FormatTrame::Rvb;
    case SANE_FRAME_RED:
        return FormatTrame::Rouge;
    case SANE_FRAME_GREEN:
        return FormatTrame::Vert;
    case SANE_FRAME_BLUE:
        return FormatTrame::Bleu;
    }
    throw ErreurAcquisition(Tr("L'appareil envoie une image d'un format inconnu."));
}

constexpr int kTailleLecture = 64 * 1024;

} // namespace

struct SessionSane::Fonctions {
    QLibrary bibliotheque;
    decltype(&sane_init) init = nullptr;
    decltype(&sane_exit) exit = nullptr;
    decltype(&sane_get_devices) get_devices = nullptr;
    decltype(&sane_open) open = nullptr;
    decltype(&sane_close) close = nullptr;
    decltype(&sane_get_option_descriptor) get_option_descriptor = nullptr;
    decltype(&sane_control_option) control_option = nullptr;
    decltype(&sane_get_parameters) get_parameters = nullptr;
    decltype(&sane_start) start = nullptr;
    decltype(&sane_read) read = nullptr;
    decltype(&sane_cancel) cancel = nullptr;

    template <typename T>
    bool Resoudre(T &pointeur, const char *nom)
    {
        pointeur = reinterpret_cast<T>(bibliotheque.resolve(nom));
        return pointeur != nullptr;
    }
};

SessionSane::SessionSane(const QString &bibliotheque) : f_(std::make_unique<Fonctions>())
{
    f_->bibliotheque.setFileName(bibliotheque);
    // The library stays mapped after the session: its backends may keep threads.
    if (!f_->bibliotheque.load())
        throw ErreurAcquisition(MessageBibliothequeAbsente());
    const bool complete = f_->Resoudre(f_->init, "sane_init") && f_->Resoudre(f_->exit, "sane_exit")
                          && f_->Resoudre(f_->get_devices, "sane_get_devices") && f_->Resoudre(f_->open, "sane_open")
                          && f_->Resoudre(f_->close, "sane_close")
                          && f_->Resoudre(f_->get_option_descriptor, "sane_get_option_descriptor")
                          && f_->Resoudre(f_->control_option, "sane_control_option")
                          && f_->Resoudre(f_->get_parameters, "sane_get_parameters")
                          && f_->Resoudre(f_->start, "sane_start") && f_->Resoudre(f_->read, "sane_read")
                          && f_->Resoudre(f_->cancel, "sane_cancel");
    if (!complete)
        throw ErreurAcquisition(MessageBibliothequeAbsente());
    SANE_Int version = 0;
    const SANE_Status s = f_->init(&version, nullptr);
    if (s != SANE_STATUS_GOOD)
        throw ErreurAcquisition(MessageStatutSane(s, EtapeSane::Initialisation));
    initialisee_ = true;
}

SessionSane::~SessionSane()
{
    Decharger();
}

void SessionSane::Decharger()
{
    // Cancel and close before sane_exit: some backends fail in sane_exit with a
    // device left open after a read error.
    if (appareil_) {
        f_->cancel(appareil_);
        f_->close(appareil_);
        appareil_ = nullptr;
    }
    if (initialisee_) {
        f_->exit();
        initialisee_ = false;
    }
}

QList<AppareilSane> SessionSane::Appareils()
{
    const SANE_Device **liste = nullptr;
    const SANE_Status s = f_->get_devices(&liste, SANE_FALSE);
    if (s != SANE_STATUS_GOOD)
        throw ErreurAcquisition(MessageStatutSane(s, EtapeSane::Liste));
    QList<AppareilSane> appareils;
    for (int i = 0; liste && liste[i]; ++i)
        appareils.append({Texte(liste[i]->name), Texte(liste[i]->vendor), Texte(liste[i]->model), Texte(liste[i]->type)});
    return appareils;
}

void SessionSane::Ouvrir(const QString &nom)
{
    if (appareil_) {
        f_->cancel(appareil_);
        f_->close(appareil_);
        appareil_ = nullptr;
    }
    SANE_Handle h = nullptr;
    const SANE_Status s = f_->open(nom.toUtf8().constData(), &h);
    if (s != SANE_STATUS_GOOD || !h)
        throw ErreurAcquisition(Tr("« %1 » : %2").arg(nom, MessageStatutSane(s, EtapeSane::Ouverture)));
    appareil_ = h;
}

bool SessionSane::Ouverte() const
{
    return appareil_ != nullptr;
}

QList<OptionSane> SessionSane::Options()
{
    QList<OptionSane> options;
    if (!appareil_)
        return options;
    SANE_Int nombre = 0;
    if (!f_->get_option_descriptor(appareil_, 0)
        || f_->control_option(appareil_, 0, SANE_ACTION_GET_VALUE, &nombre, nullptr) != SANE_STATUS_GOOD)
        return options;
    for (int i = 1; i < nombre && i < 10000; ++i) {
        const SANE_Option_Descriptor *d = f_->get_option_descriptor(appareil_, i);
        if (!d)
            continue;
        OptionSane o;
        o.numero = i;
        o.nom = Texte(d->name);
        o.titre = Texte(d->title);
        o.description = Texte(d->desc);
        o.unite = d->unit;
        o.active = SANE_OPTION_IS_ACTIVE(d->cap);
        o.reglable = SANE_OPTION_IS_SETTABLE(d->cap);
        o.avancee = (d->cap & SANE_CAP_ADVANCED) != 0;
        switch (d->type) {
        case SANE_TYPE_BOOL:
            o.genre = OptionSane::Genre::Booleen;
            break;
        case SANE_TYPE_INT:
            o.genre = OptionSane::Genre::Entier;
            break;
        case SANE_TYPE_FIXED:
            o.genre = OptionSane::Genre::Fixe;
            break;
        case SANE_TYPE_STRING:
            o.genre = OptionSane::Genre::Texte;
            break;
        case SANE_TYPE_BUTTON:
            o.genre = OptionSane::Genre::Bouton;
            break;
        default:
            o.genre = OptionSane::Genre::Groupe;
            break;
        }
        const bool nombreFixe = d->type == SANE_TYPE_FIXED;
        auto valeur = [nombreFixe](SANE_Word w) { return nombreFixe ? SANE_UNFIX(w) : double(w); };
        if ((d->type == SANE_TYPE_INT || d->type == SANE_TYPE_FIXED) && d->size > 0)
            o.elements = std::max<int>(1, d->size / int(sizeof(SANE_Word)));
        if (d->constraint_type == SANE_CONSTRAINT_RANGE && d->constraint.range) {
            o.contrainte = OptionSane::Contrainte::Intervalle;
            o.minimum = valeur(d->constraint.range->min);
            o.maximum = valeur(d->constraint.range->max);
            o.pas = valeur(d->constraint.range->quant);
        } else if (d->constraint_type == SANE_CONSTRAINT_WORD_LIST && d->constraint.word_list) {
            o.contrainte = OptionSane::Contrainte::ListeNombres;
            const SANE_Word n = d->constraint.word_list[0];
            for (SANE_Word k = 1; k <= n && k < 10000; ++k)
                o.nombres << valeur(d->constraint.word_list[k]);
        } else if (d->constraint_type == SANE_CONSTRAINT_STRING_LIST && d->constraint.string_list) {
            o.contrainte = OptionSane::Contrainte::ListeTextes;
            for (int k = 0; d->constraint.string_list[k] && k < 10000; ++k)
                o.textes << Texte(d->constraint.string_list[k]);
        }
        if (o.active && d->type != SANE_TYPE_GROUP && d->type != SANE_TYPE_BUTTON && d->size > 0) {
            std::vector<char> tampon(std::size_t(d->size) + sizeof(SANE_Word), 0);
            if (f_->control_option(appareil_, i, SANE_ACTION_GET_VALUE, tampon.data(), nullptr) == SANE_STATUS_GOOD) {
                SANE_Word w = 0;
                std::memcpy(&w, tampon.data(), sizeof w);
                switch (d->type) {
                case SANE_TYPE_BOOL:
                    o.valeur = w != SANE_FALSE;
                    break;
                case SANE_TYPE_INT:
                case SANE_TYPE_FIXED:
                    o.valeur = valeur(w);
                    break;
                default:
                    tampon.back() = 0;
                    o.valeur = QString::fromUtf8(tampon.data());
                    break;
                }
            }
        }
        options.append(o);
    }
    return options;
}

void SessionSane::Regler(const QString &nom, const QString &texte)
{
    const QList<OptionSane> options = Options();
    const OptionSane *o = OptionNommee(options, nom);
    if (!o)
        throw ErreurAcquisition(Tr("L'appareil n'a pas d'option « %1 ».").arg(nom));
    Regler(nom, ValeurDeTexte(*o, texte));
}

void SessionSane::Regler(const QString &nom, const QVariant &valeur)
{
    if (!appareil_)
        throw ErreurAcquisition(Tr("Aucun appareil n'est ouvert."));
    const QList<OptionSane> options = Options();
    const OptionSane *o = OptionNommee(options, nom);
    if (!o)
        throw ErreurAcquisition(Tr("L'appareil n'a pas d'option « %1 ».").arg(nom));
    if (!o->active)
        throw ErreurAcquisition(Tr("L'option « %1 » n'est pas active avec les réglages choisis.").arg(nom));
    if (!o->reglable)
        throw ErreurAcquisition(Tr("L'option « %1 » ne se règle pas depuis le programme.").arg(nom));
    // Descriptors are fetched again right before the change: some backends
    // accept a change only for an option whose descriptor was read since the
    // last reload.
    const SANE_Option_Descriptor *d = f_->get_option_descriptor(appareil_, o->numero);
    if (!d)
        throw ErreurAcquisition(Tr("L'appareil n'a pas d'option « %1 ».").arg(nom));
    std::vector<char> tampon(std::size_t(std::max<SANE_Int>(d->size, 0)) + sizeof(SANE_Word), 0);
    void *donnee = tampon.data();
    switch (d->type) {
    case SANE_TYPE_BOOL: {
        const SANE_Bool b = valeur.toBool() ? SANE_TRUE : SANE_FALSE;
        std::memcpy(tampon.data(), &b, sizeof b);
        break;
    }
    case SANE_TYPE_INT:
    case SANE_TYPE_FIXED: {
        const double v = valeur.toDouble();
        const SANE_Word w = d->type == SANE_TYPE_FIXED ? SANE_Word(std::nearbyint(v * (1 << SANE_FIXED_SCALE_SHIFT)))
                                                       : SANE_Word(std::nearbyint(v));
        // Every element of an array option takes the value.
        const std::size_t n = std::max<std::size_t>(1, std::size_t(std::max<SANE_Int>(d->size, 0)) / sizeof(SANE_Word));
        for (std::size_t k = 0; k < n; ++k)
            std::memcpy(tampon.data() + k * sizeof w, &w, sizeof w);
        break;
    }
    case SANE_TYPE_STRING: {
        const QByteArray t = valeur.toString().toUtf8();
        if (t.size() >= d->size)
            throw ErreurAcquisition(Tr("Valeur trop longue pour l'option « %1 » (%2 caractères au plus).")
                                        .arg(nom)
                                        .arg(std::max<SANE_Int>(d->size - 1, 0)));
        std::memcpy(tampon.data(), t.constData(), std::size_t(t.size()));
        break;
    }
    case SANE_TYPE_BUTTON:
        donnee = nullptr;
        break;
    default:
        throw ErreurAcquisition(Tr("L'appareil n'a pas d'option « %1 ».").arg(nom));
    }
    SANE_Int info = 0;
    const SANE_Status s = f_->control_option(appareil_, o->numero, SANE_ACTION_SET_VALUE, donnee, &info);
    if (s != SANE_STATUS_GOOD)
        throw ErreurAcquisition(Tr("Option « %1 » : %2").arg(nom, MessageStatutSane(s, EtapeSane::Reglage)));
}

int SessionSane::Resolution()
{
    const QList<OptionSane> options = Options();
    for (const char *nom : {"resolution", "x-resolution"}) {
        const OptionSane *o = OptionNommee(options, QString::fromLatin1(nom));
        if (o && o->active && o->valeur.isValid()
            && (o->genre == OptionSane::Genre::Entier || o->genre == OptionSane::Genre::Fixe)) {
            const double v = std::nearbyint(o->valeur.toDouble());
            return v > 0 && v < 1e6 ? int(v) : 0;
        }
    }
    return 0;
}

bool SessionSane::SourceChargeur()
{
    const QList<OptionSane> options = Options();
    const OptionSane *o = OptionNommee(options, QStringLiteral("source"));
    if (!o || !o->active)
        return false;
    static const QRegularExpression chargeur(QStringLiteral("adf|feeder|chargeur|duplex"),
                                             QRegularExpression::CaseInsensitiveOption);
    return chargeur.match(o->valeur.toString()).hasMatch();
}

// A reading stopped midway (a device error, "Annuler") may find the backend's
// reader thread starting or between two writes; several backends stop it
// with an asynchronous cancellation, which, landing inside the allocator,
// leaves its lock taken for ever and the whole program frozen. The reader is
// given a moment to reach a blocking write before it is cancelled. This runs
// on the acquisition's own thread; the interface does not wait for it.
void SessionSane::AnnulerApresErreur()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    f_->cancel(appareil_);
}

namespace {

// Threads of this process, as the kernel lists them.
int NombreFils()
{
    std::error_code erreur;
    int n = 0;
    for (std::filesystem::directory_iterator i("/proc/self/task", erreur), fin; !erreur && i != fin;
         i.increment(erreur))
        ++n;
    return n;
}

// After the end of a picture a backend's reader thread is ending on its own;
// cancelled asynchronously during its exit it could leave a C library lock
// taken (the locale's, the allocator's). It is given up to 50 ms to be gone:
// the count of the process's threads comes back to what it was before
// sane_start, usually within microseconds.
void AttendreFinLecteur(int filsAvant)
{
    using namespace std::chrono;
    const auto limite = steady_clock::now() + milliseconds(50);
    while (NombreFils() > filsAvant && steady_clock::now() < limite)
        std::this_thread::sleep_for(microseconds(200));
}

} // namespace

FinAcquisition SessionSane::Acquerir(const RecevoirImage &recevoir, const std::atomic<bool> *annuler,
                                     const Progression &progression)
{
    if (!appareil_)
        throw ErreurAcquisition(Tr("Aucun appareil n'est ouvert."));
    auto annule = [annuler] { return annuler && annuler->load(); };
    const bool chargeur = SourceChargeur();
    std::vector<uchar> tampon(kTailleLecture);
    int filsAvant = 0;
    for (int numero = 1;; ++numero) {
        AssembleurTrames assembleur;
        bool debute = false;
        while (!assembleur.Complete()) {
            if (annule()) {
                AnnulerApresErreur();
                return FinAcquisition::Annulee;
            }
            filsAvant = NombreFils();
            SANE_Status s = f_->start(appareil_);
            if (s == SANE_STATUS_NO_DOCS && chargeur && numero > 1 && !debute) {
                f_->cancel(appareil_);
                return FinAcquisition::Terminee;
            }
            if (s != SANE_STATUS_GOOD)
                throw ErreurAcquisition(MessageStatutSane(s, EtapeSane::Demarrage));
            debute = true;
            // Parameters read after sane_start: before it they may be estimates.
            SANE_Parameters sp{};
            s = f_->get_parameters(appareil_, &sp);
            if (s != SANE_STATUS_GOOD)
                throw ErreurAcquisition(MessageStatutSane(s, EtapeSane::Lecture));
            const ParametresTrame p{FormatDeSane(sp.format), sp.last_frame != SANE_FALSE, sp.bytes_per_line,
                                    sp.pixels_per_line, sp.lines < 0 ? -1 : sp.lines, sp.depth};
            assembleur.Debuter(p);
            const qint64 attendus = p.lignes > 0 ? qint64(p.octetsParLigne) * p.lignes : -1;
            qint64 recus = 0;
            for (;;) {
                SANE_Int n = 0;
                s = f_->read(appareil_, tampon.data(), kTailleLecture, &n);
                if (annule()) {
                    AnnulerApresErreur();
                    return FinAcquisition::Annulee;
                }
                if (s == SANE_STATUS_EOF)
                    break;
                if (s != SANE_STATUS_GOOD) {
                    AnnulerApresErreur();
                    throw ErreurAcquisition(MessageStatutSane(s, EtapeSane::Lecture));
                }
                n = std::clamp<SANE_Int>(n, 0, kTailleLecture);
                assembleur.Ajouter(tampon.data(), n);
                recus += n;
                if (progression)
                    progression(numero, recus, attendus);
            }
            assembleur.Terminer();
        }
        recevoir(assembleur.Image());
        if (!chargeur) {
            AttendreFinLecteur(filsAvant);
            f_->cancel(appareil_);
            return FinAcquisition::Terminee;
        }
    }
}
