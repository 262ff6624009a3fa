// Build-time tool: renders the program's SVG icon as PNG files at the sizes
// of the icon theme, one folder per size ("48x48/kaptori.png"...).

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fputs("Usage : generer_icones ICONE.svg DOSSIER TAILLE...\n", stderr);
        return 1;
    }
    QSvgRenderer dessin(QString::fromLocal8Bit(argv[1]));
    if (!dessin.isValid()) {
        std::fprintf(stderr, "Icône illisible : %s\n", argv[1]);
        return 1;
    }
    const QDir sortie(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int cote = QByteArray(argv[i]).toInt();
        if (cote <= 0 || cote > 1024) {
            std::fprintf(stderr, "Taille refusée : %s\n", argv[i]);
            return 1;
        }
        QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        dessin.render(&p);
        p.end();
        const QString dossier = QStringLiteral("%1x%1").arg(cote);
        if (!sortie.mkpath(dossier) || !image.save(sortie.filePath(dossier + QStringLiteral("/kaptori.png")))) {
            std::fprintf(stderr, "Impossible d'écrire l'icône de %d pixels\n", cote);
            return 1;
        }
    }
    return 0;
}
