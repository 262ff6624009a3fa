#include "schema/noms_schema.h"

#include <QDir>
#include <QFileInfo>

#include <array>

namespace {

struct RangSchema {
    const char *motif;
    const char *schema;
    const char *compagnon;
};

constexpr std::array<RangSchema, 5> kRangs{{
    {"IF", ".Sif", ".Gif"},
    {"NG", ".sng", ".png"},
    {"PG", ".spg", ".jpg"},
    {"MP", ".smp", ".bmp"},
    {"CX", ".scx", ".pcx"},
}};

// The path split at the last dot of its file name: the part before the dot
// and the extension after it (empty, and no dot, when there is none).
struct Decoupe {
    QString base;
    QString extension;
    bool point = false;
};

Decoupe Decouper(const QString &chemin)
{
    const qsizetype barre = std::max(chemin.lastIndexOf(QLatin1Char('/')), chemin.lastIndexOf(QLatin1Char('\\')));
    const qsizetype point = chemin.lastIndexOf(QLatin1Char('.'));
    if (point <= barre)
        return {chemin, {}, false};
    return {chemin.left(point), chemin.mid(point + 1), true};
}

const RangSchema *RangDe(const QString &extension)
{
    const QString e = extension.toUpper();
    for (const RangSchema &r : kRangs)
        if (e.contains(QLatin1String(r.motif)))
            return &r;
    return nullptr;
}

} // namespace

QString NomFichierSchema(const QString &image)
{
    const Decoupe d = Decouper(image);
    if (const RangSchema *r = RangDe(d.extension))
        return d.base + QLatin1String(r->schema);
    return d.base + QStringLiteral(".s") + d.extension;
}

bool EstFichierSchema(const QString &chemin)
{
    return Decouper(chemin).extension.toUpper().contains(QLatin1Char('S'));
}

QString TrouverSansCasse(const QString &chemin)
{
    if (chemin.isEmpty())
        return {};
    const QFileInfo voulu(chemin);
    if (voulu.isFile())
        return chemin;
    const QDir dossier = voulu.dir();
    const QStringList entrees = dossier.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entree : entrees)
        if (entree.compare(voulu.fileName(), Qt::CaseInsensitive) == 0)
            return dossier.filePath(entree);
    return {};
}

QString CompagnonDeSchema(const QString &schema)
{
    const Decoupe d = Decouper(schema);
    const RangSchema *rang = RangDe(d.extension);
    const QString parTable = rang ? d.base + QLatin1String(rang->compagnon) : d.base;
    if (rang) {
        if (const QString trouve = TrouverSansCasse(parTable); !trouve.isEmpty())
            return trouve;
        // Another picture of the same name whose extension falls in that row.
        const QFileInfo info(schema);
        const QString nomBase = Decouper(info.fileName()).base;
        const QDir dossier = info.dir();
        const QStringList entrees = dossier.entryList(QDir::Files, QDir::Name);
        for (const QString &entree : entrees) {
            const Decoupe e = Decouper(entree);
            if (!e.point || e.base.compare(nomBase, Qt::CaseInsensitive) != 0 || EstFichierSchema(entree))
                continue;
            if (RangDe(e.extension) == rang)
                return dossier.filePath(entree);
        }
    }
    if (d.extension.size() > 1 && d.extension.at(0).toUpper() == QLatin1Char('S')) {
        if (const QString trouve = TrouverSansCasse(d.base + QLatin1Char('.') + d.extension.mid(1)); !trouve.isEmpty())
            return trouve;
    }
    return parTable;
}
