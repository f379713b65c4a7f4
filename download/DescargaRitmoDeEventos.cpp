#include "download/DescargaRitmoDeEventos.h"

#include "platform/Eventos.h"

namespace mirvalo {

void DescargaRitmoDeEventos::Corre() {
    DejaCorrerEventos();
    // Measured after the events ran, so a slow repaint does not make the next run due at once.
    ultima_ = Reloj::now();
}

}  // namespace mirvalo
