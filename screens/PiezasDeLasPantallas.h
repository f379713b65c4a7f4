#pragma once
#include <exception>
#include <string_view>

namespace mirvalo {
class Ventana;
}

// What the ID, mode and application selection screens share: the stripe of their layout, the
// failure report of their procedures and the hand-over to the next screen.
namespace mirvalo::piezas {

// Adds the stripe's picture boxes to the top edge of the window: "picFranjaOficial" and, inside
// it, its three blocks. ConfiguraLaVentana lays them out and colours them at load.
void AgregaLaFranjaOficial(Ventana& ventana);

// Reports a failure caught by a screen's procedure: the screen's and the procedure's names, the
// error's number and description (a failure that is not a mirvalo::Error gets the nearest
// standard number). Never raises: without a core there is nowhere to report to.
void RegistraElFallo(std::string_view modulo, std::string_view procedimiento,
                     const std::exception& fallo) noexcept;

// Shows the screen `siguiente` and unloads `ventana`. Raises Error 5 when no screen of that name
// is registered (a broken build): the window then stays, so the user is never left without one.
void EntregaA(Ventana& ventana, std::string_view siguiente);

}  // namespace mirvalo::piezas
