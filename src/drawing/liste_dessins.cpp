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
