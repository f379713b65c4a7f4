#include "core/NetFrameworkDisponible.h"

#include "core/Ventanas.h"
#include "platform/EX_NetFramework.h"
#include "ui/Dialogos.h"

namespace mirvalo {
namespace {
constexpr const char* PreguntaNetFramework =
    "¿Desea que se realice la instalación automática del componente .NET Framework necesario para "
    "trabajar con Mirvalo?\r\n\r\nEl proceso puede tardar unos minutos.";
}  // namespace

bool NetFrameworkDisponible() {
    const EX_NetFramework netFramework;
    if (netFramework.Instalado() != 0) return true;
    if (!PreguntaSiNo(TituloDelAsistente(), PreguntaNetFramework)) return false;
    return netFramework.ActivaNetFramework35() != 0;
}

}  // namespace mirvalo
