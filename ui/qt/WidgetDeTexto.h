#pragma once
#include <QKeyEvent>
#include <QLineEdit>

namespace mirvalo {
class CajaDeTexto;
}

namespace mirvalo::detalle {

// A text box's widget: hands every key that makes a character to the box's on_tecla first.
class WidgetDeTexto : public QLineEdit {
public:
    explicit WidgetDeTexto(QWidget* padre) : QLineEdit(padre) {}

    CajaDeTexto* caja = nullptr;

    // The character code of a key event, 0 for keys that make no character.
    static int CodigoDeCaracter(const QKeyEvent& evento);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
};

}  // namespace mirvalo::detalle
