#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/jet/TablaJet.h"

// The product's own catalogue database ("MVDataBase.mdb"): the applications that get folders.
namespace mirvalo::catalogo {

inline constexpr std::string_view ContrasenaDeLaBaseDeDatos = "wmk5930qzB";
inline constexpr std::string_view TablaDeAplicaciones = "TBL_Aplicacion";

// The connection string the catalogue is opened with, for the file at `ruta`.
std::string CadenaDeConexion(std::string_view ruta);

// The rows of "SELECT DISTINCT Nomenclatura FROM TBL_Aplicacion WHERE app_ide <> 98 ORDER BY
// Nomenclatura" as the engine gives them: rows whose app_ide is NULL or 98 left out; texts that
// differ only in case are one value (the first row's spelling is kept); NULL sorts first.
// Throws mirvalo::Error: a missing column, or an app_ide that is not a number.
std::vector<jet::ValorJet> ConsultaLasNomenclaturas(const jet::TablaJet& tablaDeAplicaciones);

// The nomenclatures in query order, each read as text, for the installation's folder step.
// An empty `ruta` (the file is not in the download set) gives an empty list. Throws mirvalo::Error
// for a file that cannot be opened or read, a wrong password, and a NULL nomenclature ("Type
// mismatch": a value that cannot be read as text).
std::vector<std::string> LeeLasNomenclaturas(std::string_view ruta);

}  // namespace mirvalo::catalogo
