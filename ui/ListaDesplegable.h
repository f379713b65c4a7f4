#pragma once
#include <string>

#include "ui/Control.h"

namespace mirvalo {

// A drop-down list in which the user can only choose, not type. on_click is raised when the user
// chooses an entry and whenever code sets ListIndex (also to the entry already chosen).
class ListaDesplegable : public ControlVisible {
public:
    ListaDesplegable(Ventana& ventana, std::string nombre);

    void AddItem(const std::string& texto);
    void Clear();
    int ListCount() const;
    std::string List(int indice) const;
    // The chosen entry, -1 for none.
    int ListIndex() const;
    void ListIndex(int indice);
    // The chosen entry's text; empty when none is chosen.
    std::string Text() const;
};

}  // namespace mirvalo
