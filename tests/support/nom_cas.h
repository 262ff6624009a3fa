#pragma once
// The test names of a table of cases: each row's `nom`, every character that
// is neither a letter nor a digit turned into '_' (GoogleTest accepts no
// other). Given as the last argument of INSTANTIATE_TEST_SUITE_P.

#include <gtest/gtest.h>

#include <cctype>
#include <string>

inline std::string NomDeTest(std::string nom)
{
    for (char &c : nom)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return nom;
}

struct NomDuCas {
    template <typename Cas>
    std::string operator()(const ::testing::TestParamInfo<Cas> &info) const
    {
        return NomDeTest(info.param.nom);
    }
};
