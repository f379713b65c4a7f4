#include "platform/Eventos.h"

#include <utility>

namespace mirvalo {
namespace {
std::function<void()>& Bomba() {
    static std::function<void()> bomba;
    return bomba;
}
}  // namespace

void DejaCorrerEventos() {
    if (auto& bomba = Bomba()) bomba();
}

void EstableceBombaDeEventos(std::function<void()> bomba) { Bomba() = std::move(bomba); }

}  // namespace mirvalo
