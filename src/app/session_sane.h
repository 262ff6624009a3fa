#pragma once
// A session with the scanners and cameras of the machine through SANE. The
// library (libsane.so.1) is opened at run time, so that the program starts
// and works without it; a session initialises it, lists the devices, opens
// one, reads and sets its options and acquires its pictures, then unloads it
// (sane_cancel, sane_close, sane_exit) when it ends, errors included.
//
// Every call of a session must come from one thread at a time; reading
// blocks, so the frame runs sessions on a thread of its own. Acquerir checks
// a cancellation flag between reads, so that another thread can stop it.

#include "app/option_sane.h"

#include <QImage>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

struct AppareilSane {
    QString nom;       // what sane_open takes: "test:0", "v4l:/dev/video0"…
    QString fabricant; // vendor
    QString modele;
    QString type;      // "flatbed scanner", "virtual device"…
};

enum class FinAcquisition { Terminee, Annulee };

inline constexpr const char *kBibliothequeSane = "libsane.so.1";

class SessionSane {
public:
    // Opens the library and calls sane_init. Throws ErreurAcquisition with
    // MessageBibliothequeAbsente() when the library cannot be opened.
    explicit SessionSane(const QString &bibliotheque = QString::fromLatin1(kBibliothequeSane));
    ~SessionSane();
    SessionSane(const SessionSane &) = delete;
    SessionSane &operator=(const SessionSane &) = delete;

    // The devices SANE finds (network backends may take seconds).
    [[nodiscard]] QList<AppareilSane> Appareils();

    // sane_open. Throws ErreurAcquisition.
    void Ouvrir(const QString &nom);
    [[nodiscard]] bool Ouverte() const;

    // The open device's options, read afresh (a setting may change others).
    [[nodiscard]] QList<OptionSane> Options();
    // Sets an option by name from a user's text (ValeurDeTexte checks it) or
    // from a value already checked. A button is pressed whatever the value.
    // Throws ErreurAcquisition for an unknown, inactive or read-only option
    // and when the device refuses the value.
    void Regler(const QString &nom, const QString &texte);
    void Regler(const QString &nom, const QVariant &valeur);

    // The horizontal resolution of the pictures in dots per inch: the option
    // "resolution", else "x-resolution", rounded; 0 when the device has none.
    [[nodiscard]] int Resolution();
    // True when the chosen source is a document feeder: acquisition then
    // goes on until the feeder is empty.
    [[nodiscard]] bool SourceChargeur();

    using RecevoirImage = std::function<void(QImage image)>;
    // numero counts pictures from 1; attendus is -1 while the height is unknown.
    using Progression = std::function<void(int numero, qint64 recus, qint64 attendus)>;
    // Acquires one picture, or every page of a feeder, handing each finished
    // picture to recevoir. A set flag cancels the picture being read (it is
    // dropped) and returns Annulee. Throws ErreurAcquisition for a device
    // error or a picture refused; the pictures handed over before stay.
    FinAcquisition Acquerir(const RecevoirImage &recevoir, const std::atomic<bool> *annuler = nullptr,
                            const Progression &progression = {});

    // sane_cancel and sane_close of the open device, then sane_exit. Called by
    // the destructor; the session can no longer be used.
    void Decharger();

private:
    struct Fonctions;
    std::unique_ptr<Fonctions> f_;
    void *appareil_ = nullptr; // SANE_Handle

    void AnnulerApresErreur();
    bool initialisee_ = false;
};
