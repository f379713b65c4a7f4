#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "model/El_Descarga.h"
#include "model/El_Fallo.h"
#include "support/ServidorDePrueba.h"
#include "webapi/EX_JSON.h"
#include "webapi/LectorDeClaves.h"

namespace mirvalo {
namespace {

using prueba::PeticionRecibida;
using prueba::RespuestaProgramada;
using prueba::ServidorDePrueba;

class ReportesTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("MIRVALO_API_URL", servidor_.Url().c_str(), 1); }

    // The body of a report as the server would read it.
    static ObjetoJson Cuerpo(const PeticionRecibida& peticion) {
        auto valor = EX_JSON().parse(peticion.cuerpo);
        if (!valor || valor->tipo() != ValorJson::Tipo::Objeto) throw std::runtime_error("no object");
        return std::move(valor->Objeto());
    }

    ServidorDePrueba servidor_;
    int32_t idDeLaConfiguracion_ = 0;
    El_Fallo fallos_{[this] { return idDeLaConfiguracion_; }};
    El_Descarga descarga_{fallos_};
};

TEST_F(ReportesTest, StepsAreReportedUnderTheSetsDownloadId) {
    descarga_.EstableceIdDescarga(31);
    descarga_.GuardarDetalle(503, false, "No se descargaron correctamente varios archivos.");
    descarga_.GuardarDetalle(100, true, "");

    const auto peticiones = servidor_.Peticiones();
    ASSERT_EQ(peticiones.size(), 2u);
    EXPECT_EQ(peticiones[0].metodo + " " + peticiones[0].ruta, "POST /api/v1/DownloadManager/Detalles");
    const ObjetoJson fallido = Cuerpo(peticiones[0]);
    const LectorDeClaves f(fallido);
    EXPECT_EQ(f.Entero32("Id_Descarga"), 31);
    EXPECT_EQ(f.Entero32("Id_Paso"), 503);
    EXPECT_EQ(f.Entero16("Status"), 0);
    EXPECT_EQ(f.Texto("Descripcion"), "No se descargaron correctamente varios archivos.");
    const ObjetoJson hecho = Cuerpo(peticiones[1]);
    EXPECT_EQ(LectorDeClaves(hecho).Entero16("Status"), 1);
    EXPECT_EQ(LectorDeClaves(hecho).Texto("Descripcion"), "");
}

TEST_F(ReportesTest, StepDescriptionsAreCutAtAThousandCharacters) {
    const std::string mil(1000, 'a');
    const std::string novecientos(999, 'a');
    struct Caso {
        const char* nombre;
        std::string descripcion;
        std::string enviada;
    };
    const Caso casos[] = {
        {"exactly 1000", mil, mil},
        {"1001", mil + "b", mil},
        {"an accented letter is one character", novecientos + "éb", novecientos + "é"},
        // Characters count as UTF-16 units, and one that would be split is left out whole.
        {"a character of two units at the cut", novecientos + "\xF0\x9F\x98\x80", novecientos},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        descarga_.GuardarDetalle(502, true, caso.descripcion);
        const ObjetoJson cuerpo = Cuerpo(servidor_.Peticiones().back());
        EXPECT_EQ(LectorDeClaves(cuerpo).Texto("Descripcion"), caso.enviada);
    }
}

TEST_F(ReportesTest, FailuresAreReportedWholeUnderTheConfigurationsCurrentId) {
    const std::string larga = std::string(1500, 'x') + " \"citado\"";
    idDeLaConfiguracion_ = 0;
    fallos_.RegistrarFallo("frm_Splash", "Form_Load", 53, "File not found");
    idDeLaConfiguracion_ = 77;
    fallos_.RegistrarFallo("El_Descarga", "ObtenerLaRutaDeInstalacionDelArchivo", -5, larga);

    const auto peticiones = servidor_.Peticiones();
    ASSERT_EQ(peticiones.size(), 2u);
    EXPECT_EQ(peticiones[1].metodo + " " + peticiones[1].ruta, "POST /api/v1/DownloadManager/Fallos");
    const ObjetoJson primero = Cuerpo(peticiones[0]);
    EXPECT_EQ(LectorDeClaves(primero).Texto("Id_Descarga"), "0");
    const ObjetoJson segundo = Cuerpo(peticiones[1]);
    const LectorDeClaves claves(segundo);
    EXPECT_EQ(claves.Texto("Id_Descarga"), "77");
    EXPECT_EQ(claves.Texto("Modulo"), "El_Descarga");
    EXPECT_EQ(claves.Texto("Procedimiento"), "ObtenerLaRutaDeInstalacionDelArchivo");
    EXPECT_EQ(claves.Texto("NoError"), "-5");
    EXPECT_EQ(claves.Texto("DescripcionError"), larga);
}

