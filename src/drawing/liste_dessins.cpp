#include "drawing/liste_dessins.h"

void TListeDessins::AjouterElement(const QString &nom, std::unique_ptr<TDessin> dessin)
{
    if (!dessin)
        return;
    elements_.push_back({nom, std::move(dessin)});
}

TDessin *TListeDessins::ElementNumero(int i) const
{
    if (i < 0 || i >= Nombre())
        return nullptr;
    return elements_[static_cast<std::size_t>(i)].dessin.get();
}

QString TListeDessins::NomNumero(int i) const
{
    if (i < 0 || i >= Nombre())
        return {};
    return elements_[static_cast<std::size_t>(i)].nom;
}

bool TListeDessins::Retirer(int i)
{
    if (i < 0 || i >= Nombre())
        return false;
    elements_.erase(elements_.begin() + i);
    return true;
}

TListeDessins::TListeDessins(const TListeDessins &autre)
{
    elements_.reserve(autre.elements_.size());
    for (const ElementDessin &e : autre.elements_)
        elements_.push_back({e.nom, std::make_unique<TDessin>(*e.dessin)});
}

TListeDessins &TListeDessins::operator=(const TListeDessins &autre)
{
    if (this != &autre)
        *this = TListeDessins(autre);
    return *this;
}
