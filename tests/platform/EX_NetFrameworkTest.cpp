#include "platform/EX_NetFramework.h"

#include "platform/Registro.h"

#include "support/RaizDePrueba.h"

namespace mirvalo {
namespace {

using registro::Rama;

constexpr const char* Versiones = "SOFTWARE\\Microsoft\\NET Framework Setup\\NDP";

// Every test has a fresh system root, whose registry holds the framework 4 only.
class PrerrequisitosNetFramework : public prueba::RaizDePrueba {
protected:
    void SoloLasVersiones(std::initializer_list<const char*> versiones) {
        registro::BorraLaClave(Rama::MaquinaLocal, Versiones);
        for (const char* version : versiones)
            registro::CreaLaClave(Rama::MaquinaLocal, std::string(Versiones) + "\\" + version);
    }

    EX_NetFramework framework_;
};

TEST_F(PrerrequisitosNetFramework, TheFramework20CountsWhateverTheCaseAndBuildOfItsKey) {
    struct Caso {
        std::initializer_list<const char*> versiones;
        int16_t instalado;
    };
    const Caso casos[] = {
        {{"v2.0.50727", "v4", "v4.0"}, -1},
        {{"V2.0.50727"}, -1},
        {{"v2.0"}, -1},
        {{"v4", "v4.0"}, 0},
        {{"v3.0", "v3.5", "v4"}, 0},
        {{}, 0},
    };
    for (const Caso& caso : casos) {
        SoloLasVersiones(caso.versiones);
        EXPECT_EQ(framework_.Instalado(), caso.instalado) << caso.versiones.size() << " versions";
    }
}

TEST_F(PrerrequisitosNetFramework, AFreshSystemHasOnlyTheFramework4) {
    EXPECT_EQ(framework_.Instalado(), 0);
}

TEST_F(PrerrequisitosNetFramework, AMissingOrUnreadableKeyIsNoFrameworkAndNoFailure) {
    registro::BorraLaClave(Rama::MaquinaLocal, "SOFTWARE\\Microsoft");
    EXPECT_EQ(framework_.Instalado(), 0);

    Escribe(raiz_ / "registry.txt", "esto no es un registro\n");
    EXPECT_EQ(framework_.Instalado(), 0);
}

TEST_F(PrerrequisitosNetFramework, ActivationBringsTheFramework20) {
    EXPECT_EQ(framework_.ActivaNetFramework35(), -1);
    EXPECT_EQ(framework_.Instalado(), -1);
}

TEST_F(PrerrequisitosNetFramework, AnActivationThatEndsWithAnErrorCodeStillCountsAsRun) {
    setenv("MIRVALO_DISM_EXIT_CODE", "0x800F081F", 1);
    EXPECT_EQ(framework_.ActivaNetFramework35(), -1);
    EXPECT_EQ(framework_.Instalado(), 0);
}

}  // namespace
}  // namespace mirvalo
