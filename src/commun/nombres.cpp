#include "commun/nombres.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

QChar g_sepDecimal = QLatin1Char('.');

// Shortest decimal digits of |v| and its exponent: |v| = 0.d1d2d3... * 10^(exp+1).
struct Decimal {
    std::string chiffres;
    int exposant = 0;
};

Decimal DecimalCourt(double v)
{
    char tampon[64];
    auto res = std::to_chars(tampon, tampon + sizeof tampon, std::fabs(v), std::chars_format::scientific);
    std::string s(tampon, res.ptr);
    const auto posE = s.find('e');
    Decimal d;
    for (std::size_t i = 0; i < posE; ++i)
        if (s[i] != '.')
            d.chiffres.push_back(s[i]);
    d.exposant = std::stoi(s.substr(posE + 1));
    return d;
}

// Keeps P significant digits, halves away from zero; may carry into a new digit.
void ArrondirChiffres(Decimal &d, int P)
{
    if (static_cast<int>(d.chiffres.size()) <= P)
        return;
    const bool monter = d.chiffres[P] >= '5';
    d.chiffres.resize(P);
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
        d.chiffres.insert(d.chiffres.begin(), '1');
        d.chiffres.pop_back();
        ++d.exposant;
    }
}

void RetirerZerosFinaux(std::string &s)
{
    while (!s.empty() && s.back() == '0')
        s.pop_back();
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

    const QChar sep = g_sepDecimal;
    QString texte;
    if (v < 0)
        texte += QLatin1Char('-');

    if (d.exposant >= -4 && d.exposant < P) {
        std::string entier;
        std::string fraction;
        if (d.exposant >= 0) {
            const std::size_t n = static_cast<std::size_t>(d.exposant) + 1;
            entier = d.chiffres.substr(0, std::min(n, d.chiffres.size()));
            entier.resize(n, '0');
            if (d.chiffres.size() > n)
                fraction = d.chiffres.substr(n);
        } else {
            entier = "0";
            fraction = std::string(static_cast<std::size_t>(-d.exposant - 1), '0') + d.chiffres;
        }
        RetirerZerosFinaux(fraction);
        texte += QString::fromLatin1(entier.c_str());
        if (!fraction.empty())
            texte += sep + QString::fromLatin1(fraction.c_str());
        return texte;
    }

    texte += QLatin1Char(d.chiffres[0]);
    if (d.chiffres.size() > 1)
        texte += sep + QString::fromLatin1(d.chiffres.c_str() + 1);
    texte += QLatin1Char('E');
    texte += QString::number(d.exposant);
    return texte;
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

// Copies the accepted form into an ASCII string with '.' as separator, or
// returns false.
bool NormaliserReel(const QString &texte, QChar sep, std::string &sortie)
{
    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n && (texte[i] == QLatin1Char(' ') || texte[i] == QLatin1Char('\t')))
        ++i;
    if (i < n && (texte[i] == QLatin1Char('+') || texte[i] == QLatin1Char('-'))) {
        if (texte[i] == QLatin1Char('-'))
            sortie.push_back('-');
        ++i;
    }
    int chiffres = 0;
    bool separateur = false;
    for (; i < n; ++i) {
        const QChar c = texte[i];
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
    if (i < n && (texte[i] == QLatin1Char('E') || texte[i] == QLatin1Char('e'))) {
        sortie.push_back('e');
        ++i;
        if (i < n && (texte[i] == QLatin1Char('+') || texte[i] == QLatin1Char('-'))) {
            sortie.push_back(static_cast<char>(texte[i].unicode()));
            ++i;
        }
        int chiffresExposant = 0;
        for (; i < n && texte[i] >= QLatin1Char('0') && texte[i] <= QLatin1Char('9'); ++i) {
            sortie.push_back(static_cast<char>(texte[i].unicode()));
            ++chiffresExposant;
        }
        if (chiffresExposant == 0)
            return false;
    }
    return i == n;
}

} // namespace

double TexteEnReel(const QString &texte, bool *ok)
{
    std::string s;
    double v = 0;
    bool bon = NormaliserReel(texte, g_sepDecimal, s);
    if (bon) {
        const auto res = std::from_chars(s.data(), s.data() + s.size(), v);
        bon = res.ec == std::errc() && res.ptr == s.data() + s.size() && std::isfinite(v);
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
