#include "install/ReportesDeInstalacion.h"

#include <new>

#include "core/DM_Core.h"

namespace mirvalo::instalacion {

Error ComoError(const std::exception& fallo) {
    if (const auto* error = dynamic_cast<const Error*>(&fallo)) return *error;
    if (dynamic_cast<const std::bad_alloc*>(&fallo)) return Error::Estandar(errores::SinMemoria);
    return Error(errores::LlamadaNoValida, fallo.what());
}

std::string ConElError(std::string_view texto, const Error& error) {
    return std::string(texto) + " (" + std::to_string(error.Numero()) + " - " + error.Descripcion() + ")";
}

void RegistraElFallo(DM_Core& core, std::string_view procedimiento, const std::exception& fallo) noexcept {
    try {
        const Error error = ComoError(fallo);
        core.Fallos.RegistrarFallo(Modulo, procedimiento, error.Numero(), error.Descripcion());
    } catch (const std::exception&) {
        // Reporting never fails its caller.
    }
}

}  // namespace mirvalo::instalacion
