#include "core/Pantallas.h"

#include <map>
#include <utility>

#include "platform/Error.h"
#include "ui/Ventana.h"

namespace mirvalo::pantallas {
namespace {
std::map<std::string, Muestra, std::less<>>& Registro() {
    static std::map<std::string, Muestra, std::less<>> registro;
    return registro;
}
}  // namespace

void Registra(std::string nombre, Muestra muestra) {
    Registro()[std::move(nombre)] = std::move(muestra);
}

bool MuestraLaPantalla(std::string_view nombre) {
    auto& registro = Registro();
    const auto it = registro.find(nombre);
    if (it == registro.end() || !it->second) return false;
    // A copy: showing a screen may replace registrations (tests) while it runs.
    const Muestra muestra = it->second;
    muestra();
    return true;
}

void EntregaA(Ventana& ventana, std::string_view siguiente) {
    if (!MuestraLaPantalla(siguiente))
        throw Error::Estandar(errores::LlamadaNoValida, "MuestraLaPantalla " + std::string(siguiente));
    ventana.Unload();
}

void OlvidaTodas() {
    Registro().clear();
}

}  // namespace mirvalo::pantallas
