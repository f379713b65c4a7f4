#include "core/Ventanas.h"

#include <exception>
#include <string>

#include "core/DM_Core.h"
#include "ui/DownloadManager.h"

namespace mirvalo {

void ConfiguraLaVentana(Ventana& ventana) {
    std::string titulo;
    try {
        const El_Configuraciones& configuraciones = Core().Configuraciones;
        titulo = configuraciones.Nombre() + " " + configuraciones.PlataformaVersion();
    } catch (const std::exception&) {
        // Decoration never stops a screen.
        return;
    }
    ConfiguraLaVentana(ventana, titulo);
}

}  // namespace mirvalo
