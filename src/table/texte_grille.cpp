#include "table/texte_grille.h"

#include "commun/nombres.h"

#include <QLocale>

#include <optional>

#include <algorithm>

QStringList LignesTexteGrille(const QString &titre, const std::vector<QStringList> &lignes, int debut, int fin)
{
    QStringList texte;
    texte << titre;
    const int n = static_cast<int>(lignes.size());
    if (debut < 0) {
        for (const QStringList &l : lignes)
            texte << l.join(QLatin1Char('\t'));
        return texte;
    }
    for (int r = 0; r < std::min(2, n); ++r)
        texte << lignes[static_cast<std::size_t>(r)].join(QLatin1Char('\t'));
    for (int r = std::max(debut, 0); r <= std::min(fin, n - 1); ++r)
        texte << lignes[static_cast<std::size_t>(r)].join(QLatin1Char('\t'));
    return texte;
}

QString JoindreLignesCrLf(const QStringList &lignes)
{
    QString texte;
    for (const QString &l : lignes) {
        texte += l;
        texte += QLatin1String("\r\n");
    }
    return texte;
}

namespace {

// The value of a cell written with either separator, or nothing.
std::optional<double> ValeurCellule(const QString &texte)
{
    QString t = texte.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.count(QLatin1Char('.')) > 1)
        return std::nullopt;
    bool ok = false;
    const QChar sep = SepDecimal();
    if (sep != QLatin1Char('.'))
        t.replace(QLatin1Char('.'), sep);
    const double v = TexteEnReel(t, &ok);
    if (!ok)
        return std::nullopt;
    return v;
}

} // namespace

QString HtmlGrille(const QString &titre, const std::vector<QStringList> &lignes)
{
    QString html = QStringLiteral(
        "<html xmlns:x=\"urn:schemas-microsoft-com:office:excel\"><head><meta charset=\"utf-8\"></head><body>\n"
        "<table>\n");
    html += QStringLiteral("<caption>") + titre.toHtmlEscaped() + QStringLiteral("</caption>\n");
    for (const QStringList &l : lignes) {
        html += QStringLiteral("<tr>");
        for (const QString &cellule : l) {
            const auto v = ValeurCellule(cellule);
            if (v) {
                const QString valeur = QString::number(*v, 'g', 17);
                html += QStringLiteral("<td x:num=\"%1\" sdval=\"%1\">").arg(valeur);
            } else {
                html += QStringLiteral("<td>");
            }
            html += cellule.toHtmlEscaped() + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n</body></html>\n");
    return html;
}
