#include "model/El_Institucion.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/Eventos.h"
#include "support/ServidorDePrueba.h"
#include "tools/sandbox-server/ServidorSandbox.h"
#include "webapi/EX_JSON.h"
#include "webapi/LectorDeClaves.h"

namespace mirvalo {
namespace {

using prueba::RespuestaProgramada;
using prueba::ServidorDePrueba;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<int> Ids(const El_Institucion& institucion) {
    std::vector<int> ids;
    for (const El_Aplicacion& aplicacion : institucion.ObtenerAplicaciones())
        ids.push_back(aplicacion.IdAplicacion);
    return ids;
}

// Against the development Web API and its sample schools.
class El_InstitucionSandboxTest : public ::testing::Test {
protected:
    void SetUp() override {
        servidor_.Inicia();
        setenv("MIRVALO_API_URL", servidor_.Url().c_str(), 1);
    }
    void TearDown() override { EstableceBombaDeEventos(nullptr); }

    static sandbox::Opciones EnUnPuertoLibre() {
        sandbox::Opciones opciones;
        opciones.puerto = 0;
        return opciones;
    }

    sandbox::ServidorSandbox servidor_{EnUnPuertoLibre()};
    El_Institucion institucion_;
};

TEST_F(El_InstitucionSandboxTest, AValidSchoolGivesItsPlatformAndItsCatalogueInAnswerOrder) {
    institucion_.EstableceIDMirvalo("ESCUELA002");
    ASSERT_TRUE(institucion_.ValidarInstitucion());

    EXPECT_EQ(institucion_.Plataforma(), 1);
    EXPECT_THAT(Ids(institucion_), ElementsAre(201, 101, 102, 202, 301, 402));
    const El_Aplicacion& primera = institucion_.ObtenerAplicaciones().front();
    EXPECT_EQ(primera.NombreAplicacion, "Lectura");
    EXPECT_EQ(primera.SuiteAplicacion, "Español");
    EXPECT_EQ(primera.IdNivel, "2");
    EXPECT_EQ(primera.NombreNivel, "Primaria");
    EXPECT_TRUE(primera.Comprada);
    EXPECT_FALSE(institucion_.ObtenerAplicaciones()[3].Comprada);

    EXPECT_THAT(institucion_.ObtenerSuites(), ElementsAre("Ciencias", "Español", "Inglés", "Matemáticas"));
    EXPECT_THAT(institucion_.ObtenerAplicacionesCompradas(),
                ElementsAre("Exploración de la Naturaleza Primaria", "Geometría Primaria", "Lectura Primaria",
                            "Números Primaria"));
}

TEST_F(El_InstitucionSandboxTest, ValidatingTwiceAppendsTheCatalogueAgainButListsShowEachTextOnce) {
    institucion_.EstableceIDMirvalo("ESCUELA002");
    ASSERT_TRUE(institucion_.ValidarInstitucion());
    const auto todas = institucion_.ObtenerTodasLasAplicaciones();
    ASSERT_TRUE(institucion_.ValidarInstitucion());

    EXPECT_EQ(institucion_.ObtenerAplicaciones().size(), 12u);
    EXPECT_EQ(institucion_.ObtenerTodasLasAplicaciones(), todas);
    EXPECT_EQ(todas.size(), 6u);
}

TEST_F(El_InstitucionSandboxTest, ASchoolWithoutApplicationsIsValidWithEmptyLists) {
    institucion_.EstableceIDMirvalo("ESCUELA003");
    ASSERT_TRUE(institucion_.ValidarInstitucion());

    EXPECT_EQ(institucion_.Plataforma(), 2);
    EXPECT_THAT(institucion_.ObtenerAplicaciones(), IsEmpty());
    EXPECT_THAT(institucion_.ObtenerSuites(), IsEmpty());
    EXPECT_THAT(institucion_.ObtenerAplicacionesCompradas(), IsEmpty());
    EXPECT_THAT(institucion_.ObtenerTodasLasAplicaciones(), IsEmpty());
    EXPECT_THAT(institucion_.ObtenerAplicacionesPorSuite(""), IsEmpty());
}

TEST_F(El_InstitucionSandboxTest, AnUnknownSchoolIsNotValidAndChangesNothing) {
    institucion_.EstableceIDMirvalo("ESCUELA003");
    ASSERT_TRUE(institucion_.ValidarInstitucion());
    institucion_.EstableceIDMirvalo("ESCUELA999");

    EXPECT_FALSE(institucion_.ValidarInstitucion());
    EXPECT_EQ(institucion_.Plataforma(), 2);
    EXPECT_THAT(institucion_.ObtenerAplicaciones(), IsEmpty());
}

// A second click while the first validation lets events run: both validations append, each
// walking its own answer, and nothing of the catalogue is lost or read twice.
TEST_F(El_InstitucionSandboxTest, AValidationStartedWhileAnotherLetsEventsRunAppendsBesideIt) {
    int bombeos = 0;
    EstableceBombaDeEventos([&] {
        if (++bombeos != 1) return;
        institucion_.EstableceIDMirvalo("ESCUELA001");
        EXPECT_TRUE(institucion_.ValidarInstitucion());
    });
    institucion_.EstableceIDMirvalo("ESCUELA002");
    ASSERT_TRUE(institucion_.ValidarInstitucion());

    // The nested call ran inside the outer one's first event and finished before the outer one
    // appended anything; its 15 events plus the outer one's 6.
    EXPECT_EQ(bombeos, 21);
    EXPECT_THAT(Ids(institucion_), ElementsAre(401, 101, 101, 302, 102, 102, 103, 201, 201, 202, 203, 301,
                                               303, 402, 403, 201, 101, 102, 202, 301, 402));
    EXPECT_EQ(institucion_.ObtenerTodasLasAplicaciones().size(), 15u);
}

// Against scripted answers, for catalogues the sample schools do not have.
class El_InstitucionTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("MIRVALO_API_URL", servidor_.Url().c_str(), 1);
        institucion_.EstableceIDMirvalo("PRUEBA0001");
    }

