#pragma once
#include <cstdint>
#include <string_view>

#include "platform/Error.h"

// The failures of the database engine with the numbers and texts that the Windows data-access
// layer (ADO over the Jet OLE DB provider) raises for them, so that reports read the same.
namespace mirvalo::jet::errores {

inline constexpr int32_t ErrorNoEspecificado = -2147467259;         // 0x80004005: file and format faults
inline constexpr int32_t ContrasenaNoValida = -2147217843;          // 0x80040E4D
inline constexpr int32_t TablaNoEncontrada = -2147217865;           // 0x80040E37
inline constexpr int32_t FaltanParametros = -2147217904;            // 0x80040E10: an unknown column name
inline constexpr int32_t TiposNoCoincidenEnCriterio = -2147217913;  // 0x80040E07
inline constexpr int32_t CadenaDeConexionNoValida = -2147217805;    // 0x80040E73
inline constexpr int32_t ProveedorNoEncontrado = -2146824582;       // 0x800A0E7A (ADO 3706)

Error ArchivoNoEncontrado(std::string_view ruta);  // "Could not find file '...'."
Error ArchivoNoAccesible(std::string_view ruta);   // cannot open: locked or no permission
Error FormatoNoReconocido(std::string_view ruta);  // "Unrecognized database format '...'."
Error ContrasenaIncorrecta();                      // "Not a valid password."
Error TablaInexistente(std::string_view tabla);
Error ColumnaInexistente();  // Jet takes an unknown name for a parameter
Error TiposNoCoinciden();    // "Data type mismatch in criteria expression."
Error CadenaMalFormada();
Error ProveedorDesconocido();

}  // namespace mirvalo::jet::errores
