#pragma once
#include <string>

namespace mirvalo {

class Ventana;

// "<Nombre> <PlataformaVersion>" from the run's configuration: the caption of every window and of
// the questions they ask. Raises without a core.
std::string TituloDelAsistente();

// Every screen calls this first thing at load: the caption TituloDelAsistente, and the stripe when
// the window has one. Never fails: without a core the window is left as it is.
void ConfiguraLaVentana(Ventana& ventana);

}  // namespace mirvalo
