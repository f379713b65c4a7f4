#include "core/DM_Core.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Error.h"
#include "support/ServidorDePrueba.h"

namespace mirvalo {
namespace {

TEST(DM_CoreTest, TheProcessWideCoreIsThereOnlyOnceCreated) {
    DescartaElCore();
    EXPECT_FALSE(ExisteElCore());
    try {
        Core();
        ADD_FAILURE() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.Numero(), errores::ObjetoNoEstablecido);
    }

    CreaElCore().Configuraciones.EstableceIdDescarga(9);
    EXPECT_TRUE(ExisteElCore());
    EXPECT_EQ(Core().Configuraciones.IdDescarga(), 9);
    // A new core starts from nothing.
    CreaElCore();
    EXPECT_EQ(Core().Configuraciones.IdDescarga(), 0);
    EXPECT_EQ(Core().Descarga.IdDescarga(), 0);
    EXPECT_EQ(Core().Institucion.Plataforma(), 0);
    EXPECT_TRUE(Core().Descarga.Archivos().empty());
    DescartaElCore();
    EXPECT_FALSE(ExisteElCore());
}

TEST(DM_CoreTest, FailureReportsCarryTheConfigurationsDownloadId) {
    prueba::ServidorDePrueba servidor;
    setenv("MIRVALO_API_URL", servidor.Url().c_str(), 1);
    DM_Core& core = CreaElCore();
    core.Configuraciones.EstableceIdDescarga(77);
    core.Descarga.EstableceIdDescarga(78);

    core.Fallos.RegistrarFallo("frm_Splash", "Form_Load", 5, "Invalid procedure call or argument");
    core.Descarga.GuardarDetalle(100, true, "");

    const auto peticiones = servidor.Peticiones();
    ASSERT_EQ(peticiones.size(), 2u);
    EXPECT_NE(peticiones[0].cuerpo.find("\"Id_Descarga\": \"77\""), std::string::npos)
        << peticiones[0].cuerpo;
    EXPECT_NE(peticiones[1].cuerpo.find("\"Id_Descarga\": 78"), std::string::npos) << peticiones[1].cuerpo;
    DescartaElCore();
}

}  // namespace
}  // namespace mirvalo
