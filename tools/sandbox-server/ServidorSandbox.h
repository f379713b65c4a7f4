// tools/sandbox-server/ServidorSandbox.h
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The development Web API: the six DownloadManager operations in their wire form plus the files of a
// sample product, served from a folder of data (see data/README.md).
//
// Report log: every step ("Detalles") and failure ("Fallos") report received becomes one JSON object on one
// line, in the order received. The values are kept exactly as the client sent them (a number stays a
// number, a string stays a string):
//   {"tipo":"detalle","Id_Descarga":7,"Id_Paso":100,"Status":1,"Descripcion":""}
//   {"tipo":"fallo","Id_Descarga":"7","Modulo":"frm_Splash","Procedimiento":"Form_Load","NoError":"53",
//    "DescripcionError":"File not found"}
// "tipo" comes first; the client's fields follow in the order it sent them. A body that is not a JSON
// object is still logged, as {"tipo":"detalle"|"fallo","invalido":"<the body as text>"}, and answered 400;
// a logged report is answered 200 with an empty body.
//
// Other answers: IniciarDM's "Id" starts at `primerIdDescarga` and grows by one per answer; the tracking
// number of download Id n is "NDS" followed by n in at least six digits (Id 7: "NDS000007"); a query whose
// body is not the JSON object it expects is answered 400, the other method 405.
namespace mirvalo::sandbox {

struct Opciones {
    std::string host = "127.0.0.1";
    int puerto = 8080;  // 0 = a free port
    std::filesystem::path datos = MIRVALO_SANDBOX_DATA;
    std::filesystem::path reportes;  // empty = keep reports in memory only
    bool activa = true;
    int revision = 1;
    int tipoAsistente = 0;
    int estadoIniciarDM = 200;     // any other status answers IniciarDM with that status
    bool imprimeReportes = false;  // the executable prints every report too

    int primerIdDescarga = 1;             // IniciarDM answers this Id first, then one more per call
    int estadoNumeroDeSeguimiento = 200;  // any other status answers GenerarNumeroDeSeguimiento with it
    int tipoPlataforma = 2;               // "TipoPlataforma" in the IniciarDM answer
    std::string nombrePlataforma = "Mirvalo Plataforma";
    std::string versionPlataforma = "2020.1";
    std::string nombreAsistente = "Asistente de Descarga Mirvalo";
    std::optional<std::string> cuerpoIniciarDM;  // when set, IniciarDM answers exactly this text
};

class ServidorSandbox {
public:
    explicit ServidorSandbox(Opciones opciones);
    ~ServidorSandbox();  // stops it
    ServidorSandbox(const ServidorSandbox&) = delete;
    ServidorSandbox& operator=(const ServidorSandbox&) = delete;

    // Listens on a background thread; returns when ready; throws std::runtime_error when it cannot listen
    // or when the data folder cannot be read.
    void Inicia();
    int Puerto() const;
    std::string Url() const;  // "http://HOST:PORT"
    void Detiene();
    std::vector<std::string> Reportes() const;  // every report received so far, one JSON line each, in order

private:
    class Estado;
    std::unique_ptr<Estado> estado_;
};

}  // namespace mirvalo::sandbox
