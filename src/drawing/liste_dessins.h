#pragma once
// The ordered list of a document's drawn elements, each with its name, the
// oldest first: the order in which the drawing layer is rebuilt.

#include "drawing/dessin.h"

#include <QString>

#include <memory>
#include <vector>

struct ElementDessin {
    QString nom;
    std::unique_ptr<TDessin> dessin;
};

class TListeDessins {
public:
    TListeDessins() = default;
    // Copies hold copies of the elements.
    TListeDessins(const TListeDessins &autre);
    TListeDessins &operator=(const TListeDessins &autre);
    TListeDessins(TListeDessins &&) noexcept = default;
    TListeDessins &operator=(TListeDessins &&) noexcept = default;

    // Appends the pair; an absent element is ignored.
    void AjouterElement(const QString &nom, std::unique_ptr<TDessin> dessin);

    // The element at index i, or nullptr when i is outside the list.
    [[nodiscard]] TDessin *ElementNumero(int i) const;
    [[nodiscard]] QString NomNumero(int i) const;

    // Destroys and removes the element at index i; false when i is outside.
    bool Retirer(int i);
    void Vider() { elements_.clear(); }

    [[nodiscard]] int Nombre() const { return static_cast<int>(elements_.size()); }
    [[nodiscard]] bool EstVide() const { return elements_.empty(); }
    [[nodiscard]] const std::vector<ElementDessin> &Elements() const { return elements_; }

private:
    std::vector<ElementDessin> elements_;
};
