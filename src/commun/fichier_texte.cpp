#include "commun/fichier_texte.h"

#include <QFile>
#include <QSaveFile>

#include <array>

namespace {

// Characters of Windows-1252 bytes 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char16_t, 32> kPlage80 = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

char OctetWindows1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kPlage80.size(); ++i)
        if (kPlage80[i] == c && c != 0)
            return static_cast<char>(0x80 + i);
    return '?';
}

bool EstUtf8MultiOctet(const QByteArray &octets)
{
    bool multi = false;
    const auto *p = reinterpret_cast<const unsigned char *>(octets.constData());
    const qsizetype n = octets.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        int suite = 0;
        char32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            suite = 1;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            suite = 2;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            suite = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        for (int k = 1; k <= suite; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i + k] & 0x3F);
        }
        const char32_t minimum = suite == 1 ? 0x80 : suite == 2 ? 0x800 : 0x10000;
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        multi = true;
        i += suite + 1;
    }
    return multi;
}

} // namespace

QByteArray EncoderWindows1252(const QString &texte)
{
    QByteArray r;
    r.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (c.isHighSurrogate() && i + 1 < texte.size() && texte[i + 1].isLowSurrogate()) {
            r.push_back('?');
            ++i;
            continue;
        }
        r.push_back(OctetWindows1252(c.unicode()));
    }
    return r;
}

QString DecoderTexte(const QByteArray &octets)
{
    if (EstUtf8MultiOctet(octets))
        return QString::fromUtf8(octets);
    QString r;
    r.reserve(octets.size());
    for (const char o : octets) {
        const auto b = static_cast<unsigned char>(o);
        if (b >= 0x80 && b < 0xA0 && kPlage80[b - 0x80] != 0)
            r.push_back(QChar(kPlage80[b - 0x80]));
        else
            r.push_back(QChar(static_cast<char16_t>(b)));
    }
    return r;
}

QStringList DecouperLignes(const QString &texte)
{
    QStringList lignes;
    QString courante;
    bool enCours = false;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lignes.push_back(courante);
            courante.clear();
            enCours = false;
            if (c == QLatin1Char('\r') && i + 1 < texte.size() && texte[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            courante.push_back(c);
            enCours = true;
        }
    }
    if (enCours)
        lignes.push_back(courante);
    return lignes;
}

std::optional<QStringList> LireFichierTexte(const QString &chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return DecouperLignes(DecoderTexte(f.readAll()));
}

bool EcrireFichierSur(const QString &chemin, const QByteArray &octets)
{
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    // flush() writes what the buffer still holds: a full disk is seen here,
    // before commit() renames a cut file over the former one.
    if (f.write(octets) != octets.size() || !f.flush()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool EcrireFichierTexte(const QString &chemin, const QStringList &lignes)
{
    QByteArray octets;
    for (const QString &l : lignes) {
        octets += EncoderWindows1252(l);
        octets += "\r\n";
    }
    return EcrireFichierSur(chemin, octets);
}
