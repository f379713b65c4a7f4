#pragma once
#include <string_view>

namespace mirvalo {

// A message box with the question icon and the buttons Yes and No; true when the user answers Yes.
// Waits for the answer (the window thread runs the box's own loop meanwhile).
bool PreguntaSiNo(std::string_view titulo, std::string_view texto);

// Ends the process at once: no clean-up, no further code of the caller runs.
[[noreturn]] void TerminaElProceso();

}  // namespace mirvalo
