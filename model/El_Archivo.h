#pragma once
#include <cstdint>
#include <string>

namespace mirvalo {

// One file of a download's plan. Made from the server's answer with both flags false; only the
// download run sets them.
struct El_Archivo {
    std::string RutaServidor;     // full HTTP address the file is downloaded from
    std::string RutaInstalador;   // path under the installer folder, backslash-separated
    std::string RutaInstalacion;  // path under the installation folder; empty when not installed here
    int32_t Peso = 0;             // expected size in bytes: a copy is present only at exactly this size
    bool DescargadoParaInstalador = false;
    bool DescargadoParaInstalacion = false;
};

}  // namespace mirvalo
