#include "install/SecurityFolder.h"

#include <algorithm>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "core/DM_Core.h"
#include "install/ArchivosDeInstalacion.h"
#include "install/ReportesDeInstalacion.h"
#include "platform/Eventos.h"
#include "platform/Procesos.h"

namespace mirvalo {
namespace {

constexpr std::chrono::milliseconds Pausa{250};

}  // namespace

SecurityFolder::SecurityFolder(DM_Core& core, std::chrono::milliseconds espera)
    : core_(core), espera_(espera) {}

std::string SecurityFolder::Ruta() const {
    return core_.Descarga.ObtenerLaRutaDeInstalacionDelArchivo("SecurityFolder.exe");
}

bool SecurityFolder::Llama(std::string_view ruta, std::string_view operacion, std::string_view argumento,
                           std::string_view log) const {
    try {
        procesos::Inicia(std::vector<std::string>{std::string(ruta), std::string(operacion),
                                                  std::string(argumento), std::string(log)},
                         procesos::Ventana::Normal);
    } catch (const std::exception&) {
        // The start's result is not examined: only the log file tells that the tool did its work.
    }
    return EsperaAQueExistaElArchivo(log);
}

bool SecurityFolder::EsperaAQueExistaElArchivo(std::string_view ruta) const {
    try {
        using Reloj = std::chrono::steady_clock;
        const Reloj::time_point limite = Reloj::now() + espera_;
        for (;;) {
            const Reloj::time_point ahora = Reloj::now();
            if (ahora >= limite) return false;
            DejaCorrerEventos();
            if (instalacion::ExisteElArchivo(ruta)) return true;
            std::this_thread::sleep_for(std::min<Reloj::duration>(Pausa, limite - ahora));
        }
    } catch (const std::exception& fallo) {
        instalacion::RegistraElFallo(core_, "EsperaAQueExistaElArchivo", fallo);
        return false;
    }
}

}  // namespace mirvalo
