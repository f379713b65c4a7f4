#include "tools/sandbox-server/ServidorSandbox.h"

#include "tools/sandbox-server/ArchivosDelProducto.h"
#include "tools/sandbox-server/DatosDeMuestra.h"
#include "tools/sandbox-server/OperacionesWebApi.h"
#include "tools/sandbox-server/RegistroDeReportes.h"
#include "tools/sandbox-server/ServidorHttp.h"
#include "tools/sandbox-server/SitioPublico.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <stdexcept>
#include <thread>

namespace mirvalo::sandbox {

class ServidorSandbox::Estado {
public:
    explicit Estado(Opciones o) : opciones(std::move(o)) {}

    Opciones opciones;
    RegistroDeReportes reportes;
    // Created by Inicia and kept until the next one, so that the handlers' references stay valid.
    std::optional<DatosDeMuestra> datos;
    std::unique_ptr<ArchivosDelProducto> archivos;
    std::unique_ptr<OperacionesWebApi> operaciones;
    std::unique_ptr<ServidorHttp> http;
    std::thread hilo;
    std::atomic<bool> bucleTerminado = false;
    int puerto = 0;
};

ServidorSandbox::ServidorSandbox(Opciones opciones)
    : estado_(std::make_unique<Estado>(std::move(opciones))) {}

ServidorSandbox::~ServidorSandbox() {
    Detiene();
}

void ServidorSandbox::Inicia() {
    Estado& e = *estado_;
    if (e.http) return;
    e.datos = DatosDeMuestra::Carga(e.opciones.datos);
    e.reportes.Abre(e.opciones.reportes, e.opciones.imprimeReportes);

    auto http = std::make_unique<ServidorHttp>();
    int puerto = e.opciones.puerto;
    if (puerto == 0) {
        puerto = http->bind_to_any_port(e.opciones.host);
    } else if (!http->bind_to_port(e.opciones.host, puerto)) {
        puerto = -1;
    }
    if (puerto <= 0) {
        throw std::runtime_error("cannot listen on " + e.opciones.host + " port " +
                                 std::to_string(e.opciones.puerto));
    }
    e.puerto = puerto;
    e.archivos = std::make_unique<ArchivosDelProducto>(e.datos->CarpetaDelProducto());
    e.operaciones = std::make_unique<OperacionesWebApi>(e.opciones, *e.datos, e.reportes, Url());
    e.operaciones->Registra(*http);
    e.archivos->Registra(*http);
    SitioPublico::Registra(*http);

    // The socket already listens (connections wait in its backlog); waiting for the accept loop to start
    // only makes a Detiene right after Inicia reliable, since stopping a loop that has not started is a
    // no-op.
    ServidorHttp& servidor = *http;
    e.bucleTerminado = false;
    e.hilo = std::thread([&servidor, &terminado = e.bucleTerminado] {
        servidor.listen_after_bind();
        terminado = true;
    });
    while (!servidor.is_running() && !e.bucleTerminado)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    e.http = std::move(http);
}

int ServidorSandbox::Puerto() const {
    return estado_->puerto;
}

std::string ServidorSandbox::Url() const {
    const std::string& host = estado_->opciones.host;
    bool esIPv6 = host.find(':') != std::string::npos;
    return "http://" + (esIPv6 ? "[" + host + "]" : host) + ":" + std::to_string(estado_->puerto);
}

void ServidorSandbox::Detiene() {
    Estado& e = *estado_;
    if (!e.http) return;
    e.http->stop();
    if (e.hilo.joinable()) e.hilo.join();
    e.http.reset();
}

std::vector<std::string> ServidorSandbox::Reportes() const {
    return estado_->reportes.Lineas();
}

}  // namespace mirvalo::sandbox
