#include "platform/Procesos.h"
#include "platform/Registro.h"

#include "support/RaizDePrueba.h"

#include <gmock/gmock.h>

namespace mirvalo::procesos {
namespace {

using prueba::RaizDePrueba;
using DismEmulado = RaizDePrueba;

bool HayFramework20() {
    return registro::ExisteLaClave(registro::Rama::MaquinaLocal,
                                   "SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v2.0.50727");
}

TEST_F(DismEmulado, EnablingNetFx3RegistersTheFramework20) {
    for (const char* linea :
         {"DISM /Online /Enable-Feature /FeatureName:NetFx3 /All",
          "dism.exe /online /enable-feature /featurename:netfx3",
          R"(C:\Windows\System32\Dism.EXE /Online /Enable-Feature /FeatureName:NetFx3 /All /LimitAccess)"}) {
        registro::BorraLaClave(registro::Rama::MaquinaLocal,
                               "SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v2.0.50727");
        EXPECT_EQ(IniciaYEspera(linea, Ventana::Normal), 0) << linea;
        EXPECT_TRUE(HayFramework20()) << linea;
        EXPECT_EQ(registro::LeeDword(registro::Rama::MaquinaLocal,
                                     "SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v2.0.50727", "Install"),
                  1u);
    }
    EXPECT_THAT(Diario(), testing::HasSubstr("DISM: NetFx3 enabled"));
}

TEST_F(DismEmulado, OtherCommandsFailWithDismsCodesAndChangeNothing) {
    struct Caso {
        const char* linea;
        int32_t codigo;
    };
    const Caso casos[] = {
        {"DISM /Online /Enable-Feature /FeatureName:IIS-WebServer /All", static_cast<int32_t>(0x800F080Cu)},
        {"DISM /Online /Enable-Feature", 87},
        {"DISM /Online /Disable-Feature /FeatureName:NetFx3", 87},
        {"DISM", 87},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(IniciaYEspera(caso.linea, Ventana::Normal), caso.codigo) << caso.linea;
    EXPECT_FALSE(HayFramework20());
}

TEST_F(DismEmulado, AForcedExitCodeFailsWithoutEnabling) {
    setenv("MIRVALO_DISM_EXIT_CODE", "0x800F081F", 1);
    EXPECT_EQ(IniciaYEspera("DISM /Online /Enable-Feature /FeatureName:NetFx3 /All", Ventana::Normal),
              static_cast<int32_t>(0x800F081Fu));
    EXPECT_FALSE(HayFramework20());
}

}  // namespace
}  // namespace mirvalo::procesos
