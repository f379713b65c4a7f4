#include "platform/LineaDeOrdenes.h"

#include <gtest/gtest.h>

namespace mirvalo::procesos {
namespace {

using Argumentos = std::vector<std::string>;

TEST(LineaDeOrdenes, SplitsAsWindowsDoes) {
    struct Caso {
        const char* linea;
        Argumentos esperados;
    };
    const Caso casos[] = {
        {R"(DISM /Online /Enable-Feature /FeatureName:NetFx3 /All)",
         {"DISM", "/Online", "/Enable-Feature", "/FeatureName:NetFx3", "/All"}},
        // An unquoted path with a blank is two arguments.
        {R"(regsvr32 /s C:\Windows\System32\mi libreria.dll)",
         {"regsvr32", "/s", R"(C:\Windows\System32\mi)", "libreria.dll"}},
        {R"("C:\Program Files\Mirvalo X\SecurityFolder.exe" "ImpresoraPredeterminada" "" "C:\Log MV.txt")",
         {R"(C:\Program Files\Mirvalo X\SecurityFolder.exe)", "ImpresoraPredeterminada", "",
          R"(C:\Log MV.txt)"}},
        // Backslashes count only before a double quote.
        {R"(p.exe a\\b a\"b "a\\"b \\\\"x y" \")",
         {"p.exe", R"(a\\b)", R"(a"b)", R"(a\b)", R"(\\x y)", "\""}},
        // A quoted argument that ends in a backslash escapes its own closing quote.
        {R"(p "C:\Mirvalo X\" siguiente)", {"p", R"(C:\Mirvalo X" siguiente)"}},
        {R"(p "a""b" c)", {"p", R"(a"b)", "c"}},
        {R"(p a"b c"d)", {"p", "ab cd"}},
        // The program keeps its backslashes and ends at its closing quote.
        {R"("C:\a\"b c)", {R"(C:\a\)", "b", "c"}},
        {"  p \t a  b  ", {"p", "a", "b"}},
        {R"(p "sin cierre)", {"p", "sin cierre"}},
        {R"(p $HOME;rm *)", {"p", "$HOME;rm", "*"}},
        {"   ", {}},
        {"", {}},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(DivideLaLineaDeOrdenes(caso.linea), caso.esperados) << caso.linea;
}

TEST(LineaDeOrdenes, ParametersHaveNoProgramName) {
    EXPECT_EQ(DivideLosParametros(R"("Seguridad" "C:\Program Files\Mirvalo X")"),
              (Argumentos{"Seguridad", R"(C:\Program Files\Mirvalo X)"}));
    EXPECT_EQ(DivideLosParametros(""), Argumentos{});
    EXPECT_EQ(DivideLosParametros(R"("")"), Argumentos{""});
}

}  // namespace
}  // namespace mirvalo::procesos
