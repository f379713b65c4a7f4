// Linked into every test executable: the environment each test process starts with, whether it
// runs under ctest or by hand. Values already set in the environment win.
#include <cstdlib>

namespace {
struct EntornoDePrueba {
    EntornoDePrueba() {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        setenv("MIRVALO_SOURCE_DIR", MIRVALO_SOURCE_DIR_DE_PRUEBA, 0);
        setenv("MIRVALO_BUILD_DIR", MIRVALO_BUILD_DIR_DE_PRUEBA, 0);
    }
};
const EntornoDePrueba entorno;
}  // namespace
