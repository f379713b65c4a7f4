#include "install/ReportesDeInstalacion.h"

#include "core/DM_Core.h"

namespace mirvalo::instalacion {

void RegistraElFallo(DM_Core& core, std::string_view procedimiento, const std::exception& fallo) noexcept {
    fallos::RegistraElFallo(core, Modulo, procedimiento, fallo);
}

void RegistraElPasoFallido(DM_Core& core, int32_t paso, std::string_view texto,
                           std::string_view procedimiento, const std::exception& fallo) {
    core.Descarga.GuardarDetalle(paso, false, fallos::ConElError(texto, fallos::ComoError(fallo)));
    RegistraElFallo(core, procedimiento, fallo);
}

}  // namespace mirvalo::instalacion
