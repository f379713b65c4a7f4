#include "ui/qt/BombaDeEventos.h"

#include <QCoreApplication>

#include "ui/Simulacion.h"
#include "ui/qt/Manejadores.h"

namespace mirvalo::detalle {

void BombeaEventos() {
    using Reloj = std::chrono::steady_clock;
    static Reloj::time_point ultima{};
    if (ProcesoTerminado()) throw simulacion::ProcesoTerminado{};
    const auto ahora = Reloj::now();
    if (ahora - ultima < IntervaloDeLaBomba) return;
    ultima = ahora;
    QCoreApplication::processEvents();
    // The process "ended" in one of those events: the long work that let them run stops too.
    if (ProcesoTerminado()) throw simulacion::ProcesoTerminado{};
}

}  // namespace mirvalo::detalle
