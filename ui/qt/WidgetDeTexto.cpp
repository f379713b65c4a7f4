#include "ui/qt/WidgetDeTexto.h"

#include "ui/CajaDeTexto.h"
#include "ui/qt/Manejadores.h"

namespace mirvalo::detalle {

int WidgetDeTexto::CodigoDeCaracter(const QKeyEvent& evento) {
    switch (evento.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Escape: return 27;
        case Qt::Key_Tab: return 9;
        default: break;
    }
    const QString texto = evento.text();
    if (texto.isEmpty() || !texto.at(0).isPrint()) return 0;
    return texto.at(0).unicode();
}

void WidgetDeTexto::keyPressEvent(QKeyEvent* evento) {
    const int original = CodigoDeCaracter(*evento);
    if (original == 0 || !caja || !caja->on_tecla) {
        QLineEdit::keyPressEvent(evento);
        return;
    }
    int codigo = original;
    Invoca([&] { caja->on_tecla(codigo); });
    if (ProcesoTerminado()) return;
    if (codigo == 0) {
        evento->accept();  // swallowed by the handler
    } else if (codigo != original && QChar(codigo).isPrint()) {
        insert(QString(QChar(codigo)));
        evento->accept();
    } else {
        QLineEdit::keyPressEvent(evento);
    }
}

}  // namespace mirvalo::detalle
