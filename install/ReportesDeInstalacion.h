#pragma once
#include <cstdint>
#include <exception>
#include <string_view>

#include "core/RegistroDeFallos.h"

namespace mirvalo {

class DM_Core;

namespace instalacion {

// Every report of the installation run, its steps' included, names the installation screen.
inline constexpr std::string_view Modulo = "frm_Instalar";

// Logs the failure under the installation screen and `procedimiento`. Never raises.
void RegistraElFallo(DM_Core& core, std::string_view procedimiento, const std::exception& fallo) noexcept;

// What a step does with the failure that stopped it: reports step `paso` as failed with
// "<texto> (<number> - <description>)" and logs the failure as above.
void RegistraElPasoFallido(DM_Core& core, int32_t paso, std::string_view texto,
                           std::string_view procedimiento, const std::exception& fallo);

}  // namespace instalacion
}  // namespace mirvalo
