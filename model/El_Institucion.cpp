#include "model/El_Institucion.h"

#include <optional>

#include "model/ListaOrdenadaSinRepetir.h"
#include "platform/Eventos.h"
#include "platform/Texto.h"
#include "webapi/DM_WebAPI_V1.h"
#include "webapi/LectorDeClaves.h"

namespace mirvalo {
namespace {

El_Aplicacion LeeAplicacion(const ValorJson& item) {
    const LectorDeClaves claves(item);
    El_Aplicacion aplicacion;
    aplicacion.IdAplicacion = claves.Entero16("IdAplicacion");
    aplicacion.NombreAplicacion = claves.Texto("NombreAplicacion");
    aplicacion.SuiteAplicacion = claves.Texto("SuiteAplicacion");
    aplicacion.IdNivel = claves.Texto("IdNivel");
    aplicacion.NombreNivel = claves.Texto("NombreNivel");
    aplicacion.Comprada = claves.Booleano("Comprada");
    return aplicacion;
}

// How a suite name is matched: without blanks at the ends and without case.
std::string ClaveDeSuite(std::string_view suite) {
    return texto::Mayusculas(texto::Recorta(suite));
}

}  // namespace

bool El_Institucion::ValidarInstitucion() {
    if (idMirvalo_.empty()) return false;

    Dto_InstitucionRq rq;
    rq.IDMirvalo = idMirvalo_;
    // The answer is this call's own copy: the loop below walks it, never the catalogue, so a
    // validation started by an event handler while this one lets events run can only append.
    std::optional<Dto_InstitucionRp> rp = DM_WebAPI_V1().ValidarIDMirvalo(rq);
    if (!rp) return false;

    plataforma_ = rp->IdVersion;
    for (const ValorJson& item : rp->Aplicaciones) {
        DejaCorrerEventos();
        aplicaciones_.push_back(LeeAplicacion(item));
    }
    return true;
}

std::vector<std::string> El_Institucion::ObtenerSuites() const {
    ListaOrdenadaSinRepetir lista;
    for (const El_Aplicacion& aplicacion : aplicaciones_) lista.Agrega(aplicacion.SuiteAplicacion);
    return lista.Ordenada();
}

std::vector<std::string> El_Institucion::ObtenerAplicacionesCompradas() const {
    ListaOrdenadaSinRepetir lista;
    for (const El_Aplicacion& aplicacion : aplicaciones_)
        if (aplicacion.Comprada) lista.Agrega(TextoDeLista(aplicacion));
    return lista.Ordenada();
}

std::vector<std::string> El_Institucion::ObtenerTodasLasAplicaciones() const {
    ListaOrdenadaSinRepetir lista;
    for (const El_Aplicacion& aplicacion : aplicaciones_) lista.Agrega(TextoDeLista(aplicacion));
    return lista.Ordenada();
}

std::vector<std::string> El_Institucion::ObtenerAplicacionesPorSuite(std::string_view suite) const {
    const std::string buscada = ClaveDeSuite(suite);
    ListaOrdenadaSinRepetir lista;
    for (const El_Aplicacion& aplicacion : aplicaciones_)
        if (ClaveDeSuite(aplicacion.SuiteAplicacion) == buscada) lista.Agrega(TextoDeLista(aplicacion));
    return lista.Ordenada();
}

}  // namespace mirvalo
