#pragma once
// "Pixellisation" (TPixel): a window that stays on top and shows the picture
// it was opened on in blocks of one colour, as coarse as the scroll bar
// "résolution :" asks (step n gives blocks of about 2^n pixels). It keeps
// its own copy of the picture: the document is never changed. "&Copier" puts
// the shown picture on the clipboard, "&Fermer" hides the window.

#include <QImage>
#include <QWidget>

class QLabel;
class QScrollBar;

class TPixel : public QWidget {
    Q_OBJECT
public:
    explicit TPixel(QWidget *parent = nullptr);

    // Takes a copy of the picture, puts the bar back to 0 and shows the window.
    void Ouvrir(const QImage &image);

    // The picture shown (the pixelised copy).
    [[nodiscard]] const QImage &ImageAffichee() const { return affichee_; }

    QScrollBar *resolution = nullptr;
    QLabel *larg = nullptr;
    QLabel *haut = nullptr;
    QLabel *patienter = nullptr;
    QWidget *vue = nullptr;

signals:
    // The shown picture went to the clipboard ("Coller" may be enabled).
    void CopieFaite();

private:
    void Calculer(int n);

    QImage PixelSource;
    QImage affichee_;
};
