#include "calibration/ui/champs_code_couleur.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace champs_code_couleur {

QColor EnQColor(CouleurWin c)
{
    return QColor(RougeWin(c), VertWin(c), BleuWin(c));
}

CouleurWin DeQColor(const QColor &c)
{
    return CouleurRvb(c.red(), c.green(), c.blue());
}

QLineEdit *EditTexte(QWidget *parent, int longueurMax)
{
    auto *e = new QLineEdit(parent);
    e->setMaxLength(longueurMax);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^;>]*")), e));
    return e;
}

QLineEdit *EditNombre(QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setMaxLength(24);
    e->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-+]?[0-9]*[.,]?[0-9]*([eE][-+]?[0-9]*)?")), e));
    return e;
}

QLabel *Note(const QStringList &lignes, QWidget *parent)
{
    auto *l = new QLabel(lignes.join(QLatin1Char('\n')), parent);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

} // namespace champs_code_couleur
