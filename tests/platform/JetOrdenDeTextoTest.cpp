#include <gtest/gtest.h>

#include "platform/jet/OrdenDeTextoJet.h"

namespace mirvalo::jet {
namespace {

TEST(JetOrdenDeTexto, SortsLikeTheGeneralOrder) {
    // Each pair in ascending order.
    const std::pair<const char*, const char*> enOrden[] = {
        {"a", "B"},         {"abc", "ABD"},    {"a", "á"}, {"Á", "b"},  {"árbol", "Arte"},
        {"ñandú", "Zorro"}, {"MAT_1", "MATE"}, {"9", "A"}, {" x", "a"}, {"Lectura", "Lectura Primaria"},
        {"", "a"},          {"¿Qué?", "0"},    {"z", "Ω"}, {"E", "é"},  {"é", "F"},
    };
    for (const auto& [menor, mayor] : enOrden) {
        EXPECT_LT(ComparaTextoJet(menor, mayor), 0) << menor << " < " << mayor;
        EXPECT_GT(ComparaTextoJet(mayor, menor), 0) << mayor << " > " << menor;
        EXPECT_FALSE(IgualesParaJet(menor, mayor)) << menor << " / " << mayor;
    }
}

TEST(JetOrdenDeTexto, CaseMakesNoDifferenceButAccentsDo) {
    for (const auto& [a, b] : {std::pair{"matemáticas", "MATEMÁTICAS"}, {"Ñandú", "ñANDÚ"}, {"", ""}}) {
        EXPECT_EQ(ComparaTextoJet(a, b), 0) << a << " / " << b;
        EXPECT_TRUE(IgualesParaJet(a, b)) << a << " / " << b;
    }
    EXPECT_FALSE(IgualesParaJet("matematicas", "matemáticas"));
    EXPECT_FALSE(IgualesParaJet("abc", "abc "));
}

}  // namespace
}  // namespace mirvalo::jet
