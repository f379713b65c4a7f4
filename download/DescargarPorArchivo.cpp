// The download screen's operations on one copy of one file (folder chain, existence test, transfer,
// copy) and its cancel button: the half of frm_Descargar that the passes of the run call per copy.
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "core/DM_Core.h"
#include "download/CarpetaDeDescarga.h"
#include "download/frm_Descargar.h"
#include "platform/Error.h"
#include "platform/ListaDeProcesos.h"
#include "platform/Texto.h"

namespace mirvalo {
namespace {

constexpr const char* Modulo = "frm_Descargar";
constexpr std::string_view CodigoDeCancelacion = "998";

}  // namespace

void frm_Descargar::CreaLaCarpeta(std::string_view carpeta, std::string_view rutaRelativa) {
    try {
        if (!carpetas::ExisteLaCarpeta(carpeta)) carpetas::CreaLaCarpeta(carpeta);
        if (rutaRelativa.empty()) return;
        // The plan comes from the server: a path that would leave the folder gets nothing made or
        // written for it, and its copy fails.
        if (!carpetas::QuedaDentro(rutaRelativa))
            throw Error::Estandar(errores::ErrorDeAccesoARuta,
                                  "outside the folder: " + std::string(rutaRelativa));
        // Every part but the last, which is the file's own name. Windows takes '/' for a separator
        // too, and so does the emulation.
        std::string ruta(carpeta);
        for (std::size_t inicio = 0, barra;
             (barra = rutaRelativa.find_first_of("\\/", inicio)) != std::string_view::npos;
             inicio = barra + 1) {
            ruta += '\\';
            ruta += rutaRelativa.substr(inicio, barra - inicio);
            if (!carpetas::ExisteLaCarpeta(ruta)) carpetas::CreaLaCarpeta(ruta);
        }
    } catch (const std::exception& fallo) {
        RegistraElFallo("CreaLaCarpeta", fallo);
    }
}

bool frm_Descargar::ExisteElArchivoADescargar(std::string_view ruta, int32_t peso) {
    try {
        return carpetas::ExisteConElTamano(ruta, peso);
    } catch (const std::exception& fallo) {
        RegistraElFallo("ExisteElArchivoADescargar", fallo);
        return false;
    }
}

bool frm_Descargar::DescargaElArchivo(std::string_view direccion, std::string_view destino) {
    bool descargado = false;
    try {
        Down = std::make_unique<EX_Download>();
        Down->Progreso = [this](int64_t longitud, int64_t recibido, double avance, int32_t transcurrido,
                                double faltante, int64_t& velocidad, bool& detener) {
            Down_Progreso(longitud, recibido, avance, transcurrido, faltante, velocidad, detener);
        };
        Down->Fichero(destino);
        Down->URL(direccion);
        Down->Descargar(1);
        // A click heard after the transfer's last progress event has nothing left to stop: it
        // ends the run here, before anything else is written.
        if (CanceladoPorElUsuario || (Down->HuboError() && Down->StatusCode() == CodigoDeCancelacion)) {
            Down.reset();
            btnCancelar_Click();
            return false;
        }
        if (Down->HuboError()) {
            Core().Fallos.RegistrarFallo(Modulo, "DescargaElArchivo", 0,
                                         "No se pudo descargar el archivo (" + Down->StatusCode() + ") '" +
                                             std::string(direccion) + "' en '" + std::string(destino) + "'.");
        } else {
            descargado = true;
        }
    } catch (const std::exception&) {
        try {
            Core().Fallos.RegistrarFallo(Modulo, "DescargaElArchivo", 0,
                                         "No se pudo descargar el archivo '" + std::string(direccion) +
                                             "' en '" + std::string(destino) + "'.");
        } catch (const std::exception&) {
        }
        descargado = false;
    }
    Down.reset();
    return descargado;
}

void frm_Descargar::Down_Progreso(int64_t, int64_t, double Avance, int32_t, double, int64_t&, bool& Detener) {
    try {
        if (CanceladoPorElUsuario) Detener = true;
        // Draws only when the whole percentage changes: this runs once per block.
        MuestraElProgreso(picProgresoIndividual,
                          static_cast<int32_t>(std::nearbyint(std::clamp(Avance, 0.0, 100.0))));
    } catch (const std::exception& fallo) {
        RegistraElFallo("Down_Progreso", fallo);
    }
}

bool frm_Descargar::CopiaElArchivo(std::string_view origen, std::string_view destino) {
    try {
        return carpetas::CopiaSobrescribiendo(origen, destino);
    } catch (const std::exception& fallo) {
        RegistraElFallo("CopiaElArchivo", fallo);
        return false;
    }
}

void frm_Descargar::btnCancelar_Click() {
    try {
        CanceladoPorElUsuario = true;
        // The running transfer sees the flag at its next block, ends as cancelled and removes its
        // temporary file; DescargaElArchivo then comes back here with no transfer running.
        if (Down) return;
        const El_Descarga& descarga = Core().Descarga;
        if (!descarga.CarpetaInstalador().empty()) EliminaArchivosTemporales(descarga.CarpetaInstalador());
        if (!descarga.CarpetaInstalacion().empty()) EliminaArchivosTemporales(descarga.CarpetaInstalacion());
        TerminaElProceso();
    } catch (const std::exception& fallo) {
        RegistraElFallo("picBotonCancelar", fallo);
    }
}

void frm_Descargar::EliminaArchivosTemporales(std::string_view carpeta) {
    try {
        carpetas::EliminaLosTemporales(carpeta);
    } catch (const std::exception& fallo) {
        RegistraElFallo("EliminaArchivosTemporales", fallo);
    }
}

bool frm_Descargar::TieneAvastEjecutandose() {
    try {
        for (const procesos::ProcesoEnEjecucion& proceso : procesos::ProcesosEnEjecucion()) {
            if (texto::IgualesSinMayusculas(proceso.nombre, "avastui.exe") ||
                texto::IgualesSinMayusculas(proceso.nombreCorto, "avastui.exe"))
                return true;
        }
        return false;
    } catch (const std::exception&) {
        // A list that cannot be read counts as no such process.
        return false;
    }
}

}  // namespace mirvalo
