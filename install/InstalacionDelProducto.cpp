#include "install/InstalacionDelProducto.h"

namespace mirvalo {

InstalacionDelProducto::InstalacionDelProducto(DM_Core& core, std::chrono::milliseconds espera)
    : herramienta_(core, espera),
      carpetas_(core),
      permisos_(core, herramienta_),
      libreriasYFuentes_(core),
      impresora_(core, herramienta_),
      almacenVirtual_(core),
      registro_(core, herramienta_),
      accesosDirectos_(core) {}

}  // namespace mirvalo
