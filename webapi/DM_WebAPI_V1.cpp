#include "webapi/DM_WebAPI_V1.h"

#include "platform/Error.h"
#include "webapi/DireccionesWeb.h"
#include "webapi/EX_JSON.h"
#include "webapi/EscritorJson.h"
#include "webapi/LectorDeClaves.h"
#include "webapi/SolicitudHttp.h"

namespace mirvalo {
namespace {

constexpr int EstadoCorrecto = 200;

// The decoded answer as a keyed object. Error 13 when it is a list where an object is expected.
ObjetoJson& ComoObjeto(ValorJson& valor, std::string_view operacion) {
    if (valor.tipo() != ValorJson::Tipo::Objeto)
        throw Error::Estandar(errores::TiposNoCoinciden, "answer of " + std::string(operacion));
    return valor.Objeto();
}

// Moves the list held by `clave` out of a decoded answer; error 13 when it is absent or no list.
ListaJson TomaLista(ObjetoJson& objeto, std::string_view clave) {
    // The tree is this client's own and not const; taking its list spares a deep copy of every
    // item, which the reader's read-only lookup would otherwise force.
    auto* valor = const_cast<ValorJson*>(objeto.Busca(clave));
    if (valor == nullptr || valor->tipo() != ValorJson::Tipo::Lista)
        throw Error::Estandar(errores::TiposNoCoinciden, "reading \"" + std::string(clave) + "\"");
    return std::move(valor->Lista());
}

}  // namespace

DM_WebAPI_V1::DM_WebAPI_V1() = default;
DM_WebAPI_V1::~DM_WebAPI_V1() = default;

bool DM_WebAPI_V1::Envia(const char* metodo, std::string_view operacion, const std::string& cuerpo) {
    solicitud_ = std::make_unique<SolicitudHttp>(metodo, direcciones::Operacion(operacion));
    solicitud_->EstableceEncabezado("Content-Type", "application/json");
    solicitud_->EstableceEncabezado("Accept", "*/*");
    solicitud_->Envia(cuerpo);
    return solicitud_->Estado() == EstadoCorrecto;
}

std::optional<ValorJson> DM_WebAPI_V1::Decodifica(const std::string& texto) {
    lector_ = std::make_unique<EX_JSON>();
    return lector_->parse(texto);
}

std::optional<Dto_IniciaRp> DM_WebAPI_V1::IniciarDM(const Dto_IniciaRq& RequestDto) {
    EscritorJson cuerpo;
    cuerpo.AbreObjeto();
    cuerpo.AgregaNumero("Id", RequestDto.Id);
    cuerpo.CierraObjeto();
    if (!Envia("GET", "IniciarDM", cuerpo.Texto())) return std::nullopt;

    std::optional<ValorJson> respuesta = Decodifica(solicitud_->TextoDeRespuesta());
    if (!respuesta) return std::nullopt;
    const LectorDeClaves claves(ComoObjeto(*respuesta, "IniciarDM"));
    Dto_IniciaRp rp;
    rp.Id = claves.Entero32("Id");
    rp.Nombre = claves.Texto("Nombre");
    rp.Activa = claves.Booleano("Activa");
    rp.Revision = claves.Entero16("Revision");
    rp.TipoAsistente = claves.Entero16("TipoAsistente");
    rp.TipoPlataforma = claves.Entero16("TipoPlataforma");
    rp.NombrePlataforma = claves.Texto("NombrePlataforma");
    rp.VersionPlataforma = claves.Texto("VersionPlataforma");
    return rp;
}

std::optional<Dto_InstitucionRp> DM_WebAPI_V1::ValidarIDMirvalo(const Dto_InstitucionRq& RequestDto) {
    EscritorJson cuerpo;
    cuerpo.AbreObjeto();
    cuerpo.AgregaTexto("IdMirvalo", RequestDto.IDMirvalo);
    cuerpo.CierraObjeto();
    if (!Envia("GET", "ValidarIDMirvalo", cuerpo.Texto())) return std::nullopt;

    std::optional<ValorJson> respuesta = Decodifica(solicitud_->TextoDeRespuesta());
    if (!respuesta) return std::nullopt;
    ObjetoJson& objeto = ComoObjeto(*respuesta, "ValidarIDMirvalo");
    const LectorDeClaves claves(objeto);
    Dto_InstitucionRp rp;
    rp.IdVersion = claves.Entero16("IdVersion");
    rp.Version = claves.Texto("Version");
    rp.Aplicaciones = TomaLista(objeto, "Aplicaciones");
    return rp;
}

std::optional<ListaJson> DM_WebAPI_V1::ObtenerArchivos(const Dto_ArchivosRq& RequestDto) {
    EscritorJson cuerpo;
    cuerpo.AbreObjeto();
    cuerpo.AgregaNumero("IdDescargas", RequestDto.IdDescargas, true);
    cuerpo.AgregaNumero("IdTipoPlataforma", RequestDto.IdTipoPlataforma, true);
    cuerpo.AgregaNumero("IdTipoAsistente", RequestDto.IdTipoAsistente, true);
    cuerpo.AbreArreglo("Aplicaciones");
    const auto& aplicaciones = RequestDto.Aplicaciones;
    for (std::size_t i = 0; i < aplicaciones.size(); ++i) {
        cuerpo.AbreObjeto();
        cuerpo.AgregaNumero("IdAplicacion", aplicaciones[i].IdAplicacion, true);
        cuerpo.AgregaTexto("IdNivel", aplicaciones[i].IdNivel);
        cuerpo.CierraObjeto(i + 1 < aplicaciones.size());
    }
    cuerpo.CierraArreglo();
    cuerpo.CierraObjeto();
    if (!Envia("GET", "ObtenerArchivos", cuerpo.Texto())) return std::nullopt;

    // The server answers with a bare list; wrapped as the only value of an object it reads with
    // the same reader (which accepts the unquoted key).
    std::optional<ValorJson> respuesta = Decodifica("{Archivos:" + solicitud_->TextoDeRespuesta() + "}");
    if (!respuesta || respuesta->tipo() != ValorJson::Tipo::Objeto)
        throw Error::Estandar(errores::TiposNoCoinciden, "answer of ObtenerArchivos");
    return TomaLista(respuesta->Objeto(), "Archivos");
}

void DM_WebAPI_V1::RegistrarFallo(const Dto_FalloRq& RequestDto) {
    EscritorJson cuerpo;
    cuerpo.AbreObjeto();
    // The server takes the download id and the error number of a failure as texts.
    cuerpo.AgregaTexto("Id_Descarga", std::to_string(RequestDto.Id_Descarga), true);
    cuerpo.AgregaTexto("Modulo", RequestDto.Modulo, true);
    cuerpo.AgregaTexto("Procedimiento", RequestDto.Procedimiento, true);
    cuerpo.AgregaTexto("NoError", std::to_string(RequestDto.NoError), true);
    cuerpo.AgregaTexto("DescripcionError", RequestDto.DescripcionError);
    cuerpo.CierraObjeto();
    Envia("POST", "Fallos", cuerpo.Texto());
}

std::string DM_WebAPI_V1::GenerarNumeroDeSeguimiento(int32_t IdDescarga) {
    EscritorJson cuerpo;
    cuerpo.AbreObjeto();
    cuerpo.AgregaNumero("Id", IdDescarga);
    cuerpo.CierraObjeto();
    if (!Envia("GET", "GenerarNumeroDeSeguimiento", cuerpo.Texto())) return {};

    std::optional<ValorJson> respuesta = Decodifica(solicitud_->TextoDeRespuesta());
    if (!respuesta)
        throw Error::Estandar(errores::ObjetoNoEstablecido, "answer of GenerarNumeroDeSeguimiento");
    return LectorDeClaves(ComoObjeto(*respuesta, "GenerarNumeroDeSeguimiento")).Texto("NoDeSeguimiento");
}

void DM_WebAPI_V1::GuardarDetalleDeDescarga(const Dto_DetalleRq& RequestDto) {
    EscritorJson cuerpo;
    cuerpo.AbreObjeto();
    cuerpo.AgregaNumero("Id_Descarga", RequestDto.Id_Descarga, true);
    cuerpo.AgregaNumero("Id_Paso", RequestDto.Id_Paso, true);
    cuerpo.AgregaNumero("Status", RequestDto.Status, true);
    cuerpo.AgregaTexto("Descripcion", RequestDto.Descripcion);
    cuerpo.CierraObjeto();
    Envia("POST", "Detalles", cuerpo.Texto());
}

}  // namespace mirvalo
