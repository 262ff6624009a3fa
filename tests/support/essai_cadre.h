#pragma once
// Tests of the running frame. Each test runs in a fresh current folder, which
// is where the frame reads its start-up files, and records the message boxes
// instead of showing them, each answered with `reponse_`. At the end the
// frame the test made is destroyed, then the real boxes and the former
// folder come back.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"

#include <QDir>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class EssaiCadre : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier_.isValid());
        ancien_ = QDir::currentPath();
        QDir::setCurrent(dossier_.path());
        DefinirIntercepteurMessages([this](TypeMessage type, const QString &texte, BoutonsMessage) {
            Noter(type, texte);
            return reponse_;
        });
    }
    void TearDown() override
    {
        cadre_.reset();
        DefinirIntercepteurMessages({});
        QDir::setCurrent(ancien_);
    }

    // A box shown: its text is kept in messages_.
    virtual void Noter(TypeMessage, const QString &texte) { messages_.append(texte); }

    [[nodiscard]] QString Chemin(const QString &nom) const { return dossier_.filePath(nom); }

    // A new frame of that size, shown unless `montrer` is false.
    void CreerCadre(int largeur, int hauteur, bool montrer = true)
    {
        cadre_ = std::make_unique<TMainForm>();
        cadre_->resize(largeur, hauteur);
        if (montrer)
            cadre_->show();
    }

    QTemporaryDir dossier_;
    QString ancien_;
    std::unique_ptr<TMainForm> cadre_;
    QStringList messages_;
    QMessageBox::StandardButton reponse_ = QMessageBox::Ok;
};
