#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
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

// Answers one request with an empty body, but only once told to: until then the transfer waits
// for the answer's head, and once it comes there is no block left to raise a progress event.
class RespuestaRetenida {
public:
    RespuestaRetenida() {
        escucha_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in direccion{};
        direccion.sin_family = AF_INET;
        direccion.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t largo = sizeof direccion;
        if (bind(escucha_, reinterpret_cast<sockaddr*>(&direccion), largo) != 0 || listen(escucha_, 1) != 0 ||
            getsockname(escucha_, reinterpret_cast<sockaddr*>(&direccion), &largo) != 0)
            throw std::runtime_error("cannot listen on loopback");
        puerto_ = ntohs(direccion.sin_port);
        hilo_ = std::thread([this] { Atiende(); });
    }
    ~RespuestaRetenida() {
        Suelta();
        hilo_.join();
        close(escucha_);
    }

    std::string Url(const std::string& ruta) const {
        return "http://127.0.0.1:" + std::to_string(puerto_) + ruta;
    }
    bool Recibida() const { return recibida_; }
    void Suelta() {
        std::lock_guard<std::mutex> bloqueo(mutex_);
        soltar_ = true;
        aviso_.notify_all();
    }

private:
    void Atiende() {
        pollfd espera{escucha_, POLLIN, 0};
        if (poll(&espera, 1, 5000) != 1) return;
        const int conexion = accept(escucha_, nullptr, nullptr);
        if (conexion < 0) return;
        std::string peticion;
        char bytes[1024];
        while (peticion.find("\r\n\r\n") == std::string::npos) {
            const ssize_t leidos = recv(conexion, bytes, sizeof bytes, 0);
            if (leidos <= 0) break;
            peticion.append(bytes, static_cast<std::size_t>(leidos));
        }
        recibida_ = true;
        {
            // Bounded, so that a run that never lets events through fails instead of hanging.
            std::unique_lock<std::mutex> bloqueo(mutex_);
            aviso_.wait_for(bloqueo, 5s, [this] { return soltar_; });
        }
        const std::string respuesta = "HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n";
        send(conexion, respuesta.data(), respuesta.size(), MSG_NOSIGNAL);
        close(conexion);
    }

    int escucha_ = -1;
    uint16_t puerto_ = 0;
    std::atomic<bool> recibida_ = false;
    std::mutex mutex_;
    std::condition_variable aviso_;
    bool soltar_ = false;
    std::thread hilo_;
};

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
    void CancelaCuando(Ventana& ventana, std::function<bool()> momento,
                       std::function<void()> trasElClic = {}) {
        auto& reloj = ventana.AgregaTemporizador("tmrPrueba", 1);
        reloj.on_tick = [&ventana, &reloj, momento, trasElClic] {
            if (!momento()) return;
            reloj.Enabled(false);
            simulacion::Clic(ventana, "picBotonCancelar");
            if (trasElClic) trasElClic();
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

TEST_F(CancelarLaDescarga, AClickHeardAfterTheLastBlockOfATransferStillEndsTheRun) {
    RespuestaRetenida retenida;
    archivos_.Responde("/despues.bin", RespuestaDePrueba{.cuerpo = "abc"});
    PreparaConElPlan(2, {{retenida.Url("/vacio.bin"), "vacio.bin", "", 0},
                         {archivos_.Url("/despues.bin"), "despues.bin", "", 3}});
    Ventana& ventana = Abre();
    CancelaCuando(
        ventana, [&] { return retenida.Recibida(); }, [&] { retenida.Suelta(); });

    Corre(ventana);

    EXPECT_TRUE(simulacion::SeTerminoElProceso());
    EXPECT_FALSE(Pedido("/despues.bin"));
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
