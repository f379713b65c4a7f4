#include "platform/EX_NetFramework.h"

#include "platform/Eventos.h"
#include "platform/Procesos.h"
#include "platform/Registro.h"
#include "platform/Texto.h"

#include <string>
#include <vector>

namespace mirvalo {
namespace {

constexpr const char* ClaveDeVersiones = "SOFTWARE\\Microsoft\\NET Framework Setup\\NDP";
constexpr const char* LineaDeActivacion = "DISM /Online /Enable-Feature /FeatureName:NetFx3 /All";

}  // namespace

int16_t EX_NetFramework::Instalado() const {
    std::string lista;
    try {
        std::vector<std::string> versiones =
            registro::Subclaves(registro::Rama::MaquinaLocal, ClaveDeVersiones);
        for (const std::string& version : versiones) {
            DejaCorrerEventos();
            lista += version + ";";
        }
    } catch (const std::exception&) {
        // An unreadable or missing key leaves the list as it is: no version found.
    }
    return texto::Mayusculas(lista).find("V2.0") != std::string::npos ? -1 : 0;
}

int16_t EX_NetFramework::ActivaNetFramework35() const {
    try {
        // The exit code is not examined: DISM that ends with an error still ran to its end.
        procesos::IniciaYEspera(LineaDeActivacion, procesos::Ventana::Normal);
        return -1;
    } catch (const std::exception&) {
        return 0;
    }
}

}  // namespace mirvalo
