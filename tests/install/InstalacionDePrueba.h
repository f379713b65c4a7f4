#pragma once
// A fixture for the installation steps: a fresh system root, the development server taking the
// reports, a core loaded from it (platform 2, "Mirvalo Plataforma") and an installation folder under
// the emulated program files. Files "installed" by a test are put in that folder and in the plan.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "core/DM_Core.h"
#include "install/SecurityFolder.h"
#include "model/El_Archivo.h"
#include "platform/SistemaRaiz.h"
#include "support/ArchivosDePrueba.h"
#include "support/PantallasDePrueba.h"

namespace mirvalo::prueba {

namespace fs = std::filesystem;

// The security tool a test puts into the installation folder.
enum class Herramienta {
    Real,  // the sample product's own program, from the build
    Muda,  // starts and ends without doing anything, so no log ever appears
};

class InstalacionDePrueba : public PantallasDePrueba {
protected:
    // Long enough for the real tool to start and answer; a silent tool costs a test this much.
    static constexpr std::chrono::milliseconds EsperaCorta{1500};

    void SetUp() override {
        for (const char* variable :
             {"ProgramFiles", "ProgramFiles(x86)", "windir", "SystemRoot", "USERPROFILE", "APPDATA",
              "LOCALAPPDATA", "ProgramData", "PUBLIC", "TEMP", "TMP"})
            unsetenv(variable);
        PantallasDePrueba::SetUp();
        sandbox_ = &ArrancaElServidor();
        CreaElCore().CargarConfiguraciones(1);
        Core().Descarga.EstablecePlataforma(2);
        instalacion_ = sistema::Entorno("ProgramFiles") + "\\Mirvalo Mirvalo Plataforma Cloud";
        fs::create_directories(Nativa(instalacion_));
        Core().Descarga.EstableceCarpetaInstalacion(instalacion_);
    }

    static fs::path Nativa(const std::string& ruta) { return sistema::RutaNativa(ruta); }

    static std::string Lee(const fs::path& ruta) { return LeeElArchivo(ruta); }
    static void Escribe(const fs::path& ruta, const std::string& contenido) {
        EscribeElArchivo(ruta, contenido);
    }

    // Lists `relativa` (a path inside the installation folder) in the plan, as a download would.
    void AgregaAlPlan(const std::string& relativa) {
        El_Archivo archivo;
        archivo.RutaInstalacion = relativa;
        archivo.DescargadoParaInstalacion = true;
        Core().Descarga.Archivos().push_back(archivo);
    }
    // A file of the plan, in place in the installation folder.
    fs::path Instala(const std::string& relativa, const std::string& contenido) {
        const fs::path ruta = Nativa(instalacion_ + "\\" + relativa);
        Escribe(ruta, contenido);
        AgregaAlPlan(relativa);
        return ruta;
    }

    // Products of the build: the sample product's programs and files.
    static fs::path DelProducto(const std::string& relativa) {
        const char* construccion = std::getenv("MIRVALO_BUILD_DIR");
        EXPECT_NE(construccion, nullptr) << "MIRVALO_BUILD_DIR names the build tree";
        return fs::path(construccion ? construccion : ".") / "tools/producto" / relativa;
    }

    // The security tool in the installation folder, as the plan brings it.
    void PonLaHerramienta(Herramienta herramienta) {
        const std::string relativa = "Utilerías\\SecurityFolder.exe";
        if (herramienta == Herramienta::Real) {
            Instala(relativa, Lee(DelProducto("SecurityFolder.exe")));
        } else {
            Instala(relativa, "#!/bin/sh\nexit 0\n");
        }
    }

    SecurityFolder LaHerramienta() const { return SecurityFolder(Core(), EsperaCorta); }

    std::vector<PasoReportado> Pasos() const { return PasosReportados(sandbox_->Reportes()); }
    // The procedure and error number of every failure report, as "Procedimiento NoError".
    std::vector<std::string> Fallos() const {
        static const std::regex partes(R"re("Procedimiento":"([^"]*)","NoError":"?(-?\d+))re");
        std::vector<std::string> fallos;
        for (const std::string& linea : FallosReportados(sandbox_->Reportes())) {
            std::smatch encontrado;
            fallos.push_back(std::regex_search(linea, encontrado, partes)
                                 ? encontrado[1].str() + " " + encontrado[2].str()
                                 : linea);
        }
        return fallos;
    }

    std::vector<std::string> LineasDelDiario(const std::string& comienzo) const {
        std::vector<std::string> lineas;
        for (const std::string& linea : Diario())
            if (linea.find(comienzo) != std::string::npos) lineas.push_back(linea);
        return lineas;
    }

    std::string instalacion_;
    sandbox::ServidorSandbox* sandbox_ = nullptr;
};

}  // namespace mirvalo::prueba
