#pragma once
#include <string>

#include "ui/Control.h"

namespace mirvalo {

// A list box in which several entries can be selected at once; a click toggles an entry. Entries
// keep the order in which they were added (no sorting).
class ListaMultiple : public ControlVisible {
public:
    ListaMultiple(Ventana& ventana, std::string nombre);

    void AddItem(const std::string& texto);
    // Removes the entry at `indice`; raises Error 5 ("Invalid procedure call or argument") when there is
    // none.
    void RemoveItem(int indice);
    void Clear();
    int ListCount() const;
    std::string List(int indice) const;
    bool Selected(int indice) const;
    void Selected(int indice, bool seleccionado);
    // How many entries are selected.
    int SelCount() const;
};

}  // namespace mirvalo
