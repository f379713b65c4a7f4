#include "ui/ListaDesplegable.h"

#include <QComboBox>
#include <utility>

#include "ui/Ventana.h"
#include "ui/qt/Conversion.h"
#include "ui/qt/Manejadores.h"

namespace mirvalo {

namespace {
QComboBox& ElWidget(const ControlVisible& control) {
    return static_cast<QComboBox&>(control.Widget());
}
}  // namespace

ListaDesplegable::ListaDesplegable(Ventana& ventana, std::string nombre)
    : ControlVisible(ventana, std::move(nombre), *new QComboBox(&ventana.Widget()), RGB(255, 255, 255),
                     ColorDeTextoDelSistema) {
    auto& widget = ElWidget(*this);
    widget.setEditable(false);
    QObject::connect(&widget, &QComboBox::activated, &widget, [this] { detalle::Invoca(on_click); });
}

// The toolkit chooses the first entry added; the list keeps "none chosen" until code or the user chooses.
void ListaDesplegable::AddItem(const std::string& texto) {
    auto& widget = ElWidget(*this);
    const int elegido = widget.currentIndex();
    widget.addItem(detalle::AQString(texto));
    if (widget.currentIndex() != elegido) widget.setCurrentIndex(elegido);
}

void ListaDesplegable::Clear() {
    ElWidget(*this).clear();
}

int ListaDesplegable::ListCount() const {
    return ElWidget(*this).count();
}

std::string ListaDesplegable::List(int indice) const {
    return detalle::DesdeQString(ElWidget(*this).itemText(indice));
}

int ListaDesplegable::ListIndex() const {
    return ElWidget(*this).currentIndex();
}

void ListaDesplegable::ListIndex(int indice) {
    if (indice < -1 || indice >= ListCount()) throw Error(380, "Invalid property value", "ListIndex");
    ElWidget(*this).setCurrentIndex(indice);
    // Raised in the caller's own flow, so that what the handler does happens before the caller goes on.
    if (auto manejador = on_click) manejador();
}

std::string ListaDesplegable::Text() const {
    return detalle::DesdeQString(ElWidget(*this).currentText());
}

}  // namespace mirvalo
