#pragma once
#include <gtest/gtest.h>

#include "ui/Simulacion.h"

namespace mirvalo {

// Tests that need the window system: the real widgets on the offscreen platform, with the end of
// the process and the question box simulated.
class ConVentanas : public ::testing::Test {
protected:
    // In the constructor, so that fixtures may hold windows as members.
    ConVentanas() {
        simulacion::AseguraLaAplicacion();
        simulacion::SimulaLaTerminacion(true);
        simulacion::RespondeALasPreguntas(nullptr);
    }
};

}  // namespace mirvalo