TEST_F(ReportesTest, AFailureWhileBuildingTheFailureReportStillSendsTheRest) {
    El_Fallo sinId([]() -> int32_t { throw std::runtime_error("no configuration"); });
    sinId.RegistrarFallo("frm_Error", "btnSiguiente_Click", 91,
                         "Object variable or With block variable not set");

    const auto peticiones = servidor_.Peticiones();
    ASSERT_EQ(peticiones.size(), 1u);
    const ObjetoJson cuerpo = Cuerpo(peticiones[0]);
    EXPECT_EQ(LectorDeClaves(cuerpo).Texto("Id_Descarga"), "0");
    EXPECT_EQ(LectorDeClaves(cuerpo).Texto("Modulo"), "frm_Error");
    EXPECT_EQ(LectorDeClaves(cuerpo).Texto("NoError"), "91");
}

TEST_F(ReportesTest, WithTheServerStoppedEveryReportIsLostAndTheCallerGoesOn) {
    servidor_.Detiene();
    descarga_.GuardarDetalle(102, false, "La aplicación no se pudo conectar al servidor S2 con la Web API.");
    fallos_.RegistrarFallo("frm_Splash", "IniciaLaApp", 13, "Type mismatch");
    EXPECT_EQ(descarga_.ObtenerNumeroDeSeguimiento(), "");
    EXPECT_EQ(descarga_.ObtenerNumeroDeSeguimiento(), "");
}

TEST_F(ReportesTest, TheTrackingNumberIsAskedUntilAnAnswerArrivesAndThenKept) {
    descarga_.EstableceIdDescarga(12);
    servidor_.Encola(RespuestaProgramada::De(RespuestaProgramada::Forma::CierraSinResponder));
    servidor_.Responde(RespuestaProgramada::Con(200, "{\"NoDeSeguimiento\": \"MV-0012\"}"));

    EXPECT_EQ(descarga_.ObtenerNumeroDeSeguimiento(), "");  // transport failure: nothing kept
    EXPECT_EQ(descarga_.ObtenerNumeroDeSeguimiento(), "MV-0012");
    servidor_.Responde(RespuestaProgramada::Con(200, "{\"NoDeSeguimiento\": \"MV-9999\"}"));
    EXPECT_EQ(descarga_.ObtenerNumeroDeSeguimiento(), "MV-0012");

    const auto peticiones = servidor_.Peticiones();
    ASSERT_EQ(peticiones.size(), 2u);
    EXPECT_EQ(peticiones[1].metodo + " " + peticiones[1].ruta,
              "GET /api/v1/DownloadManager/GenerarNumeroDeSeguimiento");
    const ObjetoJson cuerpo = Cuerpo(peticiones[1]);
    EXPECT_EQ(LectorDeClaves(cuerpo).Entero32("Id"), 12);
}

TEST_F(ReportesTest, AnAnswerWithoutATrackingNumberGivesConnForTheRestOfTheRun) {
    for (const auto& respuesta : {RespuestaProgramada::Con(500, "{\"NoDeSeguimiento\": \"MV-1\"}"),
                                  RespuestaProgramada::Con(200, "{}")}) {
        SCOPED_TRACE(respuesta.estado);
        El_Descarga descarga(fallos_);
        servidor_.Responde(respuesta);
        const size_t antes = servidor_.Peticiones().size();
        EXPECT_EQ(descarga.ObtenerNumeroDeSeguimiento(), "CONN");
        servidor_.Responde(RespuestaProgramada::Con(200, "{\"NoDeSeguimiento\": \"MV-2\"}"));
        EXPECT_EQ(descarga.ObtenerNumeroDeSeguimiento(), "CONN");
        EXPECT_EQ(servidor_.Peticiones().size(), antes + 1);
    }
}

}  // namespace
}  // namespace mirvalo
