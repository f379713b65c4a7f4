#pragma once
#include <functional>

namespace mirvalo::detalle {

// The edge between the toolkit and our handlers. Every event the toolkit delivers reaches a
// handler through Invoca, which counts how deep handlers are nested, stops delivering once the
// process has (in a simulation) ended, and keeps an end of process or a stray failure from
// unwinding through the toolkit.
void Invoca(const std::function<void()>& manejador);
// How many handlers are running now (nested event loops run handlers inside handlers).
int ManejadoresEnCurso();

// Counts a stretch of screen code that does not come through Invoca (a screen's load) as a
// running handler, so that no screen is destroyed under it.
class EnManejador {
public:
    EnManejador();
    ~EnManejador();
    EnManejador(const EnManejador&) = delete;
    EnManejador& operator=(const EnManejador&) = delete;
};

// The simulated end of the process (see simulacion::SimulaLaTerminacion).
bool TerminacionSimulada();
bool ProcesoTerminado();

}  // namespace mirvalo::detalle

namespace mirvalo::detalle {
void SimulaTerminacion(bool simular);  // also clears the note of an earlier end
void NotaTerminacion();
}  // namespace mirvalo::detalle
