#include "tools/sandbox-server/OperacionesWebApi.h"

#include "tools/sandbox-server/ArchivosDelProducto.h"
#include "tools/sandbox-server/DatosDeMuestra.h"
#include "tools/sandbox-server/RegistroDeReportes.h"
#include "tools/sandbox-server/ServidorHttp.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <optional>

namespace mirvalo::sandbox {
namespace {

// Ordered, so that answers and report lines keep their keys in the order they were written or sent.
using Json = nlohmann::ordered_json;

const char* const kTipoJson = "application/json; charset=utf-8";

std::string Escribe(const Json& valor) {
    return valor.dump(-1, ' ', false, Json::error_handler_t::replace);
}

void RespondeJson(httplib::Response& respuesta, const Json& valor) {
    respuesta.set_content(Escribe(valor), kTipoJson);
}

void Rechaza(httplib::Response& respuesta, const std::string& motivo) {
    respuesta.status = 400;
    respuesta.set_content(motivo + "\n", "text/plain; charset=utf-8");
}

// The body as a JSON object; nothing (and a 400 answer) otherwise.
std::optional<Json> LeeObjeto(const httplib::Request& peticion, httplib::Response& respuesta) {
    if (peticion.body.empty()) {
        Rechaza(respuesta, "The request has no body; a JSON object was expected");
        return std::nullopt;
    }
    Json cuerpo = Json::parse(peticion.body, nullptr, false);
    if (cuerpo.is_discarded() || !cuerpo.is_object()) {
        Rechaza(respuesta, "The request body is not a JSON object");
        return std::nullopt;
    }
    return cuerpo;
}

std::optional<int> Entero(const Json& objeto, const char* clave, httplib::Response& respuesta) {
    auto valor = objeto.find(clave);
    if (valor == objeto.end() || !valor->is_number_integer()) {
        Rechaza(respuesta, std::string("\"") + clave + "\" must be an integer");
        return std::nullopt;
    }
    return valor->get<int>();
}

std::optional<std::string> Texto(const Json& objeto, const char* clave, httplib::Response& respuesta) {
    auto valor = objeto.find(clave);
    if (valor == objeto.end() || !valor->is_string()) {
        Rechaza(respuesta, std::string("\"") + clave + "\" must be a text");
        return std::nullopt;
    }
    return valor->get<std::string>();
}

// The level id travels as text; a number is accepted in its decimal form.
std::optional<std::string> Nivel(const Json& objeto, httplib::Response& respuesta) {
    auto valor = objeto.find("IdNivel");
    if (valor != objeto.end() && valor->is_number_integer()) return valor->dump();
    return Texto(objeto, "IdNivel", respuesta);
}

std::optional<std::vector<AplicacionPedida>> Pedidas(const Json& cuerpo, httplib::Response& respuesta) {
    auto lista = cuerpo.find("Aplicaciones");
    if (lista == cuerpo.end() || !lista->is_array()) {
        Rechaza(respuesta, "\"Aplicaciones\" must be a list");
        return std::nullopt;
    }
    std::vector<AplicacionPedida> pedidas;
    for (const Json& item : *lista) {
        if (!item.is_object()) {
            Rechaza(respuesta, "every item of \"Aplicaciones\" must be an object");
            return std::nullopt;
        }
        auto id = Entero(item, "IdAplicacion", respuesta);
        if (!id) return std::nullopt;
        auto nivel = Nivel(item, respuesta);
        if (!nivel) return std::nullopt;
        pedidas.push_back({*id, *nivel});
    }
    return pedidas;
}

}  // namespace

OperacionesWebApi::OperacionesWebApi(const Opciones& opciones, const DatosDeMuestra& datos,
                                     RegistroDeReportes& reportes, std::string urlDelServidor)
    : opciones_(opciones),
      datos_(datos),
      reportes_(reportes),
      urlDelServidor_(std::move(urlDelServidor)),
      siguienteIdDescarga_(opciones.primerIdDescarga) {}

void OperacionesWebApi::Registra(ServidorHttp& servidor) {
    const std::string base = "/api/v1/DownloadManager/";
    servidor.RutaGet(base + "IniciarDM", [this](const auto& q, auto& r) { IniciarDM(q, r); });
    servidor.RutaGet(base + "ValidarIDMirvalo", [this](const auto& q, auto& r) { ValidarIDMirvalo(q, r); });
    servidor.RutaGet(base + "ObtenerArchivos", [this](const auto& q, auto& r) { ObtenerArchivos(q, r); });
    servidor.RutaGet(base + "GenerarNumeroDeSeguimiento",
                     [this](const auto& q, auto& r) { GenerarNumeroDeSeguimiento(q, r); });
    servidor.RutaPost(base + "Fallos", [this](const auto& q, auto& r) { AnotaReporte("fallo", q, r); });
    servidor.RutaPost(base + "Detalles", [this](const auto& q, auto& r) { AnotaReporte("detalle", q, r); });
}

void OperacionesWebApi::IniciarDM(const httplib::Request& peticion, httplib::Response& respuesta) {
    auto cuerpo = LeeObjeto(peticion, respuesta);
    if (!cuerpo || !Entero(*cuerpo, "Id", respuesta)) return;
    respuesta.status = opciones_.estadoIniciarDM;
    if (opciones_.cuerpoIniciarDM) {
        respuesta.set_content(*opciones_.cuerpoIniciarDM, kTipoJson);
        return;
    }
    if (opciones_.estadoIniciarDM != 200) {
        respuesta.set_content("Status set by the sandbox options\n", "text/plain");
        return;
    }
    RespondeJson(respuesta, Json{{"Id", siguienteIdDescarga_++},
                                 {"Nombre", opciones_.nombreAsistente},
                                 {"Activa", opciones_.activa},
                                 {"Revision", opciones_.revision},
                                 {"TipoAsistente", opciones_.tipoAsistente},
                                 {"TipoPlataforma", opciones_.tipoPlataforma},
                                 {"NombrePlataforma", opciones_.nombrePlataforma},
                                 {"VersionPlataforma", opciones_.versionPlataforma}});
}

void OperacionesWebApi::ValidarIDMirvalo(const httplib::Request& peticion,
                                         httplib::Response& respuesta) const {
    auto cuerpo = LeeObjeto(peticion, respuesta);
    if (!cuerpo) return;
    auto id = Texto(*cuerpo, "IdMirvalo", respuesta);
    if (!id) return;
    const EscuelaDeMuestra* escuela = datos_.Escuela(*id);
    if (!escuela) {
        respuesta.status = 404;
        respuesta.set_content("Unknown Mirvalo ID\n", "text/plain");
        return;
    }
    Json aplicaciones = Json::array();
    for (const AplicacionDelCatalogo& item : escuela->catalogo) {
        const AplicacionDeMuestra& aplicacion = datos_.Aplicaciones()[item.aplicacion];
        aplicaciones.push_back(Json{{"IdAplicacion", aplicacion.idAplicacion},
                                    {"NombreAplicacion", aplicacion.nombreAplicacion},
                                    {"SuiteAplicacion", aplicacion.suiteAplicacion},
                                    {"IdNivel", aplicacion.idNivel},
                                    {"NombreNivel", aplicacion.nombreNivel},
                                    {"Comprada", item.comprada}});
    }
    RespondeJson(respuesta, Json{{"IdVersion", escuela->idVersion},
                                 {"Version", escuela->version},
                                 {"Aplicaciones", std::move(aplicaciones)}});
}

void OperacionesWebApi::ObtenerArchivos(const httplib::Request& peticion,
                                        httplib::Response& respuesta) const {
    auto cuerpo = LeeObjeto(peticion, respuesta);
    if (!cuerpo || !Entero(*cuerpo, "IdDescargas", respuesta)) return;
    auto plataforma = Entero(*cuerpo, "IdTipoPlataforma", respuesta);
    if (!plataforma) return;
    auto tipoAsistente = Entero(*cuerpo, "IdTipoAsistente", respuesta);
    if (!tipoAsistente) return;
    auto pedidas = Pedidas(*cuerpo, respuesta);
    if (!pedidas) return;

    Json archivos = Json::array();
    for (const ArchivoDeMuestra& archivo : datos_.Plan(*plataforma, *tipoAsistente, *pedidas)) {
        archivos.push_back(
            Json{{"RutaServidor", urlDelServidor_ + ArchivosDelProducto::UrlDe(archivo.archivo)},
                 {"RutaInstalador", archivo.rutaInstalador},
                 {"RutaInstalacion", archivo.rutaInstalacion},
                 {"Peso", archivo.peso}});
    }
    RespondeJson(respuesta, archivos);
}

void OperacionesWebApi::GenerarNumeroDeSeguimiento(const httplib::Request& peticion,
                                                   httplib::Response& respuesta) const {
    auto cuerpo = LeeObjeto(peticion, respuesta);
    if (!cuerpo) return;
    auto id = Entero(*cuerpo, "Id", respuesta);
    if (!id) return;
    if (opciones_.estadoNumeroDeSeguimiento != 200) {
        respuesta.status = opciones_.estadoNumeroDeSeguimiento;
        respuesta.set_content("Status set by the sandbox options\n", "text/plain");
        return;
    }
    char numero[32];
    std::snprintf(numero, sizeof numero, "NDS%06d", *id);
    RespondeJson(respuesta, Json{{"NoDeSeguimiento", numero}});
}

void OperacionesWebApi::AnotaReporte(const char* tipo, const httplib::Request& peticion,
                                     httplib::Response& respuesta) {
    Json linea = Json::object();
    linea["tipo"] = tipo;
    Json cuerpo = Json::parse(peticion.body, nullptr, false);
    if (cuerpo.is_discarded() || !cuerpo.is_object()) {
        // Logged all the same: a malformed report is exactly what a test of the client wants to see.
        linea["invalido"] = peticion.body;
        reportes_.Anota(Escribe(linea));
        Rechaza(respuesta, "The report is not a JSON object");
        return;
    }
    for (const auto& [clave, valor] : cuerpo.items()) linea[clave] = valor;
    reportes_.Anota(Escribe(linea));
}

}  // namespace mirvalo::sandbox
