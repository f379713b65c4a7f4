#include "platform/Texto.h"

#include <gtest/gtest.h>

namespace mirvalo::texto {
namespace {

TEST(Texto, MayusculasCoversSpanishAccentsAndKeepsOthers) {
    EXPECT_EQ(Mayusculas("escuela 001 ñandú é ü"), "ESCUELA 001 ÑANDÚ É Ü");
    EXPECT_EQ(Mayusculas("ÿ ł σς я"), "Ÿ Ł ΣΣ Я");
    EXPECT_EQ(Mayusculas("€ 中"), "€ 中");
}

TEST(Texto, LengthAndLeftCountUtf16CodeUnits) {
    EXPECT_EQ(Longitud("aé😀"), 4u);
    EXPECT_EQ(Izquierda("aé😀b", 3), "aé");  // the pair would be split: left out whole
    EXPECT_EQ(Izquierda("aé😀b", 4), "aé😀");
    EXPECT_EQ(Izquierda("abc", 10), "abc");
}

TEST(Texto, OrdinalComparisonIsByCodeUnit) {
    EXPECT_LT(ComparaOrdinal("Zorro", "casa"), 0);
    EXPECT_LT(ComparaOrdinal("casa", "Élite"), 0);
    EXPECT_LT(ComparaOrdinal("Lectura", "Lectura Primaria"), 0);
    EXPECT_EQ(ComparaOrdinal("ñ", "ñ"), 0);
    // U+FF21 sorts after a supplementary character's high surrogate D83D in UTF-16.
    EXPECT_GT(ComparaOrdinal("Ａ", "😀"), 0);
}

TEST(Texto, TrimRemovesOnlyBlanks) {
    EXPECT_EQ(Recorta("  a b \t "), "a b \t");
    EXPECT_EQ(Recorta("   "), "");
    EXPECT_EQ(SinBlancos(" a b c "), "abc");
}

TEST(Texto, Utf16RoundTripAndInvalidBytes) {
    EXPECT_EQ(DesdeUtf16(AUtf16("Utilerías 😀")), "Utilerías 😀");
    EXPECT_EQ(AUtf16("\xff"), u"\uFFFD");
    EXPECT_TRUE(ContieneSinMayusculas("Sistema\\SecurityFolder.EXE", "securityfolder.exe"));
}

}  // namespace
}  // namespace mirvalo::texto
