#include "ui/Color.h"

namespace mirvalo {

Color ColorReal(Color c) {
    switch (c) {
        case ColorDeTextoDelSistema: return RGB(0, 0, 0);
        case ColorDeFondoDelSistema: return RGB(240, 240, 240);
        default: return c & 0xFFFFFF;
    }
}

}  // namespace mirvalo
