#include "model/El_Descarga.h"

#include "model/El_Fallo.h"
#include "platform/Texto.h"
#include "webapi/DM_WebAPI_V1.h"

namespace mirvalo {
namespace {

constexpr std::size_t LargoMaximoDeDescripcion = 1000;
// What the tracking number becomes when the server answered without one.
constexpr const char* SinNumeroDeSeguimiento = "CONN";

}  // namespace

El_Descarga::El_Descarga(El_Fallo& fallos) : fallos_(fallos) {}

El_Descarga::~El_Descarga() = default;

void El_Descarga::GuardarDetalle(int32_t Paso, bool Status, std::string_view Descripcion) noexcept {
    try {
        Dto_DetalleRq rq;
        rq.Id_Descarga = idDescarga_;
        rq.Id_Paso = Paso;
        rq.Status = Status ? 1 : 0;
        rq.Descripcion = texto::Izquierda(Descripcion, LargoMaximoDeDescripcion);
        cliente_ = std::make_unique<DM_WebAPI_V1>();
        cliente_->GuardarDetalleDeDescarga(rq);
    } catch (...) {
        // Lost: a step report never stops the run, and is not logged either.
    }
}

std::string El_Descarga::ObtenerNumeroDeSeguimiento() noexcept {
    try {
        if (numeroDeSeguimiento_.empty()) {
            cliente_ = std::make_unique<DM_WebAPI_V1>();
            std::string numero = cliente_->GenerarNumeroDeSeguimiento(idDescarga_);
            numeroDeSeguimiento_ = numero.empty() ? SinNumeroDeSeguimiento : std::move(numero);
        }
        return numeroDeSeguimiento_;
    } catch (...) {
        return {};
    }
}

}  // namespace mirvalo
