#include "ui/ListaMultiple.h"

#include <QListWidget>
#include <utility>

#include "ui/Ventana.h"
#include "ui/qt/Conversion.h"

namespace mirvalo {

namespace {
QListWidget& ElWidget(const ControlVisible& control) {
    return static_cast<QListWidget&>(control.Widget());
}
}  // namespace

ListaMultiple::ListaMultiple(Ventana& ventana, std::string nombre)
    : ControlVisible(ventana, std::move(nombre), *new QListWidget(&ventana.Widget()), RGB(255, 255, 255),
                     ColorDeTextoDelSistema) {
    auto& widget = ElWidget(*this);
    widget.setSelectionMode(QAbstractItemView::MultiSelection);
    widget.setSortingEnabled(false);
}

void ListaMultiple::AddItem(const std::string& texto) {
    ElWidget(*this).addItem(detalle::AQString(texto));
}

void ListaMultiple::RemoveItem(int indice) {
    if (indice < 0 || indice >= ListCount()) throw Error::Estandar(errores::LlamadaNoValida, "RemoveItem");
    delete ElWidget(*this).takeItem(indice);
}

void ListaMultiple::Clear() {
    ElWidget(*this).clear();
}

int ListaMultiple::ListCount() const {
    return ElWidget(*this).count();
}

std::string ListaMultiple::List(int indice) const {
    if (indice < 0 || indice >= ListCount()) return {};
    return detalle::DesdeQString(ElWidget(*this).item(indice)->text());
}

bool ListaMultiple::Selected(int indice) const {
    if (indice < 0 || indice >= ListCount()) throw Error(381, "Invalid property array index", "Selected");
    return ElWidget(*this).item(indice)->isSelected();
}

void ListaMultiple::Selected(int indice, bool seleccionado) {
    if (indice < 0 || indice >= ListCount()) throw Error(381, "Invalid property array index", "Selected");
    ElWidget(*this).item(indice)->setSelected(seleccionado);
}

int ListaMultiple::SelCount() const {
    return static_cast<int>(ElWidget(*this).selectedItems().size());
}

}  // namespace mirvalo
