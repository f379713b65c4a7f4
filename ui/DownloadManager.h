#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace mirvalo {

class CajaDeImagen;
class Ventana;

// The drawing services every screen shares. None of them fails: a screen must never stop because
// its decoration could not be drawn.

// Sets the window's caption and draws its stripe (DibujaLaFranjaOficial).
void ConfiguraLaVentana(Ventana& ventana, std::string_view titulo);

// Adds the stripe's picture boxes to the window's top edge, all without border: "picFranjaOficial",
// as wide as the window and 225 twips high, and inside it its three blocks. Screens call it as
// they build their window; DibujaLaFranjaOficial lays them out and colours them at load.
void AgregaLaFranjaOficial(Ventana& ventana);

// Lays out and colours the stripe along the window's top edge: the picture box "picFranjaOficial"
// (225 twips high, as wide as the window) and its three blocks "picFranjaOficialColor1" to
// "picFranjaOficialColor3", 33 %, 33 % and 34 % of its width. A window without the stripe is left
// alone.
void DibujaLaFranjaOficial(Ventana& ventana);

// The look of a percentage bar drawn by MuestraElProgreso: borderless, the number dark grey over
// light grey, the bar in slate blue.
void EstilaLaBarraDeProgreso(CajaDeImagen& barra);

// Whether one of the window's controls has exactly this name (case-sensitive).
bool ExisteElControl(const Ventana& ventana, std::string_view nombre);

// Draws a percentage bar with its number ("0" shows a lone "%", values above 100 show as 100)
// into the picture box, in its ForeColor over its BackColor: the bar inverts what it covers
// (draw mode NOT(pen XOR pixel)), so digits under it stand out. Draws only when the value shown
// changes or the box was touched since.
void MuestraElProgreso(CajaDeImagen& caja, int32_t porcentaje);

}  // namespace mirvalo
