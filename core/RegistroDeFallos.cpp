#include "core/RegistroDeFallos.h"

#include <new>

#include "core/DM_Core.h"

namespace mirvalo::fallos {

Error ComoError(const std::exception& fallo) {
    if (const auto* error = dynamic_cast<const Error*>(&fallo)) return *error;
    if (dynamic_cast<const std::bad_alloc*>(&fallo)) return Error::Estandar(errores::SinMemoria);
    return Error(errores::LlamadaNoValida, fallo.what());
}

std::string ConElError(std::string_view texto, const Error& error) {
    return std::string(texto) + " (" + std::to_string(error.Numero()) + " - " + error.Descripcion() + ")";
}

void RegistraElFallo(DM_Core& core, std::string_view modulo, std::string_view procedimiento,
                     const std::exception& fallo) noexcept {
    try {
        const Error error = ComoError(fallo);
        core.Fallos.RegistrarFallo(modulo, procedimiento, error.Numero(), error.Descripcion());
    } catch (const std::exception&) {
        // Copying the error's texts can run out of memory; the report is then lost.
    }
}

void RegistraElFallo(std::string_view modulo, std::string_view procedimiento,
                     const std::exception& fallo) noexcept {
    try {
        RegistraElFallo(Core(), modulo, procedimiento, fallo);
    } catch (const std::exception&) {
        // No core.
    }
}

}  // namespace mirvalo::fallos
