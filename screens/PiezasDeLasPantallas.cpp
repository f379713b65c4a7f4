#include "screens/PiezasDeLasPantallas.h"

#include <new>
#include <string>

#include "core/DM_Core.h"
#include "core/Pantallas.h"
#include "platform/Error.h"
#include "ui/Formularios.h"

namespace mirvalo::piezas {

void AgregaLaFranjaOficial(Ventana& ventana) {
    auto& franja = ventana.AgregaCajaDeImagen("picFranjaOficial", 0, 0, ventana.Width(), 225);
    franja.BorderStyle(EstiloDeBorde::Ninguno);
    for (const char* bloque :
         {"picFranjaOficialColor1", "picFranjaOficialColor2", "picFranjaOficialColor3"}) {
        auto& caja = ventana.AgregaCajaDeImagen(bloque, 0, 0, 0, 225);
        caja.BorderStyle(EstiloDeBorde::Ninguno);
        caja.Container(franja);
    }
}

void RegistraElFallo(std::string_view modulo, std::string_view procedimiento,
                     const std::exception& fallo) noexcept {
    try {
        Error error(errores::LlamadaNoValida, fallo.what());
        if (const auto* propio = dynamic_cast<const Error*>(&fallo))
            error = *propio;
        else if (dynamic_cast<const std::bad_alloc*>(&fallo))
            error = Error::Estandar(errores::SinMemoria);
        Core().Fallos.RegistrarFallo(modulo, procedimiento, error.Numero(), error.Descripcion());
    } catch (const std::exception&) {
    }
}

void EntregaA(Ventana& ventana, std::string_view siguiente) {
    if (!pantallas::MuestraLaPantalla(siguiente))
        throw Error::Estandar(errores::LlamadaNoValida, "MuestraLaPantalla " + std::string(siguiente));
    ventana.Unload();
}

}  // namespace mirvalo::piezas
