#include "core/El_Configuraciones.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/DM_Core.h"
#include "support/ServidorDePrueba.h"
#include "tools/sandbox-server/ServidorSandbox.h"

namespace mirvalo {
namespace {

using prueba::RespuestaProgramada;
using prueba::ServidorDePrueba;

sandbox::Opciones OpcionesDePrueba() {
    sandbox::Opciones opciones;
    opciones.puerto = 0;
    return opciones;
}

void ApuntaA(const std::string& url) {
    setenv("MIRVALO_API_URL", url.c_str(), 1);
}

TEST(El_ConfiguracionesTest, LoadsWhatTheServerAnnounces) {
    sandbox::Opciones opciones = OpcionesDePrueba();
    opciones.primerIdDescarga = 41;
    opciones.activa = true;
    opciones.revision = 3;
    opciones.tipoAsistente = 1;
    opciones.tipoPlataforma = 1;
    opciones.nombreAsistente = "Asistente de Descarga";
    opciones.nombrePlataforma = "Plataforma Ñ";
    opciones.versionPlataforma = "2020.1";
    sandbox::ServidorSandbox servidor(opciones);
    servidor.Inicia();
    ApuntaA(servidor.Url());

    DM_Core core;
    core.CargarConfiguraciones(1);

    const El_Configuraciones& c = core.Configuraciones;
    EXPECT_TRUE(c.CargoCorrectamente());
    EXPECT_EQ(c.Id(), 1);
    EXPECT_EQ(c.IdDescarga(), 41);
    EXPECT_EQ(c.Nombre(), "Asistente de Descarga");
    EXPECT_TRUE(c.Activo());
    EXPECT_EQ(c.Revision(), 3);
    EXPECT_EQ(c.Asistente(), 1);
    EXPECT_EQ(c.Plataforma(), 1);
    EXPECT_EQ(c.PlataformaNombre(), "Plataforma Ñ");
    EXPECT_EQ(c.PlataformaVersion(), "2020.1");
    EXPECT_EQ(c.Error(), 0);
    EXPECT_EQ(core.Descarga.IdDescarga(), 41);
}

TEST(El_ConfiguracionesTest, AServerThatCannotBeReachedLeavesTheConfigurationEmpty) {
    sandbox::ServidorSandbox servidor(OpcionesDePrueba());
    servidor.Inicia();
    ApuntaA(servidor.Url());
    servidor.Detiene();

    DM_Core core;
    core.CargarConfiguraciones(1);
    EXPECT_FALSE(core.Configuraciones.CargoCorrectamente());
    EXPECT_EQ(core.Configuraciones.IdDescarga(), 0);
    EXPECT_EQ(core.Configuraciones.Nombre(), "");
    EXPECT_EQ(core.Descarga.IdDescarga(), 0);
}

TEST(El_ConfiguracionesTest, AStatusOtherThan200IsAFailedLoad) {
    sandbox::Opciones opciones = OpcionesDePrueba();
    opciones.estadoIniciarDM = 500;
    sandbox::ServidorSandbox servidor(opciones);
    servidor.Inicia();
    ApuntaA(servidor.Url());

    El_Configuraciones configuraciones;
    configuraciones.EstableceId(1);
    configuraciones.Cargar();
    EXPECT_FALSE(configuraciones.CargoCorrectamente());
    EXPECT_EQ(configuraciones.IdDescarga(), 0);
}

TEST(El_ConfiguracionesTest, ProbesTheRootBeforeAnnouncingAndSwallowsUnreadableAnswers) {
    ServidorDePrueba servidor;
    ApuntaA(servidor.Url());
    servidor.Encola(RespuestaProgramada::Con(404, "<html>no root page</html>"));
    servidor.Encola(RespuestaProgramada::Con(200, "{\"Id\": 5, \"Activa\": null}"));

    El_Configuraciones configuraciones;
    configuraciones.EstableceId(1);
    EXPECT_NO_THROW(configuraciones.Cargar());
    EXPECT_FALSE(configuraciones.CargoCorrectamente());

    const auto peticiones = servidor.Peticiones();
    ASSERT_EQ(peticiones.size(), 2u);
    EXPECT_EQ(peticiones[0].metodo + " " + peticiones[0].ruta, "HEAD /");
    EXPECT_EQ(peticiones[1].metodo + " " + peticiones[1].ruta, "GET /api/v1/DownloadManager/IniciarDM");
    EXPECT_EQ(peticiones[1].cuerpo, "{\r\n\"Id\": 1\r\n}\r\n");
}

}  // namespace
}  // namespace mirvalo
