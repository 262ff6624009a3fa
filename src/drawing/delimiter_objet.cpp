#include "drawing/delimiter_objet.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

// Moves of the growth: 1 left, 2 up, 3 right, 4 down.
constexpr int DxMouvement[5] = {0, -1, 0, 1, 0};
constexpr int DyMouvement[5] = {0, 0, -1, 0, 1};
constexpr std::uint8_t CoteMouvement[5] = {0, Visite::CoteGauche, Visite::CoteHaut, Visite::CoteDroit,
                                           Visite::CoteBas};

// Neighbours examined by a frontier point according to how it was reached:
// never the side it came from.
constexpr std::array<std::array<int, 4>, 6> OrdreVoisins = {{
    {0, 0, 0, 0},
    {4, 1, 2, 0}, // reached moving left: lower, left, upper
    {1, 2, 3, 0}, // moving up: left, upper, right
    {2, 3, 4, 0}, // moving right: upper, right, lower
    {3, 4, 1, 0}, // moving down: right, lower, left
    {1, 2, 3, 4}, // the seed: all four
}};

// Neighbours of the contour tracing, numbered clockwise from the upper left.
constexpr int DxVoisin[8] = {-1, 0, 1, 1, 1, 0, -1, -1};
constexpr int DyVoisin[8] = {-1, -1, -1, 0, 1, 1, 1, 0};

// Side bits shifted down to 1 left, 2 up, 4 right, 8 down.
constexpr int G = 1, H = 2, D = 4, B = 8;

bool Exclu(int numero, int cotes)
{
    switch (numero) {
    case 0:
        return (cotes & (G | H)) == (G | H);
    case 1:
        return (cotes & H) != 0;
    case 2:
        return (cotes & (H | D)) == (H | D);
    case 3:
        return (cotes & D) != 0;
    case 4:
        return (cotes & (D | B)) == (D | B);
    case 5:
        return (cotes & B) != 0;
    case 6:
        return (cotes & (B | G)) == (B | G);
    default:
        return (cotes & G) != 0;
    }
}

// Direction class of the point reached through a neighbour number.
constexpr int ClasseVoisin[8] = {8, 1, 1, 2, 2, 4, 4, 8};

int PremierEssai(int classe)
{
    switch (classe) {
    case 1:
        return 0;
    case 2:
        return 2;
    case 4:
        return 4;
    default:
        return 6;
    }
}

struct Pas {
    int x = 0;
    int y = 0;
    int classe = 0;
};

class Traceur {
public:
    Traceur(const std::vector<std::uint8_t> &visite, int largeur, int hauteur)
        : visite_(visite), largeur_(largeur), hauteur_(hauteur)
    {
    }

    [[nodiscard]] int Cotes(int x, int y) const
    {
        return visite_[static_cast<std::size_t>(y) * static_cast<std::size_t>(largeur_) + static_cast<std::size_t>(x)]
               >> 3;
    }

    // The next contour point from (x, y) reached with the given class, or
    // false when no neighbour qualifies.
    bool Suivant(int x, int y, int classe, Pas &suivant) const
    {
        const int cotes = Cotes(x, y);
        const int premier = PremierEssai(classe);
        for (int t = premier; t <= premier + 12; ++t) {
            const int numero = t % 8;
            if (Exclu(numero, cotes))
                continue;
            const int dx = DxVoisin[numero], dy = DyVoisin[numero];
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= largeur_ || ny >= hauteur_)
                continue;
            const int cn = Cotes(nx, ny);
            bool accepte;
            if (dx == 1 && dy >= 0)
                accepte = (cn & H) != 0;
            else if (dx == -1 && dy <= 0)
                accepte = (cn & B) != 0;
            else if (dx >= 0 && dy == -1)
                accepte = (cn & G) != 0;
            else
                accepte = (cn & D) != 0;
            if (accepte) {
                suivant = {nx, ny, ClasseVoisin[numero]};
                return true;
            }
        }
        return false;
    }

private:
    const std::vector<std::uint8_t> &visite_;
    int largeur_;
    int hauteur_;
};

} // namespace

QString MessageTropComplique()
{
    return QCoreApplication::translate("DelimiterObjet", "C'est trop compliqué ! J'abandonne");
}

QString MessageContourPerdu()
{
    return QCoreApplication::translate("DelimiterObjet", "Perte du contour");
}

