#include "ui/qt/WidgetDeVentana.h"

#include "ui/Ventana.h"

namespace mirvalo::detalle {

WidgetDeVentana::WidgetDeVentana()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void WidgetDeVentana::mouseMoveEvent(QMouseEvent* evento) {
    evento->accept();
    // Moves that other widgets let through arrive here too; only the background's count.
    if (ventana && Raton::SobreSuSuperficie(*this, evento->position().toPoint()))
        Invoca(ventana->on_movimiento);
}

void WidgetDeVentana::closeEvent(QCloseEvent* evento) {
    if (cerrando_por_codigo || !ventana) {
        evento->accept();
        return;
    }
    // The user closed the wizard: that ends the process.
    evento->ignore();
    Invoca([this] { ventana->CerradaPorElUsuario(); });
}

}  // namespace mirvalo::detalle
