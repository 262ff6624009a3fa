#pragma once
// TChoix_images: "Choix de l'image", the list of the open documents from
// which the schema window takes its document image. Each entry keeps the
// window it names, so a window closed or moved since is never mistaken for
// another.

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>

class QComboBox;

// An entry's text: the 1-based number and a space, one more space before
// the numbers 1 to 9, then the file-name part of the caption.
[[nodiscard]] QString EntreeChoixImage(int numero, const QString &titre);

class TChoix_images : public QDialog {
    Q_OBJECT
public:
    explicit TChoix_images(QWidget *parent = nullptr);

    void Remplir(const QList<QPair<QString, QPointer<QObject>>> &fenetres);
    // The window of the chosen entry (null when it has closed since), and
    // whether an entry is chosen at all.
    [[nodiscard]] bool avecChoix() const;
    [[nodiscard]] QObject *fenetreChoisie() const;

    QComboBox *Liste_images = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QList<QPointer<QObject>> fenetres_;
};
