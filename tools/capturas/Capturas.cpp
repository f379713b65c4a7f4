#include "tools/capturas/Capturas.h"

#include <string>

#include "core/DM_Core.h"
#include "core/TiposDeError.h"
#include "core/frm_Splash.h"
#include "download/frm_Descargar.h"
#include "screens/frm_Error.h"
#include "screens/frm_Finalizar.h"
#include "ui/Formularios.h"

namespace mirvalo::capturas {
namespace {

// The start-up window as it shows before its checks run: the checks would hand over at once.
Ventana& Arranque() {
    auto& ventana = Pantalla::Abre<frm_Splash>([] { return true; }).Me();
    ventana.Obten<Temporizador>("tmrInicio").Enabled(false);
    return ventana;
}

Ventana& PantallaDeError(int32_t tipo) {
    Core().Configuraciones.EstableceError(tipo);
    return Pantalla::Abre<frm_Error>().Me();
}

}  // namespace

// A new screen is one more entry: {"frm_Nueva", [] -> Ventana& { return Pantalla::Abre<frm_Nueva>().Me(); }}.
std::vector<Captura> Todas() {
    std::vector<Captura> capturas = {
        {"frm_Splash", Arranque},
    };
    for (int32_t tipo = ErrorConexionS2; tipo <= ErrorDescarga; ++tipo)
        capturas.push_back(
            {"frm_Error-" + std::to_string(tipo), [tipo]() -> Ventana& { return PantallaDeError(tipo); }});
    capturas.push_back({"frm_Descargar", []() -> Ventana& {
                            auto& ventana = Pantalla::Abre<frm_Descargar>().Me();
                            ventana.Obten<Temporizador>("tmrInicio").Enabled(false);  // the run would start
                            return ventana;
                        }});
    for (int32_t modo = 1; modo <= 3; ++modo)
        capturas.push_back({"frm_Finalizar-" + std::to_string(modo), [modo]() -> Ventana& {
                                Core().Descarga.EstableceAsistente(modo);
                                return Pantalla::Abre<frm_Finalizar>().Me();
                            }});
    return capturas;
}

}  // namespace mirvalo::capturas
