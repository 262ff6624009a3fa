#pragma once
// "Composer une image" (TCombilog): image 2 laid over image 1 with one of the
// fifteen logical methods; the framed text under the list describes the
// chosen method. The dialog keeps its method from one use to the next.

#include "processing/combinaison_logique.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;

class TCombilog : public QDialog {
    Q_OBJECT
public:
    explicit TCombilog(QWidget *parent = nullptr);

    // Both lists get the captions; image 1 the first, image 2 the second.
    void Preparer(const QStringList &titres);

    [[nodiscard]] MethodeLogique Methode() const;

    QComboBox *image1 = nullptr;
    QComboBox *image2 = nullptr;
    QCheckBox *transparente = nullptr;
    QComboBox *modecopie = nullptr;
    QLabel *description = nullptr;
};
