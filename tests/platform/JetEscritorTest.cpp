// The Jet 4 writer's files, looked at with mdbtools' own programs.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "support/CarpetaTemporal.h"
#include "support/JetDePrueba.h"
#include "tools/jet4/DescripcionJet4.h"

namespace mirvalo::jet4 {
namespace {

using prueba::SalidaDeMdbtools;

Tabla TablaDeTodosLosTipos() {
    return Tabla{
        "Tabla Ñandú",
        {{"Id", TipoDeColumna::EnteroLargo},
         {"Código", TipoDeColumna::Texto, 20},
         {"Orden", TipoDeColumna::Entero},
         {"Nivel", TipoDeColumna::Byte},
         {"Activa", TipoDeColumna::Booleano},
         {"Nombre", TipoDeColumna::Texto, 100, true}},
        {{int32_t{1}, std::string("Matemáticas"), int32_t{-7}, int32_t{255}, true, std::string("Ñandú año")},
         {int32_t{-2147483647 - 1}, std::string(""), int32_t{32767}, int32_t{0}, false, std::string("")},
         {Valor{}, Valor{}, Valor{}, Valor{}, Valor{}, Valor{}},
         {int32_t{4}, std::string("x\"y,z"), int32_t{0}, int32_t{1}, true, std::string("中文 y más")}}};
}

TEST(JetEscritor, MdbtoolsReadsEveryTypeWithNullsAndAccents) {
    prueba::CarpetaTemporal carpeta;
    ArchivoJet4 archivo;
    archivo.contrasena = "wmk5930qzB";
    archivo.tablas = {TablaDeTodosLosTipos(), Tabla{"Vacía", {{"n", TipoDeColumna::EnteroLargo}}, {}}};
    EscribeElArchivo(carpeta / "a.mdb", archivo);
    const std::string ruta = (carpeta / "a.mdb").string();

    EXPECT_EQ(SalidaDeMdbtools("mdb-ver", {ruta}), "JET4\n");
    EXPECT_EQ(SalidaDeMdbtools("mdb-tables", {"-1", ruta}), "Tabla Ñandú\nVacía\n");
    EXPECT_EQ(SalidaDeMdbtools("mdb-tables", {"-1", "-S", ruta}), "MSysObjects\nTabla Ñandú\nVacía\n");
    // NULL and an empty text both export as nothing; the reader's tests tell them apart.
    EXPECT_EQ(SalidaDeMdbtools("mdb-export", {ruta, "Tabla Ñandú"}),
              "Id,Código,Orden,Nivel,Activa,Nombre\n"
              "1,\"Matemáticas\",-7,255,1,\"Ñandú año\"\n"
              "-2147483648,,32767,0,0,\n"
              ",,,,0,\n"
              "4,\"x\"\"y,z\",0,1,1,\"中文 y más\"\n");
    EXPECT_EQ(SalidaDeMdbtools("mdb-export", {ruta, "Vacía"}), "n\n");
}

TEST(JetEscritor, RowsSpreadOverManyPagesAndTables) {
    prueba::CarpetaTemporal carpeta;
    ArchivoJet4 archivo;
    for (int t = 0; t < 3; ++t) {
        Tabla tabla{"T" + std::to_string(t),
                    {{"n", TipoDeColumna::EnteroLargo}, {"texto", TipoDeColumna::Texto, 255}},
                    {}};
        for (int i = 0; i < 400; ++i)
            tabla.filas.push_back({int32_t{i}, std::string(200, static_cast<char>('a' + i % 26)) + "é"});
        archivo.tablas.push_back(tabla);
    }
    const std::string ruta = (carpeta / "grande.mdb").string();
    EscribeElArchivo(ruta, archivo);

    // 400 rows of about 420 bytes need some 45 pages a table.
    EXPECT_GT(std::filesystem::file_size(ruta), 3u * 40 * TamanoDePagina);
    for (int t = 0; t < 3; ++t) {
        std::istringstream lineas(SalidaDeMdbtools("mdb-export", {ruta, "T" + std::to_string(t)}));
        std::string linea;
        std::getline(lineas, linea);
        EXPECT_EQ(linea, "n,texto");
        for (int i = 0; i < 400; ++i) {
            ASSERT_TRUE(std::getline(lineas, linea)) << "table " << t << " row " << i;
            EXPECT_EQ(linea,
                      std::to_string(i) + ",\"" + std::string(200, static_cast<char>('a' + i % 26)) + "é\"");
        }
        EXPECT_FALSE(std::getline(lineas, linea));
    }
}

TEST(JetEscritor, TextDescriptionMakesTheFileTheBuildNeeds) {
    const auto tablas = LeeLaDescripcion(
        "# catálogo\n"
        "tabla TBL_Aplicacion\n"
        "columna app_ide entero_largo\n"
        "columna Nomenclatura texto 50\n"
        "columna Activa booleano\n"
        "\n"
        "fila 1 | Matemáticas | verdadero\n"
        "fila \\N |  | falso\r\n"
        "fila 98 | \\N | \\N");
    ASSERT_EQ(tablas.size(), 1u);
    prueba::CarpetaTemporal carpeta;
    const std::string ruta = (carpeta / "d.mdb").string();
    EscribeElArchivo(ruta, ArchivoJet4{"clave", 43831.5, tablas});
    EXPECT_EQ(SalidaDeMdbtools("mdb-export", {ruta, "TBL_Aplicacion"}),
              "app_ide,Nomenclatura,Activa\n1,\"Matemáticas\",1\n,,0\n98,,0\n");
}

TEST(JetEscritor, FaultyDescriptionsNameTheirLine) {
    const struct {
        const char* descripcion;
        const char* mensaje;
    } casos[] = {
        {"columna a entero", "línea 1: se esperaba: tabla NOMBRE"},
        {"tabla T\ncolumna a decimal", "línea 2: tipo de columna desconocido: decimal"},
        {"tabla T\ncolumna a texto", "línea 2: un texto lleva su longitud, de 1 a 255 caracteres"},
        {"tabla T\ncolumna a texto 256", "línea 2: un texto lleva su longitud, de 1 a 255 caracteres"},
        {"tabla T\ncolumna a entero\ncolumna b entero\nfila 1",
         "línea 4: la fila tiene 1 campos y la tabla 2 columnas"},
        {"tabla T\ncolumna a entero\n\nfila 1x", "línea 4: número no válido en a: 1x"},
        {"tabla T\ncolumna a booleano\nfila sí", "línea 3: booleano no válido en a: sí"},
        {"tabla T\ncolumna a entero\nfila 1\ncolumna b entero", "línea 4: columna tras las filas"},
        {"tabla T\nborra T", "línea 2: orden desconocida: borra"},
    };
    for (const auto& caso : casos) {
        try {
            LeeLaDescripcion(caso.descripcion);
            ADD_FAILURE() << caso.descripcion;
        } catch (const std::invalid_argument& e) {
            EXPECT_STREQ(e.what(), caso.mensaje) << caso.descripcion;
        }
    }
}

TEST(JetEscritor, RefusesWhatTheFormatCannotHold) {
    auto archivoCon = [](Columna columna, Valor valor) {
        return ArchivoJet4{"", 43831.5, {Tabla{"T", {columna}, {{valor}}}}};
    };
    const std::pair<const char*, ArchivoJet4> casos[] = {
        {"text longer than its column", archivoCon({"t", TipoDeColumna::Texto, 3}, std::string("abcd"))},
        {"byte out of range", archivoCon({"b", TipoDeColumna::Byte}, int32_t{256})},
        {"integer out of range", archivoCon({"i", TipoDeColumna::Entero}, int32_t{40000})},
        {"text in a number", archivoCon({"i", TipoDeColumna::EnteroLargo}, std::string("1"))},
        {"password of 21 characters", ArchivoJet4{std::string(21, 'x'), 43831.5, {}}},
        {"two tables of one name",
         ArchivoJet4{"", 43831.5, {Tabla{"T", {{"a"}}, {}}, Tabla{"t", {{"a"}}, {}}}}},
        {"a table named like the catalogue", ArchivoJet4{"", 43831.5, {Tabla{"msysobjects", {{"a"}}, {}}}}},
    };
    for (const auto& [caso, archivo] : casos)
        EXPECT_THROW(ComponeElArchivo(archivo), std::invalid_argument) << caso;
}

}  // namespace
}  // namespace mirvalo::jet4
