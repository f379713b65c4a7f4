#include "core/Pantallas.h"

#include <map>
#include <utility>

namespace mirvalo::pantallas {
namespace {
std::map<std::string, Muestra, std::less<>>& Registro() {
    static std::map<std::string, Muestra, std::less<>> registro;
    return registro;
}
}  // namespace

void Registra(std::string nombre, Muestra muestra) { Registro()[std::move(nombre)] = std::move(muestra); }

bool MuestraLaPantalla(std::string_view nombre) {
    auto& registro = Registro();
    const auto it = registro.find(nombre);
    if (it == registro.end() || !it->second) return false;
    // A copy: showing a screen may replace registrations (tests) while it runs.
    const Muestra muestra = it->second;
    muestra();
    return true;
}

void OlvidaTodas() { Registro().clear(); }

}  // namespace mirvalo::pantallas
