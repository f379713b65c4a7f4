#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/Error.h"

namespace mirvalo::prueba {

// Expects `accion` to fail with this number and description.
template <typename F>
void EsperaElError(F accion, int32_t numero, const std::string& descripcion) {
    try {
        accion();
        ADD_FAILURE() << "no error; expected " << descripcion;
    } catch (const Error& e) {
        EXPECT_EQ(e.Numero(), numero) << e.Descripcion();
        EXPECT_EQ(e.Descripcion(), descripcion);
    }
}

}  // namespace mirvalo::prueba
