#include "core/Ventanas.h"

#include <exception>

#include "core/DM_Core.h"
#include "ui/DownloadManager.h"

namespace mirvalo {

std::string TituloDelAsistente() {
    const El_Configuraciones& configuraciones = Core().Configuraciones;
    return configuraciones.Nombre() + " " + configuraciones.PlataformaVersion();
}

void ConfiguraLaVentana(Ventana& ventana) {
    std::string titulo;
    try {
        titulo = TituloDelAsistente();
    } catch (const std::exception&) {
        // Decoration never stops a screen.
        return;
    }
    ConfiguraLaVentana(ventana, titulo);
}

}  // namespace mirvalo
