// The catalogue query over real catalogue files written into a temporary folder.
#include "install/CatalogoDeAplicaciones.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/Error.h"
#include "support/CarpetaTemporal.h"
#include "support/EsperaElError.h"
#include "support/JetDePrueba.h"
#include "tools/jet4/DescripcionJet4.h"

namespace mirvalo::catalogo {
namespace {

using prueba::AplicacionDePrueba;
using prueba::EsperaElError;
using Nomenclaturas = std::vector<std::string>;

TEST(CatalogoDeAplicaciones, DistinctOrderedNomenclaturesWithoutApplication98OrNullIds) {
    prueba::CarpetaTemporal carpeta;
    const auto ruta = carpeta / "MVDataBase.mdb";
    prueba::EscribeCatalogo(ruta,
                            {{3, "Lectura"},
                             {98, "Visor"},
                             {std::nullopt, "SinIdentificador"},
                             {1, "matemáticas"},
                             {2, "MATEMÁTICAS"},  // the same text for the engine: the first spelling stays
                             {4, "Ciencias"},
                             {5, "ciencias"},
                             {6, "Arte"},
                             {7, "Árbol"},
                             {8, "Matematicas"},  // without the accent it is another text
                             {9, ""}});
    EXPECT_EQ(LeeLasNomenclaturas(ruta.string()),
              (Nomenclaturas{"", "Árbol", "Arte", "Ciencias", "Lectura", "Matematicas", "matemáticas"}));
}

TEST(CatalogoDeAplicaciones, CataloguesThatGiveNoFolder) {
    const std::pair<const char*, std::vector<AplicacionDePrueba>> casos[] = {
        {"no row", {}},
        {"only application 98", {{98, "Visor"}, {98, "Otro"}}},
        {"only rows without id", {{std::nullopt, "A"}, {std::nullopt, std::nullopt}}},
    };
    for (const auto& [caso, filas] : casos) {
        prueba::CarpetaTemporal carpeta;
        prueba::EscribeCatalogo(carpeta / "c.mdb", filas);
        EXPECT_EQ(LeeLasNomenclaturas((carpeta / "c.mdb").string()), Nomenclaturas{}) << caso;
    }
    EXPECT_EQ(LeeLasNomenclaturas(""), Nomenclaturas{});  // the file is not in the download set
}

TEST(CatalogoDeAplicaciones, NullNomenclatureCannotBeReadAsText) {
    prueba::CarpetaTemporal carpeta;
    prueba::EscribeCatalogo(carpeta / "nula.mdb", {{1, "A"}, {2, std::nullopt}, {3, "B"}});
    EsperaElError([&] { LeeLasNomenclaturas((carpeta / "nula.mdb").string()); }, 13, "Type mismatch");

    // A NULL in a row the filter leaves out is never read.
    prueba::EscribeCatalogo(carpeta / "filtrada.mdb",
                            {{1, "A"}, {98, std::nullopt}, {std::nullopt, std::nullopt}});
    EXPECT_EQ(LeeLasNomenclaturas((carpeta / "filtrada.mdb").string()), Nomenclaturas{"A"});
}

TEST(CatalogoDeAplicaciones, FileFaultsReachTheCaller) {
    prueba::CarpetaTemporal carpeta;
    prueba::EscribeCatalogo(carpeta / "otra.mdb", {{1, "A"}}, "otraClave");
    EsperaElError([&] { LeeLasNomenclaturas((carpeta / "otra.mdb").string()); }, -2147217843,
                  "Not a valid password.");

    const std::string noEsta = (carpeta / "MVDataBase.mdb").string();
    EsperaElError([&] { LeeLasNomenclaturas(noEsta); }, -2147467259, "Could not find file '" + noEsta + "'.");

    jet4::ArchivoJet4 sinTabla{
        std::string(prueba::ContrasenaDelCatalogo), 43831.5, {jet4::Tabla{"TBL_Nivel", {{"app_ide"}}, {}}}};
    jet4::EscribeElArchivo(carpeta / "sin-tabla.mdb", sinTabla);
    EsperaElError(
        [&] { LeeLasNomenclaturas((carpeta / "sin-tabla.mdb").string()); }, -2147217865,
        "The Microsoft Jet database engine cannot find the input table or query 'TBL_Aplicacion'.  Make "
        "sure it exists and that its name is spelled correctly.");
}

TEST(CatalogoDeAplicaciones, QueryOnTablesOfOtherShapes) {
    using jet::TipoJet;
    using jet::ValorJet;
    // Whole-number and floating ids filter alike; column names are found without regard to case.
    jet::TablaJet numerica{
        {{"NOMENCLATURA", TipoJet::Texto}, {"APP_IDE", TipoJet::Doble}},
        {{std::string("b"), 98.0}, {std::string("a"), 1.5}, {std::string("c"), ValorJet{}}}};
    EXPECT_EQ(ConsultaLasNomenclaturas(numerica), (std::vector<ValorJet>{std::string("a")}));

    // A NULL nomenclature is one value, and sorts first.
    jet::TablaJet conNulos{
        {{"Nomenclatura", TipoJet::Texto}, {"app_ide", TipoJet::EnteroLargo}},
        {{std::string("b"), int32_t{1}}, {ValorJet{}, int32_t{2}}, {ValorJet{}, int32_t{3}}}};
    EXPECT_EQ(ConsultaLasNomenclaturas(conNulos), (std::vector<ValorJet>{ValorJet{}, std::string("b")}));

    jet::TablaJet idDeTexto{{{"Nomenclatura", TipoJet::Texto}, {"app_ide", TipoJet::Texto}},
                            {{std::string("a"), std::string("1")}}};
    EsperaElError([&] { ConsultaLasNomenclaturas(idDeTexto); }, -2147217913,
                  "Data type mismatch in criteria expression.");

    jet::TablaJet sinColumna{{{"Nomenclatura", TipoJet::Texto}, {"Id", TipoJet::EnteroLargo}}, {}};
    EsperaElError([&] { ConsultaLasNomenclaturas(sinColumna); }, -2147217904,
                  "No value given for one or more required parameters.");
}

TEST(CatalogoDeAplicaciones, TheSampleProductsCatalogueGivesItsApplications) {
    // The sources' root: from the environment, or two folders above this file's.
    const char* variable = std::getenv("MIRVALO_SOURCE_DIR");
    const std::filesystem::path fuentes =
        variable ? std::filesystem::path(variable) : std::filesystem::path(__FILE__).parent_path() / "../..";
    std::ifstream entrada(fuentes / "tools/jet4/catalogo-de-muestra.txt");
    ASSERT_TRUE(entrada) << fuentes;
    std::ostringstream descripcion;
    descripcion << entrada.rdbuf();
    prueba::CarpetaTemporal carpeta;
    jet4::EscribeElArchivo(carpeta / "MVDataBase.mdb", {std::string(ContrasenaDeLaBaseDeDatos), 43831.5,
                                                        jet4::LeeLaDescripcion(descripcion.str())});
    EXPECT_EQ(LeeLasNomenclaturas((carpeta / "MVDataBase.mdb").string()),
              (Nomenclaturas{"Álgebra", "Biología", "English Builder", "English Explorer", "English Starter",
                             "Exploración de la Naturaleza", "Física", "Geometría", "Lectura", "Números",
                             "Ortografía", "Redacción"}));
}

}  // namespace
}  // namespace mirvalo::catalogo