ObjetDelimite DelimiterObjet(int x, int y, const TesteurConditions &testeur, QRgb couleur, const QImage &teste,
                             QImage &ecrit, std::vector<std::uint8_t> &visite)
{
    ObjetDelimite objet;
    const int largeur = teste.width(), hauteur = teste.height();
    if (x < 0 || y < 0 || x >= largeur || y >= hauteur || ecrit.size() != teste.size()
        || visite.size() != static_cast<std::size_t>(largeur) * static_cast<std::size_t>(hauteur))
        return objet;
    if (ecrit.format() != QImage::Format_ARGB32)
        ecrit = ecrit.convertToFormat(QImage::Format_ARGB32);
    QImage converti;
    const QImage *source = &teste;
    if (teste.format() != QImage::Format_ARGB32 && teste.format() != QImage::Format_RGB32) {
        converti = teste.convertToFormat(QImage::Format_ARGB32);
        source = &converti;
    }
    const auto *debutTeste = source->constBits();
    const auto pasTeste = source->bytesPerLine();
    auto *debutEcrit = ecrit.bits();
    const auto pasEcrit = ecrit.bytesPerLine();
    auto pixelTeste = [&](int px, int py) {
        return reinterpret_cast<const QRgb *>(debutTeste + static_cast<std::ptrdiff_t>(py) * pasTeste)[px];
    };
    auto ecrire = [&](int px, int py) {
        reinterpret_cast<QRgb *>(debutEcrit + static_cast<std::ptrdiff_t>(py) * pasEcrit)[px] = couleur;
    };
    auto indice = [&](int px, int py) {
        return static_cast<std::size_t>(py) * static_cast<std::size_t>(largeur) + static_cast<std::size_t>(px);
    };
    if (visite[indice(x, y)] != Visite::Inconnu || !testeur.Tester(pixelTeste(x, y), x, y))
        return objet;

    int minX = largeur, minY = hauteur, maxX = 0, maxY = 0;
    auto agrandirBoite = [&](int px, int py) {
        minX = std::min(minX, px);
        maxX = std::max(maxX, px);
        minY = std::min(minY, py);
        maxY = std::max(maxY, py);
    };

    visite[indice(x, y)] = Visite::Germe;
    ecrire(x, y);
    int compte = 1;
    std::vector<QPoint> front{QPoint(x, y)};
    std::vector<QPoint> suivant;
    bool nouveaux = true;
    while (nouveaux && front.size() < static_cast<std::size_t>(LimiteFrontObjet)) {
        nouveaux = false;
        suivant.clear();
        for (const QPoint &p : front) {
            std::uint8_t &valeur = visite[indice(p.x(), p.y())];
            if ((valeur & Visite::Cotes) != 0) {
                suivant.push_back(p);
                continue;
            }
            bool bord = false;
            for (const int mouvement : OrdreVoisins[valeur & 7]) {
                if (mouvement == 0)
                    break;
                const int nx = p.x() + DxMouvement[mouvement], ny = p.y() + DyMouvement[mouvement];
                bool dehors = nx < 0 || ny < 0 || nx >= largeur || ny >= hauteur;
                if (!dehors) {
                    std::uint8_t &voisin = visite[indice(nx, ny)];
                    if (voisin == Visite::Echoue) {
                        dehors = true;
                    } else if (!testeur.Tester(pixelTeste(nx, ny), nx, ny)) {
                        voisin = Visite::Echoue;
                        dehors = true;
                    } else if (voisin == Visite::Inconnu) {
                        voisin = static_cast<std::uint8_t>(mouvement);
                        ecrire(nx, ny);
                        ++compte;
                        suivant.emplace_back(nx, ny);
                        agrandirBoite(nx, ny);
                        nouveaux = true;
                    }
                }
                if (dehors) {
                    valeur |= CoteMouvement[mouvement];
                    if (!bord) {
                        bord = true;
                        suivant.push_back(p);
                        agrandirBoite(p.x(), p.y());
                    }
                }
            }
        }
        front.swap(suivant);
    }
    if (minX <= maxX)
        objet.boite = QRect(QPoint(minX, minY), QPoint(maxX, maxY));
    if (front.size() >= static_cast<std::size_t>(LimiteFrontObjet)) {
        objet.abandonne = true;
        objet.messages.push_back(MessageTropComplique());
        return objet;
    }

    objet.pixels = compte;
    objet.largeur = maxX - minX + 1;
    objet.hauteur = maxY - minY + 1;

    // The start point: the first border point of the leftmost column.
    QPoint depart = front.front();
    for (const QPoint &p : front)
        if (p.x() == minX) {
            depart = p;
            break;
        }
    const Traceur traceur(visite, largeur, hauteur);
    objet.contour.push_back(depart);
    Pas pas;
    if (!traceur.Suivant(depart.x(), depart.y(), 1, pas)) {
        objet.contour.push_back(depart);
        return objet;
    }
    const QPoint second(pas.x, pas.y);
    objet.contour.push_back(second);
    // The tracing closes when, back at S, its next step is the second point
    // again: an outline pinched at S passes S more than once.
    for (;;) {
        Pas prochain;
        if (!traceur.Suivant(pas.x, pas.y, pas.classe, prochain)) {
            objet.contourPerdu = true;
            objet.messages.push_back(MessageContourPerdu());
            break;
        }
        if (QPoint(pas.x, pas.y) == depart && QPoint(prochain.x, prochain.y) == second)
            break;
        if (objet.contour.size() >= static_cast<std::size_t>(LimitePointsContour)) {
            objet.contourCoupe = true;
            break;
        }
        objet.contour.emplace_back(prochain.x, prochain.y);
        pas = prochain;
    }
    return objet;
}
