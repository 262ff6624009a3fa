#pragma once
// The pointer handling of the drawing tools over a document, in image
// pixels: press, drag and release make provisional drawings on the
// provisional layer and, at release, drawn elements. Tools 0 pencil, 1 line,
// 2 shape, 3 eraser, 6 paint bucket, 7 pipette and 8 selection are handled
// here; the text (4), measuring (5) and counting (9) tools plug their own
// handlers in with EnregistrerGestionnaireOutil.

#include "document/image_document.h"
#include "drawing/reglages_dessin.h"

#include <QPoint>
#include <QRect>

#include <functional>

// What the view must do after a pointer event.
struct ResultatPointeur {
    QRect zoneModifiee;            // image rectangle to repaint (empty: nothing)
    bool couleursChangees = false; // pen or background colour changed (pipette)
    bool annulerDisponible = false;// a gesture ended: "Annuler" is enabled
};

// Handlers of a tool that is not a drawing tool. Each may be empty.
struct GestionnaireOutil {
    std::function<void(ImageDocument &, QPoint, Qt::MouseButton)> appui;
    std::function<void(ImageDocument &, QPoint, Qt::MouseButtons)> deplacement;
    std::function<void(ImageDocument &, QPoint, Qt::MouseButton)> relachement;
    // True when the press must keep the provisional layer as it is (the
    // measuring tool while an angle waits for its second line).
    std::function<bool(const ImageDocument &)> garderProvisoire;
    // True when the tool draws on no layer (counting marks live in lists of
    // their own): its press leaves the layers as they are, repaints nothing
    // by itself, and the handler repaints what it changed.
    bool sansCouches = false;
};
void EnregistrerGestionnaireOutil(int outil, GestionnaireOutil gestionnaire);

// Checked before anything else at a press, in the order registered: one that
// returns true has taken the press (a text being placed, a counting mark
// clicked) and nothing else happens.
using InterceptionAppui = std::function<bool(ImageDocument &, QPoint, Qt::MouseButton)>;
void EnregistrerInterceptionAppui(InterceptionAppui interception);

ResultatPointeur AppuiPointeur(ImageDocument &doc, ReglagesDessin &reglages, QPoint p, Qt::MouseButton bouton);
ResultatPointeur DeplacementPointeur(ImageDocument &doc, ReglagesDessin &reglages, QPoint p,
                                     Qt::MouseButtons boutons);
ResultatPointeur RelachementPointeur(ImageDocument &doc, ReglagesDessin &reglages, QPoint p,
                                     Qt::MouseButton bouton);

// The paint-bucket conditions for the fill settings (colour bounds ±15,
// clamped to 0..255) and the colour of the fill, before the opacity.
struct ConditionsPot {
    TTableaudeTableaudeCondicoul conditions;
    QRgb couleur = 0;
};
[[nodiscard]] ConditionsPot ConditionsPotDePeinture(const ReglagesDessin &reglages);

// A point brought into the image and the 16-bit fields of an element.
[[nodiscard]] QPoint BornerDansImage(QPoint p, QSize taille);
