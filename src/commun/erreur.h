#pragma once
// Errors of the core: readers, writers and operations throw them with the
// French message the user will see; the frame shows it in an error box and
// the command-line program prints it on standard error.

#include <QString>

#include <stdexcept>

class ErreurKaptori : public std::runtime_error {
public:
    explicit ErreurKaptori(const QString &message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    [[nodiscard]] const QString &message() const noexcept { return message_; }

private:
    QString message_;
};

// A file that cannot be opened, read or written.
class ErreurFichier : public ErreurKaptori {
public:
    using ErreurKaptori::ErreurKaptori;
};

// A file whose content is not what its format says.
class ErreurDecodage : public ErreurKaptori {
public:
    using ErreurKaptori::ErreurKaptori;
};
