#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "webapi/Dto.h"
#include "webapi/ValorJson.h"

namespace mirvalo {

class EX_JSON;
class SolicitudHttp;

// The assistant's client of the Web API: six operations, each one synchronous HTTP request with a
// JSON body (GET requests carry one too) to "<base>v1/DownloadManager/<operation>". Nothing is
// caught here: a transport failure or an answer that cannot be read as its keys' types raises
// mirvalo::Error and the caller decides. A status other than 200 is not a failure: it gives
// nothing, or empty text.
//
// A client keeps its latest request and its latest JSON reader until the next operation replaces
// them; callers make a new client for every operation.
class DM_WebAPI_V1 {
public:
    DM_WebAPI_V1();
    ~DM_WebAPI_V1();
    DM_WebAPI_V1(const DM_WebAPI_V1&) = delete;
    DM_WebAPI_V1& operator=(const DM_WebAPI_V1&) = delete;

    // Announces the assistant. Nothing when the status is not 200 or the answer is no JSON at all.
    std::optional<Dto_IniciaRp> IniciarDM(const Dto_IniciaRq& RequestDto);
    // Validates a school's ID. Nothing when the status is not 200 or the answer is no JSON at all.
    std::optional<Dto_InstitucionRp> ValidarIDMirvalo(const Dto_InstitucionRq& RequestDto);
    // The file items of a download, in the server's order (possibly none); nothing when the status
    // is not 200. An answer that is not a list raises error 13.
    std::optional<ListaJson> ObtenerArchivos(const Dto_ArchivosRq& RequestDto);
    // Logs a failure; the answer is not examined.
    void RegistrarFallo(const Dto_FalloRq& RequestDto);
    // The tracking number of a download; empty text when the status is not 200 or the answer has
    // no "NoDeSeguimiento".
    std::string GenerarNumeroDeSeguimiento(int32_t IdDescarga);
    // Saves a step of the run; the answer is not examined.
    void GuardarDetalleDeDescarga(const Dto_DetalleRq& RequestDto);

private:
    // Sends `cuerpo` to the operation and waits for the whole answer; true when its status is 200.
    bool Envia(const char* metodo, std::string_view operacion, const std::string& cuerpo);
    // Decodes the latest answer's text (or `texto`) with a new reader.
    std::optional<ValorJson> Decodifica(const std::string& texto);

    std::unique_ptr<SolicitudHttp> solicitud_;
    std::unique_ptr<EX_JSON> lector_;
};

}  // namespace mirvalo
