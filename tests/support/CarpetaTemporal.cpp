#include "support/CarpetaTemporal.h"

#include <gtest/gtest.h>
#include <stdlib.h>

namespace mirvalo::prueba {

CarpetaTemporal::CarpetaTemporal() {
    std::string plantilla = (std::filesystem::temp_directory_path() / "mirvalo-prueba-XXXXXX").string();
    if (!mkdtemp(plantilla.data())) ADD_FAILURE() << "mkdtemp " << plantilla;
    ruta_ = plantilla;
}

CarpetaTemporal::~CarpetaTemporal() {
    std::error_code ignorado;
    std::filesystem::remove_all(ruta_, ignorado);
}

}  // namespace mirvalo::prueba
