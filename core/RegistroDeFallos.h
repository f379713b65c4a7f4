#pragma once
#include <exception>
#include <string>
#include <string_view>

#include "platform/Error.h"

namespace mirvalo {

class DM_Core;

// How every screen and step of the wizard turns what its procedure caught into a failure report.
namespace fallos {

// The caught failure as the system's error: ours as it is, an exhausted memory as the standard
// Error 7, anything else as an invalid call carrying its message.
Error ComoError(const std::exception& fallo);

// A failed step's description: `texto`, " (", the error number, " - ", its description and ")".
std::string ConElError(std::string_view texto, const Error& error);

// Reports the failure on `core`: the module's and the procedure's names, the error's number and
// description. Never raises: a failing report must not start another one.
void RegistraElFallo(DM_Core& core, std::string_view modulo, std::string_view procedimiento,
                     const std::exception& fallo) noexcept;

// The same on the run's core; without a core there is nowhere to report to, and nothing happens.
void RegistraElFallo(std::string_view modulo, std::string_view procedimiento,
                     const std::exception& fallo) noexcept;

}  // namespace fallos
}  // namespace mirvalo
