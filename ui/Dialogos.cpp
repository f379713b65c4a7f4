#include "ui/Dialogos.h"

#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "ui/Simulacion.h"
#include "ui/qt/Conversion.h"
#include "ui/qt/Manejadores.h"
#include "ui/qt/Registro.h"
#include "ui/qt/RespuestasSimuladas.h"

namespace mirvalo {

bool PreguntaSiNo(std::string_view titulo, std::string_view texto) {
    if (const auto& respuesta = detalle::RespuestaSimulada())
        return respuesta(std::string(titulo), std::string(texto));
    QMessageBox caja(QMessageBox::Question, detalle::AQString(titulo), detalle::TextoMostrado(texto),
                     QMessageBox::Yes | QMessageBox::No);
    return caja.exec() == QMessageBox::Yes;
}

void TerminaElProceso() {
    if (detalle::TerminacionSimulada()) {
        detalle::NotaTerminacion();
        detalle::CierraTodoPorTerminacion();
        throw simulacion::ProcesoTerminado{};
    }
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace mirvalo
