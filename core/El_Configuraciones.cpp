#include "core/El_Configuraciones.h"

#include "webapi/DM_WebAPI_V1.h"
#include "webapi/DireccionesWeb.h"
#include "webapi/SondaDeConexion.h"

namespace mirvalo {

El_Configuraciones::El_Configuraciones() = default;
El_Configuraciones::~El_Configuraciones() = default;

void El_Configuraciones::Cargar() noexcept {
    cargoCorrectamente_ = false;
    try {
        // A server that is not there at all is told apart before the request, as the start-up
        // checks expect.
        if (!ElServidorResponde(direcciones::ServidorWebApi() + "/")) return;

        Dto_IniciaRq rq;
        rq.Id = id_;
        cliente_ = std::make_unique<DM_WebAPI_V1>();
        const std::optional<Dto_IniciaRp> rp = cliente_->IniciarDM(rq);
        if (!rp) return;

        idDescarga_ = rp->Id;
        nombre_ = rp->Nombre;
        activo_ = rp->Activa;
        revision_ = rp->Revision;
        asistente_ = rp->TipoAsistente;
        plataforma_ = rp->TipoPlataforma;
        plataformaNombre_ = rp->NombrePlataforma;
        plataformaVersion_ = rp->VersionPlataforma;
        cargoCorrectamente_ = true;
    } catch (...) {
        // The only trace of a failed load is CargoCorrectamente false; the start-up checks report it.
    }
}

}  // namespace mirvalo
