#include "ui/qt/Manejadores.h"

#include <cstdio>
#include <exception>

#include "ui/Simulacion.h"

namespace mirvalo::detalle {
namespace {
int profundidad = 0;
bool simulada = false;
bool terminado = false;
}  // namespace

void Invoca(const std::function<void()>& manejador) {
    if (!manejador || terminado) return;
    const auto copia = manejador;  // the handler may replace itself while it runs
    EnManejador en_curso;
    try {
        copia();
    } catch (const simulacion::ProcesoTerminado&) {
        // The process "ended" inside the handler: nothing more of it runs.
    } catch (const std::exception& error) {
        // A handler must catch its own failures; one that escapes must not unwind through the toolkit.
        std::fprintf(stderr, "mirvalo: failure not handled by an event handler: %s\n", error.what());
    }
}

EnManejador::EnManejador() {
    ++profundidad;
}
EnManejador::~EnManejador() {
    --profundidad;
}

int ManejadoresEnCurso() {
    return profundidad;
}

bool TerminacionSimulada() {
    return simulada;
}
bool ProcesoTerminado() {
    return terminado;
}

void SimulaTerminacion(bool simular) {
    simulada = simular;
    terminado = false;
}

void NotaTerminacion() {
    terminado = true;
}

}  // namespace mirvalo::detalle
