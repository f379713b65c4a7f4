#pragma once
#include <memory>
#include <vector>

namespace mirvalo {
class Pantalla;
class Ventana;
}  // namespace mirvalo

namespace mirvalo::detalle {

// Every window object alive, in creation order.
void RegistraVentana(Ventana& ventana);
void OlvidaVentana(Ventana& ventana);
std::vector<Ventana*> Ventanas();

// Screens opened with Pantalla::Abre, kept until their window closes.
void ConservaPantalla(std::unique_ptr<Pantalla> pantalla);
std::vector<Pantalla*> PantallasConservadas();
// A window was unloaded or closed: its screen is released once no handler is running, and the
// event loop ends when no wizard window is left open.
void VentanaCerrada(Ventana& ventana);
// The end of the process was simulated: every window closes and every screen is kept, so tests
// can still read them.
void CierraTodoPorTerminacion();

// Whether Aplicacion::Ejecuta's loop is running.
void BucleEnMarcha(bool en_marcha);

}  // namespace mirvalo::detalle
