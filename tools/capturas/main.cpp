// mirvalo-capturas [folder]: writes a PNG of every wizard window (see Capturas.cpp) into the folder
// (default ./capturas), on the offscreen platform unless QT_QPA_PLATFORM says otherwise. The
// windows talk to an in-process development server and write to a temporary system root, so the
// tool needs nothing around it and leaves nothing behind but the pictures.
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "core/DM_Core.h"
#include "platform/Construccion.h"
#include "tools/capturas/Capturas.h"
#include "tools/sandbox-server/ServidorSandbox.h"
#include "ui/Formularios.h"
#include "ui/Simulacion.h"

namespace fs = std::filesystem;
using namespace mirvalo;

namespace {

// A system root of its own for the run, removed at the end.
class RaizTemporal {
public:
    RaizTemporal() {
        std::string plantilla = (fs::temp_directory_path() / "mirvalo-capturas-XXXXXX").string();
        if (mkdtemp(plantilla.data())) ruta_ = plantilla;
        if (!ruta_.empty()) setenv("MIRVALO_SYSTEM_ROOT", ruta_.c_str(), 1);
    }
    ~RaizTemporal() {
        std::error_code error;
        if (!ruta_.empty()) fs::remove_all(ruta_, error);
    }
    bool Lista() const { return !ruta_.empty(); }

private:
    std::string ruta_;
};

void CierraLasVentanas() {
    for (Pantalla* pantalla : Pantalla::Abiertas()) pantalla->Me().Unload();
    simulacion::DejaPasar(std::chrono::milliseconds(20));
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path carpeta = argc > 1 ? fs::path(argv[1]) : fs::path("capturas");
    std::error_code error;
    fs::create_directories(carpeta, error);
    if (error) {
        std::fprintf(stderr, "mirvalo-capturas: cannot create %s: %s\n", carpeta.c_str(),
                     error.message().c_str());
        return 1;
    }

    RaizTemporal raiz;
    if (!raiz.Lista()) {
        std::fprintf(stderr, "mirvalo-capturas: cannot create a temporary system root\n");
        return 1;
    }
    sandbox::Opciones opciones;
    opciones.puerto = 0;
    sandbox::ServidorSandbox servidor(opciones);
    servidor.Inicia();
    setenv("MIRVALO_API_URL", servidor.Url().c_str(), 1);

    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Aplicacion aplicacion(argc, argv);

    int fallidas = 0;
    for (const capturas::Captura& captura : capturas::Todas()) {
        CreaElCore().CargarConfiguraciones(static_cast<int16_t>(construccion::VersionMenor));
        Ventana& ventana = captura.abre();
        simulacion::DejaPasar(std::chrono::milliseconds(20));
        const fs::path archivo = carpeta / (captura.archivo + ".png");
        if (simulacion::GuardaPng(ventana, archivo.string())) {
            std::printf("%s\n", archivo.c_str());
        } else {
            std::fprintf(stderr, "mirvalo-capturas: cannot write %s\n", archivo.c_str());
            ++fallidas;
        }
        CierraLasVentanas();
    }
    return fallidas == 0 ? 0 : 1;
}
