#pragma once

namespace mirvalo {

class Ventana;

// Every screen calls this first thing at load: the caption "<Nombre> <PlataformaVersion>" from the
// run's configuration, and the stripe when the window has one. Never fails: without a core the
// window is left as it is.
void ConfiguraLaVentana(Ventana& ventana);

}  // namespace mirvalo
