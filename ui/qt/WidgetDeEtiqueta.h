#pragma once
#include <QLabel>

#include "ui/qt/Raton.h"

namespace mirvalo::detalle {

class WidgetDeEtiqueta : public QLabel {
public:
    explicit WidgetDeEtiqueta(QWidget* padre) : QLabel(padre) {
        setTextFormat(Qt::PlainText);
        setMouseTracking(true);
        setMargin(0);
        setIndent(0);
    }

    ControlVisible* control = nullptr;

protected:
    void mousePressEvent(QMouseEvent* evento) override { raton_.Presion(evento); }
    void mouseReleaseEvent(QMouseEvent* evento) override { raton_.Suelta(*this, control, evento); }
    void mouseMoveEvent(QMouseEvent* evento) override { raton_.Movimiento(*this, control, evento); }

private:
    Raton raton_;
};

}  // namespace mirvalo::detalle
