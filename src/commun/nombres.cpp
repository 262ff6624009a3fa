#include "commun/nombres.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

QChar g_sepDecimal = QLatin1Char('.');

// Digits in a fixed buffer: a double has at most 17 significant digits, and
// rounding adds at most one, so that formatting allocates nothing for them.
struct Chiffres {
    char c[24];
    int n = 0;
    [[nodiscard]] int size() const { return n; }
    [[nodiscard]] bool empty() const { return n == 0; }
    char &operator[](int i) { return c[i]; }
    char operator[](int i) const { return c[i]; }
    void push_back(char x)
    {
        if (n < static_cast<int>(sizeof c))
            c[n++] = x;
    }
};

// Shortest decimal digits of |v| and its exponent: |v| = 0.d1d2d3... * 10^(exp+1).
struct Decimal {
    Chiffres chiffres;
    int exposant = 0;
};

Decimal DecimalCourt(double v)
{
    char tampon[64];
    const auto res = std::to_chars(tampon, tampon + sizeof tampon, std::fabs(v), std::chars_format::scientific);
    Decimal d;
    const char *p = tampon;
    for (; p < res.ptr && *p != 'e'; ++p)
        if (*p != '.')
            d.chiffres.push_back(*p);
    if (p < res.ptr)
        std::from_chars(*(p + 1) == '+' ? p + 2 : p + 1, res.ptr, d.exposant);
    return d;
}

// Keeps P significant digits, halves away from zero; may carry into a new digit.
void ArrondirChiffres(Decimal &d, int P)
{
    if (d.chiffres.size() <= P)
        return;
    const bool monter = d.chiffres[P] >= '5';
    d.chiffres.n = P;
    if (!monter)
        return;
    int i = P - 1;
    while (i >= 0 && d.chiffres[i] == '9') {
        d.chiffres[i] = '0';
        --i;
    }
    if (i >= 0) {
        ++d.chiffres[i];
    } else {
        // 99..9 carried into 100..0: the same count of digits, one more power.
        d.chiffres[0] = '1';
        for (int k = 1; k < P; ++k)
            d.chiffres[k] = '0';
        ++d.exposant;
    }
}

void RetirerZerosFinaux(Chiffres &s)
{
    while (s.n > 0 && s.c[s.n - 1] == '0')
        --s.n;
}

} // namespace

std::int64_t Arrondi(double v)
{
    return static_cast<std::int64_t>(std::nearbyint(v));
}

int ArrondiBorne(double v, int mini, int maxi)
{
    if (std::isnan(v))
        return mini;
    const double r = std::nearbyint(v);
    if (r <= mini)
        return mini;
    if (r >= maxi)
        return maxi;
    return static_cast<int>(r);
}

QString FormatGeneral(double v, int P)
{
    if (P < 1)
        P = 1;
    if (std::isnan(v))
        return QStringLiteral("NAN");
    if (std::isinf(v))
        return v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (v == 0)
        return QStringLiteral("0");

    Decimal d = DecimalCourt(v);
    ArrondirChiffres(d, P);
    RetirerZerosFinaux(d.chiffres);
    if (d.chiffres.empty())
        return QStringLiteral("0");

    // The text is laid out in one buffer, then made a QString once.
    const char sep = static_cast<char>(g_sepDecimal.unicode());
    const Chiffres &c = d.chiffres;
    const int n = c.size();
    char texte[64];
    int t = 0;
    if (v < 0)
        texte[t++] = '-';

    if (d.exposant >= -4 && d.exposant < P && d.exposant < 40) {
        if (d.exposant >= 0) {
            // Integer part: the first exposant + 1 digits, zeros past the last one.
            const int entier = d.exposant + 1;
            for (int i = 0; i < entier; ++i)
                texte[t++] = i < n ? c[i] : '0';
            if (n > entier) {
                texte[t++] = sep;
                for (int i = entier; i < n; ++i)
                    texte[t++] = c[i];
            }
        } else {
            texte[t++] = '0';
            texte[t++] = sep;
            for (int i = 0; i < -d.exposant - 1; ++i)
                texte[t++] = '0';
            for (int i = 0; i < n; ++i)
                texte[t++] = c[i];
        }
        return QString::fromLatin1(texte, t);
    }

    texte[t++] = c[0];
    if (n > 1) {
        texte[t++] = sep;
        for (int i = 1; i < n; ++i)
            texte[t++] = c[i];
    }
    texte[t++] = 'E';
    const auto fin = std::to_chars(texte + t, texte + sizeof texte, d.exposant);
    return QString::fromLatin1(texte, static_cast<qsizetype>(fin.ptr - texte));
}

