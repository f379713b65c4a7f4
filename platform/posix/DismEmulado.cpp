#include "platform/posix/DismEmulado.h"

#include "platform/Registro.h"
#include "platform/SistemaRaiz.h"
#include "platform/Texto.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace mirvalo::procesos {
namespace {

constexpr int BadParameter = 87;
constexpr int UnknownFeature = static_cast<int>(0x800F080Cu);

bool Es(std::string_view argumento, std::string_view opcion) {
    return texto::IgualesSinMayusculas(argumento, opcion);
}

bool Empieza(std::string_view argumento, std::string_view prefijo) {
    return argumento.size() >= prefijo.size() && Es(argumento.substr(0, prefijo.size()), prefijo);
}

int CodigoForzado() {
    const char* valor = std::getenv("MIRVALO_DISM_EXIT_CODE");
    if (!valor || !*valor) return 0;
    std::string_view texto(valor);
    long long codigo = 0;
    const bool hexadecimal = texto.starts_with("0x") || texto.starts_with("0X");
    if (hexadecimal) texto.remove_prefix(2);
    auto [fin, error] =
        std::from_chars(texto.data(), texto.data() + texto.size(), codigo, hexadecimal ? 16 : 10);
    if (error != std::errc() || fin != texto.data() + texto.size()) return 1;
    return static_cast<int>(static_cast<uint32_t>(codigo));
}

void RegistraVersion(const std::string& clave, std::string_view version, uint32_t paqueteDeServicio) {
    using registro::Rama;
    registro::EscribeDword(Rama::MaquinaLocal, clave, "Install", 1);
    registro::EscribeTexto(Rama::MaquinaLocal, clave, "Version", version);
    registro::EscribeDword(Rama::MaquinaLocal, clave, "SP", paqueteDeServicio);
}

}  // namespace

int EjecutaDism(const std::vector<std::string>& argumentos) {
    bool enLinea = false;
    bool activar = false;
    std::string caracteristica;
    for (const std::string& argumento : argumentos) {
        if (Es(argumento, "/Online"))
            enLinea = true;
        else if (Es(argumento, "/Enable-Feature"))
            activar = true;
        else if (Empieza(argumento, "/FeatureName:"))
            caracteristica = argumento.substr(13);
        else if (Es(argumento, "/All") || Es(argumento, "/Quiet") || Es(argumento, "/NoRestart") ||
                 Es(argumento, "/LimitAccess") || Empieza(argumento, "/Source:"))
            continue;
        else
            return BadParameter;
    }
    if (!enLinea || !activar || caracteristica.empty()) return BadParameter;
    if (!Es(caracteristica, "NetFx3")) {
        sistema::AnotaEnElDiario("DISM: unknown feature " + caracteristica);
        return UnknownFeature;
    }
    if (const int forzado = CodigoForzado(); forzado != 0) {
        sistema::AnotaEnElDiario("DISM: NetFx3 not enabled, exit code " + std::to_string(forzado));
        return forzado;
    }

    const std::string ndp = "SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\";
    RegistraVersion(ndp + "v2.0.50727", "2.0.50727.4927", 2);
    RegistraVersion(ndp + "v3.0", "3.0.30729.4926", 2);
    RegistraVersion(ndp + "v3.5", "3.5.30729.4926", 1);
    sistema::AnotaEnElDiario("DISM: NetFx3 enabled");
    return 0;
}

}  // namespace mirvalo::procesos
