#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace mirvalo {
class Ventana;
}

// Screens hand over by showing the next screen by name. The screens live in several libraries
// that all depend on this one, so they are registered here at start-up (main, or a test) instead
// of naming each other's types.
namespace mirvalo::pantallas {

using Muestra = std::function<void()>;

// Registers (or replaces) how to show the screen `nombre`, e.g. "frm_Error".
void Registra(std::string nombre, Muestra muestra);
// Shows the screen modeless; false when no screen of that name is registered.
bool MuestraLaPantalla(std::string_view nombre);
// Shows the screen `siguiente` and unloads `ventana`. A screen missing from the registry is a
// broken build: Error 5 is raised and the window stays, so the user is never left without one.
void EntregaA(Ventana& ventana, std::string_view siguiente);
// Forgets every registration (tests).
void OlvidaTodas();

}  // namespace mirvalo::pantallas