    ServidorDePrueba servidor_;
    El_Institucion institucion_;
};

TEST_F(El_InstitucionTest, AnEmptyIdIsNotValidAndNothingIsSent) {
    institucion_.EstableceIDMirvalo("");
    EXPECT_FALSE(institucion_.ValidarInstitucion());
    EXPECT_THAT(servidor_.Peticiones(), IsEmpty());
}

constexpr const char* CatalogoVariado = R"({"IdVersion": 1, "Version": "x", "Aplicaciones": [
  {"IdAplicacion": 1, "NombreAplicacion": "Lectura", "SuiteAplicacion": "Español", "IdNivel": "2",
   "NombreNivel": "Primaria", "Comprada": true},
  {"IdAplicacion": 2, "NombreAplicacion": "Lectura", "SuiteAplicacion": "Lenguaje", "IdNivel": 2,
   "NombreNivel": "Primaria", "Comprada": false},
  {"IdAplicacion": 3, "NombreAplicacion": "zoología", "SuiteAplicacion": "ESPAÑOL", "IdNivel": "3",
   "NombreNivel": "Secundaria", "Comprada": true},
  {"IdAplicacion": 4, "NombreAplicacion": "Zumba", "SuiteAplicacion": "Ciencias", "IdNivel": "1",
   "NombreNivel": "Preescolar", "Comprada": false},
  {"IdAplicacion": 5, "NombreAplicacion": "Étimos", "SuiteAplicacion": "Ciencias Sociales", "IdNivel": "3",
   "NombreNivel": "Secundaria", "Comprada": 1},
  {"IdAplicacion": 6, "NombreAplicacion": "cálculo, avanzado", "SuiteAplicacion": "Matemáticas",
   "IdNivel": "3", "NombreNivel": "Secundaria", "Comprada": true}
]})";

TEST_F(El_InstitucionTest, TheListsTakeEachTextOnceAsFirstWrittenAndSortThemOrdinally) {
    servidor_.Responde(RespuestaProgramada::Con(200, CatalogoVariado));
    ASSERT_TRUE(institucion_.ValidarInstitucion());

    const auto peticiones = servidor_.Peticiones();
    ASSERT_EQ(peticiones.size(), 1u);
    EXPECT_EQ(peticiones[0].ruta, "/api/v1/DownloadManager/ValidarIDMirvalo");
    auto cuerpo = EX_JSON().parse(peticiones[0].cuerpo);
    ASSERT_TRUE(cuerpo);
    EXPECT_EQ(LectorDeClaves(*cuerpo).Texto("IdMirvalo"), "PRUEBA0001");

    // A numeric level id is kept as its text; a number reads as a boolean.
    EXPECT_EQ(institucion_.ObtenerAplicaciones()[1].IdNivel, "2");
    EXPECT_TRUE(institucion_.ObtenerAplicaciones()[4].Comprada);

    // "Español" and "ESPAÑOL" are one suite; "Ciencias" stays apart from "Ciencias Sociales".
    EXPECT_THAT(institucion_.ObtenerSuites(),
                ElementsAre("Ciencias", "Ciencias Sociales", "Español", "Lenguaje", "Matemáticas"));
    // Two Lectura Primaria of different suites and ids are one line; the comma is part of a name.
    EXPECT_THAT(institucion_.ObtenerTodasLasAplicaciones(),
                ElementsAre("Lectura Primaria", "Zumba Preescolar", "cálculo, avanzado Secundaria",
                            "zoología Secundaria", "Étimos Secundaria"));
    EXPECT_THAT(institucion_.ObtenerAplicacionesCompradas(),
                ElementsAre("Lectura Primaria", "cálculo, avanzado Secundaria", "zoología Secundaria",
                            "Étimos Secundaria"));
}

