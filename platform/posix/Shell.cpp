#include "platform/Shell.h"

#include "platform/Error.h"
#include "platform/LineaDeOrdenes.h"
#include "platform/Procesos.h"
#include "platform/SistemaRaiz.h"
#include "platform/Texto.h"
#include "platform/posix/ProcesosHijos.h"
#include "platform/posix/ProgramasEmulados.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace mirvalo::sistema {
namespace {

namespace fs = std::filesystem;

// "https:", "mailto:"... A single letter before ':' is a drive, not a scheme.
bool EsDireccion(std::string_view texto) {
    const std::size_t dosPuntos = texto.find(':');
    if (dosPuntos == std::string_view::npos || dosPuntos < 2) return false;
    auto esLetra = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (!esLetra(texto[0])) return false;
    for (char c : texto.substr(0, dosPuntos)) {
        if (!esLetra(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return false;
    }
    return true;
}

bool HayEscritorio() {
    auto definida = [](const char* nombre) {
        const char* valor = std::getenv(nombre);
        return valor && *valor;
    };
    const char* plataforma = std::getenv("QT_QPA_PLATFORM");
    const std::string_view ventanas = plataforma ? plataforma : "";
    const bool fueraDePantalla = ventanas.starts_with("offscreen") || ventanas.starts_with("minimal");
    return (definida("DISPLAY") || definida("WAYLAND_DISPLAY")) && !fueraDePantalla;
}

bool EsPrograma(const fs::path& ruta) {
    if (access(ruta.c_str(), X_OK) == 0) return true;
    const std::string extension = ruta.extension().string();
    for (const char* deProgramas : {".exe", ".com", ".bat", ".cmd"})
        if (texto::IgualesSinMayusculas(extension, deProgramas)) return true;
    return false;
}

void EntregaAlEscritorio(const std::string& destino) {
    if (!HayEscritorio()) return;
    procesos::Hijo hijo;
    hijo.programa = "xdg-open";
    hijo.argumentos = {"xdg-open", destino};
    hijo.oculto = true;
    hijo.buscarEnPath = true;
    try {
        procesos::RecogeAlTerminar(procesos::IniciaHijo(hijo));
    } catch (const Error& error) {
        AnotaEnElDiario(std::string("shell open: xdg-open could not start: ") + error.what());
    }
}

bool IniciaElPrograma(std::string_view archivo, std::string_view parametros) {
    std::vector<std::string> programaYArgumentos{std::string(archivo)};
    for (std::string& argumento : procesos::DivideLosParametros(parametros))
        programaYArgumentos.push_back(std::move(argumento));
    try {
        procesos::Inicia(programaYArgumentos, procesos::Ventana::Normal);
        return true;
    } catch (const Error& error) {
        AnotaEnElDiario("shell open: " + std::string(archivo) + " could not start: " + error.what());
        return false;
    }
}

}  // namespace

bool AbreConElShell(std::string_view archivo, std::string_view parametros) {
    if (EsDireccion(archivo)) {
        AnotaEnElDiario("shell open: " + std::string(archivo));
        EntregaAlEscritorio(std::string(archivo));
        return true;
    }
    if (procesos::BuscaProgramaEmulado(archivo)) return IniciaElPrograma(archivo, parametros);

    const fs::path ruta = RutaNativa(archivo);
    std::error_code error;
    if (fs::is_regular_file(ruta, error) && EsPrograma(ruta)) return IniciaElPrograma(archivo, parametros);
    if (!fs::exists(ruta, error)) {
        AnotaEnElDiario("shell open: " + std::string(archivo) + " not found");
        return false;
    }
    AnotaEnElDiario("shell open: " + std::string(archivo));
    EntregaAlEscritorio(ruta.string());
    return true;
}

}  // namespace mirvalo::sistema
