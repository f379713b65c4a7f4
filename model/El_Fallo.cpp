#include "model/El_Fallo.h"

#include <utility>

#include "webapi/DM_WebAPI_V1.h"

namespace mirvalo {

El_Fallo::El_Fallo(std::function<int32_t()> idDescarga) : idDescarga_(std::move(idDescarga)) {}

El_Fallo::~El_Fallo() = default;

void El_Fallo::RegistrarFallo(std::string_view Modulo, std::string_view Procedimiento, int32_t NoFallo,
                              std::string_view Fallo) noexcept {
    // Every statement on its own, a failure of one ignored: whatever could be filled is sent, and
    // nothing escapes.
    const auto intenta = [](auto&& sentencia) {
        try {
            sentencia();
        } catch (...) {
        }
    };
    Dto_FalloRq rq;
    intenta([&] { rq.Id_Descarga = idDescarga_(); });
    intenta([&] { rq.Modulo = Modulo; });
    intenta([&] { rq.Procedimiento = Procedimiento; });
    intenta([&] { rq.NoError = NoFallo; });
    intenta([&] { rq.DescripcionError = Fallo; });
    intenta([&] { cliente_ = std::make_unique<DM_WebAPI_V1>(); });
    intenta([&] {
        if (cliente_) cliente_->RegistrarFallo(rq);
    });
}

}  // namespace mirvalo
