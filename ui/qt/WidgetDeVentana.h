#pragma once
#include <QCloseEvent>
#include <QWidget>

#include "ui/qt/Raton.h"

namespace mirvalo {
class Ventana;
}

namespace mirvalo::detalle {

// The inside of a wizard window, a top-level widget.
class WidgetDeVentana : public QWidget {
public:
    WidgetDeVentana();

    Ventana* ventana = nullptr;
    bool cerrando_por_codigo = false;

protected:
    void mouseMoveEvent(QMouseEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
};

}  // namespace mirvalo::detalle
