#include "core/DM_Core.h"

#include <memory>

#include "platform/Error.h"

namespace mirvalo {
namespace {

std::unique_ptr<DM_Core>& Instancia() {
    static std::unique_ptr<DM_Core> instancia;
    return instancia;
}

}  // namespace

// Failure reports read the configuration's download id at the moment of each report.
DM_Core::DM_Core() : Fallos([this] { return Configuraciones.IdDescarga(); }), Descarga(Fallos) {}

void DM_Core::CargarConfiguraciones(int16_t IdAsistente) {
    Configuraciones.EstableceId(IdAsistente);
    Configuraciones.Cargar();
    Descarga.EstableceIdDescarga(Configuraciones.IdDescarga());
}

DM_Core& CreaElCore() {
    auto& instancia = Instancia();
    instancia.reset();
    instancia = std::make_unique<DM_Core>();
    return *instancia;
}

bool ExisteElCore() {
    return Instancia() != nullptr;
}

DM_Core& Core() {
    if (!Instancia()) throw Error::Estandar(errores::ObjetoNoEstablecido, "Core()");
    return *Instancia();
}

void DescartaElCore() {
    Instancia().reset();
}

}  // namespace mirvalo
