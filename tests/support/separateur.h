#pragma once
// Runs a test under a chosen decimal separator and restores the previous one.

#include "commun/nombres.h"

class SeparateurTemporaire {
public:
    explicit SeparateurTemporaire(QChar sep) : ancien_(SepDecimal()) { DefinirSepDecimal(sep); }
    ~SeparateurTemporaire() { DefinirSepDecimal(ancien_); }
    SeparateurTemporaire(const SeparateurTemporaire &) = delete;
    SeparateurTemporaire &operator=(const SeparateurTemporaire &) = delete;

private:
    QChar ancien_;
};