TEST_F(El_InstitucionTest, ASuiteIsFoundWithoutCaseOrSurroundingBlanksAndOnlyAsAWhole) {
    servidor_.Responde(RespuestaProgramada::Con(200, CatalogoVariado));
    ASSERT_TRUE(institucion_.ValidarInstitucion());

    EXPECT_THAT(institucion_.ObtenerAplicacionesPorSuite("  español "),
                ElementsAre("Lectura Primaria", "zoología Secundaria"));
    EXPECT_THAT(institucion_.ObtenerAplicacionesPorSuite("ciencias"), ElementsAre("Zumba Preescolar"));
    EXPECT_THAT(institucion_.ObtenerAplicacionesPorSuite("Ciencias Sociales"),
                ElementsAre("Étimos Secundaria"));
    EXPECT_THAT(institucion_.ObtenerAplicacionesPorSuite("Ciencia"), IsEmpty());
}

TEST_F(El_InstitucionTest, WithoutTheSchoolsRecordTheValidationFailsAndKeepsWhatWasThere) {
    servidor_.Encola(RespuestaProgramada::Con(200, CatalogoVariado));
    ASSERT_TRUE(institucion_.ValidarInstitucion());

    for (const auto& respuesta :
         {RespuestaProgramada::Con(404), RespuestaProgramada::Con(500, CatalogoVariado),
          RespuestaProgramada::Con(200, "<html>no es JSON</html>")}) {
        SCOPED_TRACE(respuesta.estado);
        servidor_.Responde(respuesta);
        EXPECT_FALSE(institucion_.ValidarInstitucion());
        EXPECT_EQ(institucion_.Plataforma(), 1);
        EXPECT_EQ(institucion_.ObtenerAplicaciones().size(), 6u);
    }
}

TEST_F(El_InstitucionTest, AnItemThatCannotBeReadRaisesAndKeepsTheApplicationsBeforeIt) {
    struct Caso {
        const char* nombre;
        const char* item;
        int32_t numero;
    };
    const Caso casos[] = {
        {"id beyond 16 bits", R"({"IdAplicacion": 40000})", errores::Desbordamiento},
        {"not a boolean", R"({"IdAplicacion": 8, "Comprada": "quizás"})", errores::TiposNoCoinciden},
        {"null name", R"({"IdAplicacion": 8, "NombreAplicacion": null})", errores::TiposNoCoinciden},
        {"not an object", R"(8)", errores::TiposNoCoinciden},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        El_Institucion institucion;
        institucion.EstableceIDMirvalo("PRUEBA0001");
        servidor_.Responde(RespuestaProgramada::Con(
            200, std::string(R"({"IdVersion": 2, "Aplicaciones": [{"IdAplicacion": 7}, )") + caso.item +
                     R"(, {"IdAplicacion": 9}]})"));
        try {
            institucion.ValidarInstitucion();
            ADD_FAILURE() << "no error raised";
        } catch (const Error& error) {
            EXPECT_EQ(error.Numero(), caso.numero);
        }
        EXPECT_EQ(institucion.Plataforma(), 2);
        EXPECT_THAT(Ids(institucion), ElementsAre(7));
    }
}

TEST_F(El_InstitucionTest, ATransportFailureReachesTheCaller) {
    servidor_.Detiene();
    EXPECT_THROW(institucion_.ValidarInstitucion(), Error);
    EXPECT_EQ(institucion_.Plataforma(), 0);
}

}  // namespace
}  // namespace mirvalo
