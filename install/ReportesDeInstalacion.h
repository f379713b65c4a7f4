#pragma once
#include <exception>
#include <string>
#include <string_view>

#include "platform/Error.h"

namespace mirvalo {

class DM_Core;

namespace instalacion {

// Every report of the installation run, its steps' included, names the installation screen.
inline constexpr std::string_view Modulo = "frm_Instalar";

// The caught failure as the system's error: ours as it is, anything else as an invalid call.
Error ComoError(const std::exception& fallo);

// A failed step's description: `texto`, " (", the error number, " - ", its description and ")".
std::string ConElError(std::string_view texto, const Error& error);

// Logs the failure under the installation screen and `procedimiento`. Never raises.
void RegistraElFallo(DM_Core& core, std::string_view procedimiento, const std::exception& fallo) noexcept;

}  // namespace instalacion
}  // namespace mirvalo
