#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tools/jet4/DefinicionJet4.h"
#include "tools/jet4/EscritorJet4.h"

// Real Jet 4 files for the tests, written by the project's writer into a temporary folder, and
// mdbtools' own programs to look at them from outside.
namespace mirvalo::prueba {

// One row of the catalogue's table: app_ide (long integer) and Nomenclatura (text); nullopt is NULL.
struct AplicacionDePrueba {
    std::optional<int32_t> appIde;
    std::optional<std::string> nomenclatura;
};

inline constexpr const char* ContrasenaDelCatalogo = "wmk5930qzB";

// The catalogue table TBL_Aplicacion(app_ide, Nomenclatura, Nombre) with these rows; Nombre
// repeats the nomenclature so that a reader must pick the right column.
jet4::Tabla TablaDeAplicaciones(const std::vector<AplicacionDePrueba>& filas);

// Writes a catalogue database holding TBL_Aplicacion with `filas`.
void EscribeCatalogo(const std::filesystem::path& ruta, const std::vector<AplicacionDePrueba>& filas,
                     const std::string& contrasena = ContrasenaDelCatalogo);

// Runs an mdbtools program ("mdb-export", "mdb-tables"...) with its arguments and gives its
// standard output; the test fails when the program does not end with status 0.
std::string SalidaDeMdbtools(const std::string& programa, const std::vector<std::string>& argumentos);

}  // namespace mirvalo::prueba
