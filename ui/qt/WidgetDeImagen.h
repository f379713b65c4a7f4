#pragma once
#include <QFrame>
#include <QImage>
#include <QPainter>

#include "ui/qt/Raton.h"

namespace mirvalo::detalle {

// A picture box's widget: its frame, then the drawing surface over its inside.
class WidgetDeImagen : public QFrame {
public:
    explicit WidgetDeImagen(QWidget* padre) : QFrame(padre) {
        setMouseTracking(true);
        setAutoFillBackground(true);
    }

    ControlVisible* control = nullptr;
    QImage superficie;  // the inside, kept across repaints
    QImage imagen;      // a picture shown under the drawing

protected:
    void paintEvent(QPaintEvent* evento) override {
        QFrame::paintEvent(evento);
        if (superficie.isNull()) return;
        QPainter pintor(this);
        pintor.drawImage(contentsRect().topLeft(), superficie);
    }
    void mousePressEvent(QMouseEvent* evento) override { raton_.Presion(evento); }
    void mouseReleaseEvent(QMouseEvent* evento) override { raton_.Suelta(*this, control, evento); }
    void mouseMoveEvent(QMouseEvent* evento) override { raton_.Movimiento(*this, control, evento); }

private:
    Raton raton_;
};

}  // namespace mirvalo::detalle
