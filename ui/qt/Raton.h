#pragma once
#include <QMouseEvent>
#include <QWidget>

#include "ui/Control.h"
#include "ui/qt/Manejadores.h"

namespace mirvalo::detalle {

// Pointer handling shared by the widgets of labels and picture boxes: every pointer event over
// them is theirs (it never reaches the container behind), a click is a press and release of the
// left button on the widget itself, and moves count only over the widget's own surface, not over
// a control inside it.
class Raton {
public:
    static bool SobreSuSuperficie(const QWidget& widget, const QPoint& punto) {
        return widget.rect().contains(punto) && widget.childAt(punto) == nullptr;
    }

    void Presion(QMouseEvent* evento) {
        evento->accept();
        if (evento->button() == Qt::LeftButton) presionado_ = true;
    }
    void Suelta(QWidget& widget, ControlVisible* control, QMouseEvent* evento) {
        evento->accept();
        if (evento->button() != Qt::LeftButton || !presionado_) return;
        presionado_ = false;
        if (control && SobreSuSuperficie(widget, evento->position().toPoint())) Invoca(control->on_click);
    }
    void Movimiento(QWidget& widget, ControlVisible* control, QMouseEvent* evento) {
        evento->accept();
        if (control && SobreSuSuperficie(widget, evento->position().toPoint()))
            Invoca(control->on_movimiento);
    }

private:
    bool presionado_ = false;
};

}  // namespace mirvalo::detalle
