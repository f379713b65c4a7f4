#include "ui/Temporizador.h"

#include <QTimer>
#include <utility>

#include "ui/qt/Manejadores.h"

namespace mirvalo {

Temporizador::Temporizador(Ventana& ventana, std::string nombre)
    : Control(ventana, std::move(nombre)), temporizador_(std::make_unique<QTimer>()) {
    temporizador_->setTimerType(Qt::PreciseTimer);
    QObject::connect(temporizador_.get(), &QTimer::timeout, temporizador_.get(),
                     [this] { detalle::Invoca(on_tick); });
}

Temporizador::~Temporizador() = default;

void Temporizador::Interval(int milisegundos) {
    intervalo_ = milisegundos;
    Programa();
}

void Temporizador::Enabled(bool habilitado) {
    habilitado_ = habilitado;
    Programa();
}

void Temporizador::Detiene() {
    temporizador_->stop();
}

// An interval of 0 never fires; a change restarts the count.
void Temporizador::Programa() {
    if (habilitado_ && intervalo_ > 0)
        temporizador_->start(intervalo_);
    else
        temporizador_->stop();
}

}  // namespace mirvalo