QChar SepDecimal()
{
    return g_sepDecimal;
}

QChar SepAutre()
{
    return g_sepDecimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
}

QChar TesterSeparateurDecimal(const QLocale &locale)
{
    bool ok = false;
    const double v = locale.toDouble(QStringLiteral("1,5"), &ok);
    g_sepDecimal = (ok && v == 1.5) ? QLatin1Char(',') : QLatin1Char('.');
    return g_sepDecimal;
}

void DefinirSepDecimal(QChar sep)
{
    g_sepDecimal = sep == QLatin1Char(',') ? QLatin1Char(',') : QLatin1Char('.');
}

QString RemplacerSepAutre(const QString &texte)
{
    QString r = texte;
    const qsizetype i = r.indexOf(SepAutre());
    if (i >= 0)
        r[i] = SepDecimal();
    return r;
}

namespace {

// Copies the accepted form into an ASCII buffer with '.' as separator, or
// returns false.
template <class Sortie>
bool NormaliserReel(const QString &texte, QChar sep, Sortie &sortie)
{
    qsizetype i = 0;
    const qsizetype n = texte.size();
    const QChar *t = texte.constData();
    while (i < n && (t[i] == QLatin1Char(' ') || t[i] == QLatin1Char('\t')))
        ++i;
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        if (t[i] == QLatin1Char('-'))
            sortie.push_back('-');
        ++i;
    }
    int chiffres = 0;
    bool separateur = false;
    for (; i < n; ++i) {
        const QChar c = t[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            sortie.push_back(static_cast<char>(c.unicode()));
            ++chiffres;
        } else if (c == sep && !separateur) {
            separateur = true;
            sortie.push_back('.');
        } else {
            break;
        }
    }
    if (chiffres == 0)
        return false;
    if (i < n && (t[i] == QLatin1Char('E') || t[i] == QLatin1Char('e'))) {
        sortie.push_back('e');
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
            sortie.push_back(static_cast<char>(t[i].unicode()));
            ++i;
        }
        int chiffresExposant = 0;
        for (; i < n && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9'); ++i) {
            sortie.push_back(static_cast<char>(t[i].unicode()));
            ++chiffresExposant;
        }
        if (chiffresExposant == 0)
            return false;
    }
    return i == n;
}

// A fixed buffer for the usual short numbers, so that reading a cell
// allocates nothing.
struct TamponCourt {
    char octets[48];
    std::size_t n = 0;
    bool deborde = false;
    void push_back(char c)
    {
        if (n < sizeof octets)
            octets[n++] = c;
        else
            deborde = true;
    }
};

} // namespace

double TexteEnReel(const QString &texte, bool *ok)
{
    double v = 0;
    bool bon = false;
    TamponCourt court;
    if (texte.size() <= static_cast<qsizetype>(sizeof court.octets)) {
        bon = NormaliserReel(texte, g_sepDecimal, court) && !court.deborde;
        if (bon) {
            const auto res = std::from_chars(court.octets, court.octets + court.n, v);
            bon = res.ec == std::errc() && res.ptr == court.octets + court.n && std::isfinite(v);
        }
    } else {
        std::string s;
        bon = NormaliserReel(texte, g_sepDecimal, s);
        if (bon) {
            const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
            bon = res.ec == std::errc() && res.ptr == s.data() + s.size() && std::isfinite(v);
        }
    }
    if (ok)
        *ok = bon;
    return bon ? v : 0.0;
}

std::int64_t TexteEnEntier(const QString &texte, bool *ok)
{
    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n && (texte[i] == QLatin1Char(' ') || texte[i] == QLatin1Char('\t')))
        ++i;
    std::string s;
    if (i < n && (texte[i] == QLatin1Char('+') || texte[i] == QLatin1Char('-'))) {
        if (texte[i] == QLatin1Char('-'))
            s.push_back('-');
        ++i;
    }
    const qsizetype debut = i;
    for (; i < n && texte[i] >= QLatin1Char('0') && texte[i] <= QLatin1Char('9'); ++i)
        s.push_back(static_cast<char>(texte[i].unicode()));
    std::int64_t v = 0;
    bool bon = i == n && i > debut;
    if (bon) {
        const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
        bon = res.ec == std::errc();
    }
    if (ok)
        *ok = bon;
    return bon ? v : 0;
}
