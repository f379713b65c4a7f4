#include "ui/Etiqueta.h"

#include <QFontMetrics>
#include <algorithm>
#include <utility>

#include "ui/Ventana.h"
#include "ui/qt/Conversion.h"
#include "ui/qt/Escala.h"
#include "ui/qt/WidgetDeEtiqueta.h"

namespace mirvalo {

namespace {
detalle::WidgetDeEtiqueta& ElWidget(const ControlVisible& control) {
    return static_cast<detalle::WidgetDeEtiqueta&>(control.Widget());
}
}  // namespace

Etiqueta::Etiqueta(Ventana& ventana, std::string nombre)
    : ControlVisible(ventana, std::move(nombre), *new detalle::WidgetDeEtiqueta(&ventana.Widget()),
                     ColorDeFondoDelSistema, ColorDeTextoDelSistema) {
    ElWidget(*this).control = this;
    ElWidget(*this).setWordWrap(true);
    Alignment(alineacion_);
    AplicaLosColores();
}

void Etiqueta::Caption(std::string texto) {
    caption_ = std::move(texto);
    ElWidget(*this).setText(detalle::TextoMostrado(caption_));
    if (auto_size_) AplicaLaGeometria();
}

void Etiqueta::Alignment(Alineacion alineacion) {
    alineacion_ = alineacion;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alineacion == Alineacion::Centro) horizontal = Qt::AlignHCenter;
    if (alineacion == Alineacion::Derecha) horizontal = Qt::AlignRight;
    ElWidget(*this).setAlignment(horizontal | Qt::AlignTop);
}

void Etiqueta::AutoSize(bool ajustar) {
    auto_size_ = ajustar;
    // Without AutoSize the caption wraps inside the width; with it, only when WordWrap says so.
    ElWidget(*this).setWordWrap(!auto_size_ || word_wrap_);
    AplicaLaGeometria();
}

void Etiqueta::WordWrap(bool ajustar) {
    word_wrap_ = ajustar;
    ElWidget(*this).setWordWrap(!auto_size_ || word_wrap_);
    if (auto_size_) AplicaLaGeometria();
}

void Etiqueta::BackStyle(EstiloDeFondo estilo) {
    estilo_de_fondo_ = estilo;
    AplicaLosColores();
}

void Etiqueta::BorderStyle(EstiloDeBorde borde) {
    borde_ = borde;
    ElWidget(*this).setFrameStyle(borde == EstiloDeBorde::Sencillo ? (QFrame::Box | QFrame::Plain)
                                                                   : QFrame::NoFrame);
    if (auto_size_) AplicaLaGeometria();
}

void Etiqueta::AplicaLosColores() {
    ControlVisible::AplicaLosColores();
    ElWidget(*this).setAutoFillBackground(estilo_de_fondo_ == EstiloDeFondo::Opaco);
}

void Etiqueta::AlCambiarLaFuente() {
    if (auto_size_) AplicaLaGeometria();
}

void Etiqueta::AplicaLaGeometria() {
    if (auto_size_) AjustaElTamano();
    ControlVisible::AplicaLaGeometria();
}

// The size of the caption in the label's font: one line at least, so that an empty label is as
// high as one line of text.
void Etiqueta::AjustaElTamano() {
    const auto& widget = ElWidget(*this);
    const QFontMetrics medidas(widget.font());
    const QString texto = widget.text();
    const int marco = 2 * widget.frameWidth();
    QRect ocupado;
    if (word_wrap_) {
        const int ancho = std::max(1, detalle::APixeles(Width()) - marco);
        ocupado = medidas.boundingRect(QRect(0, 0, ancho, 1 << 20), Qt::TextWordWrap, texto);
        ocupado.setWidth(ancho);
    } else {
        ocupado = medidas.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, texto);
    }
    const int alto = std::max(medidas.height(), ocupado.height());
    CambiaElTamanoSinAplicar((ocupado.width() + marco) * detalle::TwipsPorPixel(),
                             (alto + marco) * detalle::TwipsPorPixel());
}

}  // namespace mirvalo
