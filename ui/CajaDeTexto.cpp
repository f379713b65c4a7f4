#include "ui/CajaDeTexto.h"

#include <utility>

#include "ui/Ventana.h"
#include "ui/qt/Conversion.h"
#include "ui/qt/Manejadores.h"
#include "ui/qt/WidgetDeTexto.h"

namespace mirvalo {

namespace {
detalle::WidgetDeTexto& ElWidget(const ControlVisible& control) {
    return static_cast<detalle::WidgetDeTexto&>(control.Widget());
}
constexpr int SinLimite = 32767;
}  // namespace

CajaDeTexto::CajaDeTexto(Ventana& ventana, std::string nombre)
    : ControlVisible(ventana, std::move(nombre), *new detalle::WidgetDeTexto(&ventana.Widget()),
                     RGB(255, 255, 255), ColorDeTextoDelSistema) {
    auto& widget = ElWidget(*this);
    widget.caja = this;
    widget.setMaxLength(SinLimite);
    // A change by code raises on_cambio as one by the user does; a handler that changes the text
    // again raises it again, as the toolkit reports each change.
    QObject::connect(&widget, &QLineEdit::textChanged, &widget, [this] { detalle::Invoca(on_cambio); });
    AplicaLosColores();
}

std::string CajaDeTexto::Text() const {
    return detalle::DesdeQString(ElWidget(*this).text());
}

void CajaDeTexto::Text(const std::string& texto) {
    ElWidget(*this).setText(detalle::AQString(texto));
}

void CajaDeTexto::MaxLength(int caracteres) {
    longitud_maxima_ = caracteres;
    ElWidget(*this).setMaxLength(caracteres > 0 ? caracteres : SinLimite);
}

void CajaDeTexto::Alignment(Alineacion alineacion) {
    alineacion_ = alineacion;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alineacion == Alineacion::Centro) horizontal = Qt::AlignHCenter;
    if (alineacion == Alineacion::Derecha) horizontal = Qt::AlignRight;
    ElWidget(*this).setAlignment(horizontal | Qt::AlignVCenter);
}

}  // namespace mirvalo
