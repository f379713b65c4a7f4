#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/DM_Core.h"
#include "frm_DescargarDePrueba.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using prueba::FalloReportado;
using prueba::RespuestaDePrueba;
using prueba::RespuestaProgramada;
using namespace std::chrono_literals;

class CancelarLaDescarga : public prueba::DescargaDePrueba {
protected:
    fs::path InstaladorPrevisto() const { return Escritorio() / "Instalador de Mirvalo  Cloud"; }
    fs::path InstalacionPrevista() const {
        return sistema::RutaNativa(sistema::Entorno("ProgramFiles")) / "Mirvalo  Cloud";
    }

    // A file that takes about a second to arrive, in small pieces.
    El_Archivo Lento(const std::string& rutaInstalador, const std::string& rutaInstalacion = "") {
        archivos_.Responde(
            "/lento.bin",
            RespuestaDePrueba{.cuerpo = std::string(48 * 1024, 'l'), .trozo = 1024, .pausaPorTrozo = 20ms});
        return {archivos_.Url("/lento.bin"), rutaInstalador, rutaInstalacion, 48 * 1024};
    }

    // Clicks "Cancelar" as the user would, once, as soon as `momento` holds while the run lets
    // window events through.
    void CancelaCuando(Ventana& ventana, std::function<bool()> momento) {
        auto& reloj = ventana.AgregaTemporizador("tmrPrueba", 1);
        reloj.on_tick = [&ventana, &reloj, momento] {
            if (!momento()) return;
            reloj.Enabled(false);
            simulacion::Clic(ventana, "picBotonCancelar");
        };
        reloj.Enabled(true);
    }

    bool Pedido(const std::string& ruta) const {
        for (const std::string& peticion : archivos_.Peticiones())
            if (peticion.starts_with("GET " + ruta + " ")) return true;
        return false;
    }

    static std::set<std::string> Nombres(const fs::path& carpeta) {
        std::set<std::string> nombres;
        for (const auto& entrada : fs::directory_iterator(carpeta))
            nombres.insert(entrada.path().filename().string());
        return nombres;
    }
};

TEST_F(CancelarLaDescarga, DuringATransferStopsItSweepsBothFoldersAndEndsTheProcess) {
    archivos_.Responde("/despues.bin", RespuestaDePrueba{.cuerpo = "abc"});
    PreparaConElPlan(
        3, {Lento("lento.bin", "lento.bin"), {archivos_.Url("/despues.bin"), "despues.bin", "", 3}});
    prueba::EscribeElArchivo(InstaladorPrevisto() / "lento.bin", "versión anterior");
    prueba::EscribeElArchivo(InstaladorPrevisto() / "MVL1A.tmp", "");
    prueba::EscribeElArchivo(InstaladorPrevisto() / "otro.tmp", "de otro programa");
    prueba::EscribeElArchivo(InstalacionPrevista() / "mvlB2.TMP", "");
    Ventana& ventana = Abre();
    CancelaCuando(ventana, [this] { return Pedido("/lento.bin"); });

    Corre(ventana);

    EXPECT_TRUE(simulacion::SeTerminoElProceso());
    EXPECT_EQ(prueba::LeeElArchivo(InstaladorPrevisto() / "lento.bin"), "versión anterior");
    EXPECT_EQ(Nombres(InstaladorPrevisto()), (std::set<std::string>{"lento.bin", "otro.tmp"}));
    EXPECT_EQ(Nombres(InstalacionPrevista()), std::set<std::string>{});
    EXPECT_FALSE(Pedido("/despues.bin"));
    // Nothing after the click ran: no passes, no validation, no next screen.
    EXPECT_EQ(CodigosDePaso(), (std::vector<int>{500, 501}));
    EXPECT_EQ(Entregas().size(), 0u);
    EXPECT_EQ(Fallos(), std::vector<FalloReportado>{});
}

TEST_F(CancelarLaDescarga, BetweenTransfersEndsTheProcessBeforeTheNextCopyIsWritten) {
    archivos_.Responde("/rapido.bin", RespuestaDePrueba{.cuerpo = "abc"});
    PreparaConElPlan(2, {{archivos_.Url("/rapido.bin"), "rapido.bin", "", 3}, Lento("lento.bin")});
    prueba::EscribeElArchivo(InstaladorPrevisto() / "lento.bin", "versión anterior");
    Ventana& ventana = Abre();
    // The click comes once the first copy is in place: at the next record, or at the latest while
    // the next transfer starts, which then stops.
    CancelaCuando(ventana, [this] { return fs::exists(InstaladorPrevisto() / "rapido.bin"); });

    Corre(ventana);

    EXPECT_TRUE(simulacion::SeTerminoElProceso());
    EXPECT_EQ(prueba::LeeElArchivo(InstaladorPrevisto() / "rapido.bin"), "abc");
    EXPECT_EQ(prueba::LeeElArchivo(InstaladorPrevisto() / "lento.bin"), "versión anterior");
    EXPECT_EQ(prueba::TemporalesBajo(raiz_), std::vector<fs::path>{});
    EXPECT_EQ(CodigosDePaso(), (std::vector<int>{500, 501}));
    EXPECT_EQ(Entregas().size(), 0u);
}

TEST_F(CancelarLaDescarga, SweepsOnlyTheTransfersTemporaryFilesOfTheTopFolders) {
    PreparaConLaWebApi(2, RespuestaProgramada::Con(200, "[]"));
    const fs::path instalador = raiz_ / "Users" / "Escritorio";
    const fs::path instalacion = raiz_ / "Instalacion";
    for (const char* nombre : {"MVL1.tmp", "mvl2.TMP", "MVL3.tmp", "otro.tmp", "MVL4.bin", "Sub/MVL5.tmp"})
        prueba::EscribeElArchivo(instalador / nombre, "x");
    fs::permissions(instalador / "MVL3.tmp",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directories(instalacion);
    Core().Descarga.EstableceCarpetaInstalador(instalador.string());
    Core().Descarga.EstableceCarpetaInstalacion(instalacion.string());
    Ventana& ventana = Abre();
    ventana.Obten<CajaDeImagen>("picBotonCancelar").Visible(true);

    simulacion::Clic(ventana, "picBotonCancelar");

    EXPECT_TRUE(simulacion::SeTerminoElProceso());
    EXPECT_EQ(Nombres(instalador), (std::set<std::string>{"MVL4.bin", "Sub", "otro.tmp"}));
    EXPECT_TRUE(fs::exists(instalador / "Sub/MVL5.tmp"));
    // A folder without any of them counts as a failed deletion; the process ends all the same.
    EXPECT_EQ(Fallos(), (std::vector<FalloReportado>{{"EliminaArchivosTemporales", 53, "File not found"}}));
    EXPECT_EQ(CodigosDePaso(), std::vector<int>{500});
}

}  // namespace
}  // namespace mirvalo
