#include "core/frm_Splash.h"

#include <utility>

#include "core/DM_Core.h"
#include "core/NetFrameworkDisponible.h"
#include "core/Pantallas.h"
#include "core/RegistroDeFallos.h"
#include "core/TiposDeError.h"
#include "core/Ventanas.h"
#include "platform/Construccion.h"
#include "platform/EX_UserOS.h"

namespace mirvalo {
namespace {

constexpr const char* Modulo = "frm_Splash";

// The product's wordmark, drawn rather than loaded so that the assistant carries no picture files:
// "Mir" and "valo" in the stripe's two deep colours over a bar of its three colours.
void DibujaElLogotipo(CajaDeImagen& logo) {
    constexpr Color Verde = RGB(0, 102, 102);
    constexpr Color Azul = RGB(0, 79, 142);
    constexpr Color Gris = RGB(231, 230, 230);
    constexpr double AltoDeLaBarra = 150;
    constexpr double Separacion = 60;

    logo.Cls();
    logo.FontName("Segoe UI");
    logo.FontSize(60);
    logo.FontBold(true);
    const double anchoMir = logo.TextWidth("Mir");
    const double ancho = anchoMir + logo.TextWidth("valo");
    const double alto = logo.TextHeight("Mirvalo");
    const double izquierda = (logo.ScaleWidth() - ancho) / 2;
    const double arriba = (logo.ScaleHeight() - alto - Separacion - AltoDeLaBarra) / 2;

    logo.ForeColor(Verde);
    logo.CurrentX(izquierda);
    logo.CurrentY(arriba);
    logo.Print("Mir");
    logo.ForeColor(Azul);
    logo.CurrentX(izquierda + anchoMir);
    logo.CurrentY(arriba);
    logo.Print("valo");

    const double barra = arriba + alto + Separacion;
    const Color colores[] = {Verde, Azul, Gris};
    const double partes[] = {0.33, 0.33, 0.34};
    double x = izquierda;
    for (int i = 0; i < 3; ++i) {
        logo.ForeColor(colores[i]);
        logo.CajaRellena(x, barra, x + ancho * partes[i], barra + AltoDeLaBarra);
        x += ancho * partes[i];
    }
}

}  // namespace

frm_Splash::frm_Splash() : frm_Splash([] { return EX_UserOS().IsAdministrator() != 0; }) {}

frm_Splash::frm_Splash(PruebaDeAdministrador esAdministrador)
    : Pantalla("frm_Splash", 11910, 4815),
      esAdministrador_(std::move(esAdministrador)),
      picLogoMV(Me().AgregaCajaDeImagen("picLogoMV", 0, 0, 7575, 2175)),
      tmrInicio(Me().AgregaTemporizador("tmrInicio", 100)) {
    picLogoMV.BorderStyle(EstiloDeBorde::Ninguno);
    picLogoMV.BackColor(Me().BackColor());
    DibujaElLogotipo(picLogoMV);
    tmrInicio.on_tick = [this] { tmrInicio_Timer(); };
}

void frm_Splash::Form_Load() {
    try {
        DM_Core& core = CreaElCore();
        // The probe and the announcement run here, before the window is first painted.
        core.CargarConfiguraciones(static_cast<int16_t>(construccion::VersionMenor));
        ConfiguraLaVentana(Me());
        picLogoMV.Top((Me().Height() - picLogoMV.Height()) / 2);
        picLogoMV.Left((Me().Width() - picLogoMV.Width()) / 2);
        core.Descarga.GuardarDetalle(100, true, "");
        tmrInicio.Enabled(true);
    } catch (const std::exception& fallo) {
        if (ExisteElCore()) fallos::RegistraElFallo(Modulo, "Form_Load", fallo);
    }
}

void frm_Splash::tmrInicio_Timer() {
    try {
        tmrInicio.Enabled(false);
        IniciaLaApp();
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "tmrInicio_Timer", fallo);
    }
}

void frm_Splash::IniciaLaApp() {
    try {
        DM_Core& core = Core();
        const El_Configuraciones& configuraciones = core.Configuraciones;
        El_Descarga& descarga = core.Descarga;
        const auto revisionDeLaAplicacion = static_cast<int16_t>(construccion::VersionRevision);

        struct Verificacion {
            int32_t paso;
            std::function<bool()> cumple;
            const char* descripcionDelFallo;
            TipoDeError tipo;
        };
        const Verificacion verificaciones[] = {
            {101, [this] { return esAdministrador_(); },
             "No se inició la aplicación con permisos de Administrador.", ErrorAdministrador},
            {102, [&] { return configuraciones.CargoCorrectamente(); },
             "La aplicación no se pudo conectar al servidor S2 con la Web API.", ErrorConexionS2},
            {103, [&] { return configuraciones.Activo(); }, "La aplicación no se encuentra activa.",
             ErrorMantenimiento},
            {104, [&] { return revisionDeLaAplicacion >= configuraciones.Revision(); },
             "La aplicación se encuentra desactualizada.", ErrorVersion},
        };
        for (const Verificacion& verificacion : verificaciones) {
            const bool cumple = verificacion.cumple();
            descarga.GuardarDetalle(verificacion.paso, cumple,
                                    cumple ? "" : verificacion.descripcionDelFallo);
            if (!cumple) {
                DetieneConError(verificacion.tipo);
                return;
            }
        }

        switch (configuraciones.Asistente()) {
            case 0:
            case 2: pantallas::EntregaA(Me(), "frm_SolicitarIdMirvalo"); return;
            case 1:
                if (!NetFrameworkDisponible()) {
                    descarga.GuardarDetalle(105, false, "El equipo no cuenta con .Net Framework 2.0");
                    DetieneConError(ErrorNetFramework);
                    return;
                }
                descarga.GuardarDetalle(105, true, "");
                // Kind 1 installs on this computer only, without asking for an ID or applications.
                descarga.EstablecePlataforma(configuraciones.Plataforma());
                descarga.EstableceAsistente(configuraciones.Asistente());
                pantallas::EntregaA(Me(), "frm_Descargar");
                return;
            default:
                // An assistant kind this build does not know: the window stays and the run goes no further.
                return;
        }
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "IniciaLaApp", fallo);
    }
}

void frm_Splash::DetieneConError(int32_t tipo) {
    Core().Configuraciones.EstableceError(tipo);
    pantallas::EntregaA(Me(), "frm_Error");
}

}  // namespace mirvalo
