#include "platform/jet/ErroresJet.h"

#include <string>

namespace mirvalo::jet::errores {

Error ArchivoNoEncontrado(std::string_view ruta) {
    return Error(ErrorNoEspecificado, "Could not find file '" + std::string(ruta) + "'.",
                 "abrir base de datos");
}

Error ArchivoNoAccesible(std::string_view ruta) {
    return Error(ErrorNoEspecificado,
                 "The Microsoft Jet database engine cannot open the file '" + std::string(ruta) +
                     "'.  It is already opened exclusively by another user, or you need permission to view "
                     "its data.",
                 "abrir base de datos");
}

Error FormatoNoReconocido(std::string_view ruta) {
    return Error(ErrorNoEspecificado, "Unrecognized database format '" + std::string(ruta) + "'.",
                 "abrir base de datos");
}

Error ContrasenaIncorrecta() {
    return Error(ContrasenaNoValida, "Not a valid password.", "abrir base de datos");
}

Error TablaInexistente(std::string_view tabla) {
    return Error(TablaNoEncontrada,
                 "The Microsoft Jet database engine cannot find the input table or query '" +
                     std::string(tabla) + "'.  Make sure it exists and that its name is spelled correctly.",
                 "leer tabla");
}

Error ColumnaInexistente() {
    return Error(FaltanParametros, "No value given for one or more required parameters.", "consulta");
}

Error TiposNoCoinciden() {
    return Error(TiposNoCoincidenEnCriterio, "Data type mismatch in criteria expression.", "consulta");
}

Error CadenaMalFormada() {
    return Error(CadenaDeConexionNoValida,
                 "Format of the initialization string does not conform to the OLE DB specification.",
                 "abrir base de datos");
}

Error ProveedorDesconocido() {
    return Error(ProveedorNoEncontrado, "Provider cannot be found. It may not be properly installed.",
                 "abrir base de datos");
}

}  // namespace mirvalo::jet::errores
