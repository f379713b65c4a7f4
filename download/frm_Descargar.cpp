#include "download/frm_Descargar.h"

#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "core/DM_Core.h"
#include "core/Pantallas.h"
#include "core/RegistroDeFallos.h"
#include "core/TiposDeError.h"
#include "core/Ventanas.h"
#include "download/CarpetaDeDescarga.h"
#include "platform/EX_FoldersOS.h"
#include "platform/Error.h"
#include "platform/SistemaRaiz.h"

namespace mirvalo {
namespace {

constexpr const char* Modulo = "frm_Descargar";
constexpr int32_t PasadasMaximas = 3;

bool NecesitaElInstalador(int32_t modo) {
    return modo == 2 || modo == 3;
}
bool NecesitaLaInstalacion(int32_t modo) {
    return modo == 1 || modo == 3;
}

std::string SufijoDePlataforma(int32_t plataforma) {
    if (plataforma == 2) return " Cloud";
    if (plataforma == 1) return " Local";
    return {};
}

// A folder the run makes: its parent plus one level named from the configuration. A name with a
// separator would put the folder elsewhere (or climb out of the parent with ".."), so it is refused.
std::string CarpetaConNombre(const std::string& padre, const std::string& nombre) {
    if (nombre.find_first_of("\\/") != std::string::npos)
        throw Error::Estandar(errores::ErrorDeAccesoARuta, "folder name " + nombre);
    return padre + "\\" + nombre;
}

void CreaSiFalta(const std::string& carpeta) {
    if (!carpetas::ExisteLaCarpeta(carpeta)) carpetas::CreaLaCarpeta(carpeta);
}

std::string_view NombreDelArchivo(std::string_view ruta) {
    const auto barra = ruta.rfind('\\');
    return barra == std::string_view::npos ? ruta : ruta.substr(barra + 1);
}

// Nearest integer, ties to even.
int32_t Redondea(double valor) {
    if (!std::isfinite(valor)) return 0;
    const double redondeado = std::nearbyint(valor);
    if (redondeado <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    if (redondeado >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(redondeado);
}

// Labels repaint and resize on every change; the run sets the same text once per copy.
void Escribe(Etiqueta& etiqueta, std::string texto) {
    if (etiqueta.Caption() != texto) etiqueta.Caption(std::move(texto));
}

}  // namespace

frm_Descargar::frm_Descargar()
    : Pantalla("frm_Descargar", 11910, 4815),
      lblTitulo(Me().AgregaEtiqueta("lblTitulo", 0, 585, 12000, 480)),
      lblProgresoIndividual(Me().AgregaEtiqueta("lblProgresoIndividual", 360, 1560)),
      picProgresoIndividual(Me().AgregaCajaDeImagen("picProgresoIndividual", 360, 1920, 11175, 255)),
      lblProgresoGeneral(Me().AgregaEtiqueta("lblProgresoGeneral", 360, 2520)),
      picProgresoGeneral(Me().AgregaCajaDeImagen("picProgresoGeneral", 360, 2880, 11175, 255)),
      picBotonCancelar(Me().AgregaCajaDeImagen("picBotonCancelar", 4912, 3840, 2175, 615)),
      tmrInicio(Me().AgregaTemporizador("tmrInicio", 100)) {
    AgregaLaFranjaOficial(Me());

    lblTitulo.Alignment(Alineacion::Centro);
    lblTitulo.BackStyle(EstiloDeFondo::Transparente);
    lblTitulo.FontSize(18);
    lblTitulo.Caption("Recopilando información...");

    for (Etiqueta* etiqueta : {&lblProgresoIndividual, &lblProgresoGeneral}) {
        etiqueta->AutoSize(true);
        etiqueta->BackStyle(EstiloDeFondo::Transparente);
        etiqueta->Visible(false);
    }
    lblProgresoIndividual.Caption("Descargando el archivo X");
    lblProgresoGeneral.Caption("Progreso general - X de Y archivos descargados");

    for (CajaDeImagen* barra : {&picProgresoIndividual, &picProgresoGeneral}) {
        barra->FontName("Segoe UI");
        barra->FontSize(8.25);
        barra->Visible(false);
    }
    picBotonCancelar.Visible(false);

    tmrInicio.on_tick = [this] { tmrInicio_Timer(); };
    Me().on_movimiento = [this] { Form_MouseMove(); };
}

void frm_Descargar::Form_Load() {
    try {
        ConfiguraLaVentana(Me());
        PreparaElBoton(btnCancelar, Me(), picBotonCancelar, "Cancelar", RGB(200, 50, 0),
                       [this] { btnCancelar_Click(); });
        botones_.push_back(&btnCancelar);
        EstilaLaBarraDeProgreso(picProgresoIndividual);
        EstilaLaBarraDeProgreso(picProgresoGeneral);
        lblProgresoIndividual.Caption("Progreso por archivo");
        lblProgresoGeneral.Caption("Progreso general");
        CanceladoPorElUsuario = false;
        tmrInicio.Enabled(true);
        Core().Descarga.GuardarDetalle(500, true, "");
    } catch (const std::exception& fallo) {
        RegistraElFallo("Form_Load", fallo);
    }
}

void frm_Descargar::Form_MouseMove() {
    for (Ctrl_Button* boton : botones_) boton->Apagar();
}

void frm_Descargar::tmrInicio_Timer() {
    try {
        // First, so that the events let through during the run cannot start it again.
        tmrInicio.Enabled(false);
        El_Descarga& descarga = Core().Descarga;

        lblTitulo.Caption("Recopilando información...");
        // Without a plan there is nothing to check the copies against: going on would hand over a
        // run that fetched nothing as a success.
        if (!descarga.ObtenerArchivosADescargar()) {
            TerminaConErrorDeDescarga("No se pudo obtener la lista de archivos.");
            return;
        }
        const int32_t modo = descarga.Asistente();
        lblTitulo.Caption(modo == 1 ? "Descargando instaladores"
                                    : "Descargando instaladores en el Escritorio de Windows");
        for (ControlVisible* control : std::initializer_list<ControlVisible*>{
                 &lblProgresoIndividual, &picProgresoIndividual, &lblProgresoGeneral, &picProgresoGeneral,
                 &picBotonCancelar})
            control->Visible(true);

        CreaLaCarpetasNecesarias();
        DescargaLosArchivos();
        if (!ValidaQueSeHayanDescargadoLosArchivos()) return;
        pantallas::EntregaA(Me(), NecesitaLaInstalacion(modo) ? "frm_Instalar" : "frm_Finalizar");
    } catch (const std::exception& fallo) {
        RegistraElFallo("tmrInicio_Timer", fallo);
    }
}

void frm_Descargar::CreaLaCarpetasNecesarias() {
    try {
        DM_Core& core = Core();
        El_Descarga& descarga = core.Descarga;
        const int32_t modo = descarga.Asistente();
        const std::string nombre =
            core.Configuraciones.PlataformaNombre() + SufijoDePlataforma(descarga.Plataforma());
        if (NecesitaElInstalador(modo)) {
            const std::string carpeta = CarpetaConNombre(EX_FoldersOS().GetSpecialfolder(csidl::Desktop),
                                                         "Instalador de Mirvalo " + nombre);
            descarga.EstableceCarpetaInstalador(carpeta);
            CreaSiFalta(carpeta);
        }
        if (NecesitaLaInstalacion(modo)) {
            const std::string carpeta =
                CarpetaConNombre(sistema::Entorno("ProgramFiles"), "Mirvalo " + nombre);
            descarga.EstableceCarpetaInstalacion(carpeta);
            CreaSiFalta(carpeta);
        }
        descarga.GuardarDetalle(501, true, "");
    } catch (const std::exception& fallo) {
        const Error error = fallos::ComoError(fallo);
        Core().Descarga.GuardarDetalle(
            501, false, fallos::ConElError("No se pudieron crear las carpetas necesarias.", error) + ".");
        RegistraElFallo("CreaLaCarpetasNecesarias", error);
    }
}

void frm_Descargar::DescargaLosArchivos() {
    try {
        El_Descarga& descarga = Core().Descarga;
        std::vector<El_Archivo>& archivos = descarga.Archivos();
        const int32_t modo = descarga.Asistente();
        int32_t pasada = 1;
        while (pasada <= PasadasMaximas && HayArchivosPorDescargar(archivos)) {
            int32_t enSuLugar = 0;
            for (El_Archivo& archivo : archivos) {
                DejaCorrerEventos();
                bool listo = false;
                if (NecesitaElInstalador(modo)) listo = ProduceLaCopiaDelInstalador(archivo);
                if (NecesitaLaInstalacion(modo)) listo = ProduceLaCopiaDeLaInstalacion(archivo, modo);
                if (listo) MuestraElProgresoGeneral(++enSuLugar, archivos.size());
            }
            ++pasada;
        }
        descarga.GuardarDetalle(502, true, "Intentos: " + std::to_string(pasada - 1));
    } catch (const std::exception& fallo) {
        const Error error = fallos::ComoError(fallo);
        Core().Descarga.GuardarDetalle(502, false,
                                       fallos::ConElError("No se pudieron descargar los archivos.", error));
        RegistraElFallo("DescargaLosArchivos", error);
    }
}

bool frm_Descargar::ProduceLaCopiaDelInstalador(El_Archivo& archivo) {
    const El_Descarga& descarga = Core().Descarga;
    MuestraElArchivo(archivo.RutaInstalador);
    CreaLaCarpeta(descarga.CarpetaInstalador(), archivo.RutaInstalador);
    // A path that would leave the folder was refused (and logged) by CreaLaCarpeta.
    const std::optional<std::string> destino =
        carpetas::RutaDentroDe(descarga.CarpetaInstalador(), archivo.RutaInstalador);
    if (!destino)
        archivo.DescargadoParaInstalador = false;
    else if (ExisteElArchivoADescargar(*destino, archivo.Peso))
        archivo.DescargadoParaInstalador = true;
    else
        archivo.DescargadoParaInstalador = DescargaElArchivo(archivo.RutaServidor, *destino);
    return archivo.DescargadoParaInstalador;
}

bool frm_Descargar::ProduceLaCopiaDeLaInstalacion(El_Archivo& archivo, int32_t modo) {
    const El_Descarga& descarga = Core().Descarga;
    MuestraElArchivo(archivo.RutaInstalacion);
    CreaLaCarpeta(descarga.CarpetaInstalacion(), archivo.RutaInstalacion);
    if (archivo.RutaInstalacion.empty()) {
        archivo.DescargadoParaInstalacion = true;
        return true;
    }
    const std::optional<std::string> destino =
        carpetas::RutaDentroDe(descarga.CarpetaInstalacion(), archivo.RutaInstalacion);
    if (!destino) {
        archivo.DescargadoParaInstalacion = false;
    } else if (ExisteElArchivoADescargar(*destino, archivo.Peso)) {
        archivo.DescargadoParaInstalacion = true;
    } else if (modo == 3) {
        // Never fetched twice: the installer copy of this pass is the source.
        const std::optional<std::string> origen =
            carpetas::RutaDentroDe(descarga.CarpetaInstalador(), archivo.RutaInstalador);
        archivo.DescargadoParaInstalacion = origen && CopiaElArchivo(*origen, *destino);
    } else {
        archivo.DescargadoParaInstalacion = DescargaElArchivo(archivo.RutaServidor, *destino);
    }
    return archivo.DescargadoParaInstalacion;
}

void frm_Descargar::MuestraElArchivo(std::string_view rutaRelativa) {
    Escribe(lblProgresoIndividual, "Descargando el archivo " + std::string(NombreDelArchivo(rutaRelativa)));
}

void frm_Descargar::MuestraElProgresoGeneral(int32_t enSuLugar, std::size_t total) {
    Escribe(lblProgresoGeneral, "Progreso general - " + std::to_string(enSuLugar) + " de " +
                                    std::to_string(total) + " archivos descargados");
    MuestraElProgreso(picProgresoGeneral, Redondea(100.0 / static_cast<double>(total) * enSuLugar));
}

bool frm_Descargar::HayArchivosPorDescargar(const std::vector<El_Archivo>& archivos) {
    try {
        const int32_t modo = Core().Descarga.Asistente();
        for (const El_Archivo& archivo : archivos) {
            if (NecesitaElInstalador(modo) && !archivo.DescargadoParaInstalador) return true;
            if (NecesitaLaInstalacion(modo) && !archivo.DescargadoParaInstalacion) return true;
        }
        return false;
    } catch (const std::exception& fallo) {
        RegistraElFallo("HayArchivosPorDescargar", fallo);
        return false;
    }
}

bool frm_Descargar::ValidaQueSeHayanDescargadoLosArchivos() {
    bool faltanArchivos = false;
    try {
        El_Descarga& descarga = Core().Descarga;
        if (!HayArchivosPorDescargar(descarga.Archivos())) {
            descarga.GuardarDetalle(503, true, "");
            return true;
        }
        faltanArchivos = true;
        std::string descripcion = "No se descargaron correctamente varios archivos después de 3 intentos.";
        if (TieneAvastEjecutandose()) descripcion += " Antivirus Avast = Sí.";
        TerminaConErrorDeDescarga(descripcion);
        return false;
    } catch (const std::exception& fallo) {
        RegistraElFallo("ValidaQueSeHayanDescargadoLosArchivos", fallo);
        return !faltanArchivos;
    }
}

void frm_Descargar::TerminaConErrorDeDescarga(std::string_view descripcion) {
    DM_Core& core = Core();
    core.Descarga.GuardarDetalle(503, false, descripcion);
    core.Configuraciones.EstableceError(ErrorDescarga);
    pantallas::EntregaA(Me(), "frm_Error");
}

void frm_Descargar::RegistraElFallo(std::string_view procedimiento, const std::exception& fallo) {
    fallos::RegistraElFallo(Modulo, procedimiento, fallo);
}

}  // namespace mirvalo
