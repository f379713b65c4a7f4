#pragma once
#include <functional>
#include <memory>
#include <string>

#include "ui/Control.h"

class QTimer;

namespace mirvalo {

// A timer: while enabled it raises on_tick every Interval milliseconds. The screens use it once,
// so its handler disables it first.
class Temporizador : public Control {
public:
    Temporizador(Ventana& ventana, std::string nombre);
    ~Temporizador() override;

    int Interval() const { return intervalo_; }
    void Interval(int milisegundos);
    bool Enabled() const { return habilitado_; }
    void Enabled(bool habilitado);

    std::function<void()> on_tick;

    // For the forms layer: stops the clock without changing Enabled (the window was unloaded).
    void Detiene();

private:
    void Programa();

    int intervalo_ = 0;
    bool habilitado_ = false;
    std::unique_ptr<QTimer> temporizador_;
};

}  // namespace mirvalo
