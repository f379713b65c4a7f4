#pragma once
// Header only: it is compiled into the test executables that link the core, the forms layer and
// the development server, which the support library itself does not link.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "core/DM_Core.h"
#include "core/Pantallas.h"
#include "tools/sandbox-server/ServidorSandbox.h"
#include "ui/Formularios.h"
#include "ui/Simulacion.h"

namespace mirvalo::prueba {

// A step report as the server received it.
struct PasoReportado {
    int idDescarga = 0;
    int paso = 0;
    int status = 0;
    std::string descripcion;

    bool operator==(const PasoReportado&) const = default;
    friend std::ostream& operator<<(std::ostream& salida, const PasoReportado& p) {
        return salida << "{" << p.idDescarga << ", " << p.paso << ", " << p.status << ", \"" << p.descripcion
                      << "\"}";
    }
};

// The step reports among the development server's report lines, in order. Numbers may arrive as
// JSON numbers or as texts; descriptions here carry no escapes.
inline std::vector<PasoReportado> PasosReportados(const std::vector<std::string>& lineas) {
    static const std::regex detalle(
        R"re("tipo":"detalle","Id_Descarga":"?(-?\d+)"?,"Id_Paso":"?(\d+)"?,"Status":"?(\d+)"?,"Descripcion":"([^"]*)")re");
    std::vector<PasoReportado> pasos;
    for (const std::string& linea : lineas) {
        std::smatch partes;
        if (std::regex_search(linea, partes, detalle))
            pasos.push_back({std::stoi(partes[1]), std::stoi(partes[2]), std::stoi(partes[3]), partes[4]});
    }
    return pasos;
}

// The failure reports among the report lines, whole.
inline std::vector<std::string> FallosReportados(const std::vector<std::string>& lineas) {
    std::vector<std::string> fallos;
    for (const std::string& linea : lineas)
        if (linea.find("\"tipo\":\"fallo\"") != std::string::npos) fallos.push_back(linea);
    return fallos;
}

// For tests of the wizard's screens: a fresh system root, the window system on the offscreen
// platform with the end of the process simulated, no core and no registered screen. A test
// registers stand-ins for the screens it expects to be shown, and points the assistant at its
// own development server (or at a closed port).
class PantallasDePrueba : public ::testing::Test {
protected:
    void SetUp() override {
        std::string plantilla =
            (std::filesystem::temp_directory_path() / "mirvalo-pantallas-XXXXXX").string();
        ASSERT_NE(mkdtemp(plantilla.data()), nullptr);
        raiz_ = plantilla;
        setenv("MIRVALO_SYSTEM_ROOT", raiz_.c_str(), 1);
        for (const char* variable :
             {"DISPLAY", "WAYLAND_DISPLAY", "MIRVALO_DISM_EXIT_CODE", "MIRVALO_SITE_URL"})
            unsetenv(variable);
        simulacion::AseguraLaAplicacion();
        simulacion::SimulaLaTerminacion();
        simulacion::RespondeALasPreguntas(nullptr);
        pantallas::OlvidaTodas();
        DescartaElCore();
    }

    void TearDown() override {
        for (Pantalla* pantalla : Pantalla::Abiertas()) pantalla->Me().Unload();
        simulacion::DejaPasar(std::chrono::milliseconds(1));
        simulacion::RespondeALasPreguntas(nullptr);
        pantallas::OlvidaTodas();
        DescartaElCore();
        servidor_.reset();
        std::error_code error;
        std::filesystem::remove_all(raiz_, error);
    }

    // Starts the development server on a free loopback port and points the assistant at it.
    sandbox::ServidorSandbox& ArrancaElServidor(sandbox::Opciones opciones = {}) {
        opciones.puerto = 0;
        servidor_ = std::make_unique<sandbox::ServidorSandbox>(opciones);
        servidor_->Inicia();
        setenv("MIRVALO_API_URL", servidor_->Url().c_str(), 1);
        return *servidor_;
    }

    // Points the assistant at a loopback port where nothing listens.
    void ApuntaAUnPuertoCerrado() {
        sandbox::Opciones opciones;
        opciones.puerto = 0;
        sandbox::ServidorSandbox cerrado(opciones);
        cerrado.Inicia();
        setenv("MIRVALO_API_URL", cerrado.Url().c_str(), 1);
    }

    // A stand-in for the screen `nombre` that only notes, in Mostradas(), that it was shown.
    void RegistraComoMostrada(const std::string& nombre) {
        pantallas::Registra(nombre, [this, nombre] { mostradas_.push_back(nombre); });
    }
    const std::vector<std::string>& Mostradas() const { return mostradas_; }

    // What the emulation did in place of Windows facilities (shell opens...), line by line.
    std::vector<std::string> Diario() const {
        std::ifstream archivo(raiz_ / "journal.log");
        std::vector<std::string> lineas;
        for (std::string linea; std::getline(archivo, linea);) lineas.push_back(linea);
        return lineas;
    }
    std::vector<std::string> AperturasDelShell() const {
        std::vector<std::string> aperturas;
        for (const std::string& linea : Diario())
            if (linea.find("shell open") != std::string::npos) aperturas.push_back(linea);
        return aperturas;
    }

    std::filesystem::path raiz_;

private:
    std::unique_ptr<sandbox::ServidorSandbox> servidor_;
    std::vector<std::string> mostradas_;
};

}  // namespace mirvalo::prueba
