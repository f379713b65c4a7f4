#include "model/ListaOrdenadaSinRepetir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/Texto.h"

namespace mirvalo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> Lista(const std::vector<std::string>& textos) {
    ListaOrdenadaSinRepetir lista;
    for (const auto& texto : textos) lista.Agrega(texto);
    return lista.Ordenada();
}

TEST(ListaOrdenadaSinRepetirTest, SortsCodeUnitByCodeUnitCapitalsFirstAccentsLast) {
    EXPECT_THAT(Lista({"Étimos", "cálculo", "Zumba", "Ciencias Sociales", "Ciencias", "Álgebra"}),
                ElementsAre("Ciencias", "Ciencias Sociales", "Zumba", "cálculo", "Álgebra", "Étimos"));
    EXPECT_THAT(Lista({}), IsEmpty());
}

TEST(ListaOrdenadaSinRepetirTest, TextsEqualInUpperCaseComeOnceAsFirstWritten) {
    EXPECT_THAT(Lista({"español", "Ciencias", "ESPAÑOL", "Español", "ciencias", "Lectura, Primaria"}),
                ElementsAre("Ciencias", "Lectura, Primaria", "español"));
    // Only case makes texts equal: an accent or a blank keeps them apart.
    EXPECT_THAT(Lista({"Nino", "Niño", "Nino "}), ElementsAre("Nino", "Nino ", "Niño"));
}

TEST(ListaOrdenadaSinRepetirTest, CanBeFilledAgainAfterTakingTheList) {
    ListaOrdenadaSinRepetir lista;
    lista.Agrega("b");
    lista.Agrega("a");
    EXPECT_THAT(lista.Ordenada(), ElementsAre("a", "b"));
    lista.Agrega("B");
    EXPECT_THAT(lista.Ordenada(), ElementsAre("B"));
}

// The plain way: each text compared with every one taken before, then a stable insertion sort.
std::vector<std::string> ListaCuadratica(const std::vector<std::string>& textos) {
    std::vector<std::string> distintos;
    for (const auto& texto : textos) {
        bool repetido = false;
        for (const auto& tomado : distintos)
            if (texto::Mayusculas(tomado) == texto::Mayusculas(texto)) repetido = true;
        if (!repetido) distintos.push_back(texto);
    }
    for (size_t i = 1; i < distintos.size(); ++i)
        for (size_t j = i; j > 0 && texto::ComparaOrdinal(distintos[j - 1], distintos[j]) > 0; --j)
            std::swap(distintos[j - 1], distintos[j]);
    return distintos;
}

TEST(ListaOrdenadaSinRepetirTest, GivesWhatThePlainQuadraticWayGives) {
    // Pieces chosen to collide: case variants, accents and their capitals, a prefix, blanks, a
    // character beyond U+FFFF against one of U+E000..U+FFFF, and malformed bytes that read alike.
    const std::vector<std::string> piezas = {
        "a", "A", "b",    "B",   "é", "É", "z", "Z", " ", "ñ", "Ñ", "\xEF\xBC\xA1", "\xF0\x9F\x98\x80",
        "1", ",", "\xFF", "\xFE"};
    std::mt19937 azar(20200101);
    std::vector<std::string> textos;
    for (int i = 0; i < 3000; ++i) {
        std::string texto;
        const int largo = static_cast<int>(azar() % 4);
        for (int k = 0; k < largo; ++k) texto += piezas[azar() % piezas.size()];
        textos.push_back(texto);
    }
    EXPECT_EQ(Lista(textos), ListaCuadratica(textos));
}

}  // namespace
}  // namespace mirvalo
