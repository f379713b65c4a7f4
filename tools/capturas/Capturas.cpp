#include "tools/capturas/Capturas.h"

#include <string>

#include "core/DM_Core.h"
#include "core/TiposDeError.h"
#include "core/frm_Splash.h"
#include "download/frm_Descargar.h"
#include "install/frm_Instalar.h"
#include "screens/frm_ElegirDescargarInstalar.h"
#include "screens/frm_Error.h"
#include "screens/frm_Finalizar.h"
#include "screens/frm_SeleccionarAplicaciones.h"
#include "screens/frm_SolicitarIdMirvalo.h"
#include "ui/Formularios.h"
#include "ui/Simulacion.h"

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

// The application selection with the development server's full sample catalogue, two of the
// bought applications already moved to the list to download.
Ventana& SeleccionDeAplicaciones() {
    Core().Institucion.EstableceIDMirvalo("ESCUELA001");
    Core().Institucion.ValidarInstitucion();
    auto& ventana = Pantalla::Abre<frm_SeleccionarAplicaciones>().Me();
    simulacion::EligeEnLaLista(ventana, "lstAplicacionesDisponibles", 1);
    simulacion::EligeEnLaLista(ventana, "lstAplicacionesDisponibles", 4);
    simulacion::Clic(ventana, "picBotonAgregar");
    simulacion::EligeEnLaLista(ventana, "lstAplicacionesDisponibles", 0);
    return ventana;
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
    capturas.push_back({"frm_SolicitarIdMirvalo",
                        []() -> Ventana& { return Pantalla::Abre<frm_SolicitarIdMirvalo>().Me(); }});
    capturas.push_back({"frm_ElegirDescargarInstalar",
                        []() -> Ventana& { return Pantalla::Abre<frm_ElegirDescargarInstalar>().Me(); }});
    capturas.push_back({"frm_SeleccionarAplicaciones", SeleccionDeAplicaciones});
    capturas.push_back({"frm_Descargar", []() -> Ventana& {
                            auto& ventana = Pantalla::Abre<frm_Descargar>().Me();
                            ventana.Obten<Temporizador>("tmrInicio").Enabled(false);  // the run would start
                            return ventana;
                        }});
    // The download screen as its run shows it, with sample progress.
    capturas.push_back(
        {"frm_Descargar-descargando", []() -> Ventana& {
             auto& ventana = Pantalla::Abre<frm_Descargar>().Me();
             ventana.Obten<Temporizador>("tmrInicio").Enabled(false);
             ventana.Obten<Etiqueta>("lblTitulo")
                 .Caption("Descargando instaladores en el Escritorio de Windows");
             ventana.Obten<Etiqueta>("lblProgresoIndividual").Caption("Descargando el archivo Tablas.bin");
             ventana.Obten<Etiqueta>("lblProgresoGeneral")
                 .Caption("Progreso general - 3 de 8 archivos descargados");
             for (const char* control : {"lblProgresoIndividual", "picProgresoIndividual",
                                         "lblProgresoGeneral", "picProgresoGeneral", "picBotonCancelar"})
                 ventana.Obten<ControlVisible>(control).Visible(true);
             MuestraElProgreso(ventana.Obten<CajaDeImagen>("picProgresoIndividual"), 64);
             MuestraElProgreso(ventana.Obten<CajaDeImagen>("picProgresoGeneral"), 38);
             return ventana;
         }});
    capturas.push_back({"frm_Instalar", []() -> Ventana& {
                            auto& ventana = Pantalla::Abre<frm_Instalar>().Me();
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
