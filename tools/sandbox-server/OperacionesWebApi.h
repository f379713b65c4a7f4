#pragma once

#include "tools/sandbox-server/ServidorSandbox.h"

#include <httplib.h>

#include <atomic>
#include <string>

namespace mirvalo::sandbox {

class DatosDeMuestra;
class RegistroDeReportes;
class ServidorHttp;

// The six operations under /api/v1/DownloadManager/. A request body that is not the JSON object the
// operation expects is answered 400 with the reason as text, so that a faulty client shows at once.
class OperacionesWebApi {
public:
    OperacionesWebApi(const Opciones& opciones, const DatosDeMuestra& datos, RegistroDeReportes& reportes,
                      std::string urlDelServidor);

    void Registra(ServidorHttp& servidor);

private:
    void IniciarDM(const httplib::Request& peticion, httplib::Response& respuesta);
    void ValidarIDMirvalo(const httplib::Request& peticion, httplib::Response& respuesta) const;
    void ObtenerArchivos(const httplib::Request& peticion, httplib::Response& respuesta) const;
    void GenerarNumeroDeSeguimiento(const httplib::Request& peticion, httplib::Response& respuesta) const;
    void AnotaReporte(const char* tipo, const httplib::Request& peticion, httplib::Response& respuesta);

    const Opciones& opciones_;
    const DatosDeMuestra& datos_;
    RegistroDeReportes& reportes_;
    std::string urlDelServidor_;
    std::atomic<int> siguienteIdDescarga_;
};

}  // namespace mirvalo::sandbox
