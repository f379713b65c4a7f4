#include "webapi/DM_WebAPI_V1.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <initializer_list>

#include "platform/Error.h"
#include "support/ServidorDePrueba.h"
#include "webapi/EX_JSON.h"
#include "webapi/ErroresHttp.h"
#include "webapi/LectorDeClaves.h"

namespace mirvalo {
namespace {

using prueba::RespuestaProgramada;
using prueba::ServidorDePrueba;

// Each line ended by CR LF, as the body writer ends them.
std::string Lineas(std::initializer_list<const char*> lineas) {
    std::string texto;
    for (const char* linea : lineas) texto += std::string(linea) + "\r\n";
    return texto;
}

class DM_WebAPI_V1Test : public ::testing::Test {
protected:
    void SetUp() override { setenv("MIRVALO_API_URL", servidor_.Url().c_str(), 1); }

    void RespondeJson(int estado, std::string cuerpo) {
        servidor_.Responde(RespuestaProgramada::Con(estado, std::move(cuerpo)));
    }

    // The number of the error that `llamada` raises, or 0 when it raises nothing.
    static int32_t NumeroDelError(const std::function<void()>& llamada) {
        try {
            llamada();
        } catch (const Error& e) {
            return e.Numero();
        }
        return 0;
    }

    ServidorDePrueba servidor_;
};

struct CasoDeEnvio {
    const char* nombre;
    std::function<void(DM_WebAPI_V1&)> llamada;
    const char* respuesta;
    const char* metodo;
    const char* operacion;
    std::string cuerpo;
};

TEST_F(DM_WebAPI_V1Test, EveryOperationSendsItsExactRequest) {
    const CasoDeEnvio casos[] = {
        {"IniciarDM", [](DM_WebAPI_V1& c) { c.IniciarDM({1}); }, "{}", "GET", "IniciarDM",
         Lineas({"{", "\"Id\": 1", "}"})},
        {"ValidarIDMirvalo", [](DM_WebAPI_V1& c) { c.ValidarIDMirvalo({"AB12CD34EF"}); },
         "{\"Aplicaciones\": []}", "GET", "ValidarIDMirvalo",
         Lineas({"{", "\"IdMirvalo\": \"AB12CD34EF\"", "}"})},
        {"ObtenerArchivos",
         [](DM_WebAPI_V1& c) {
             c.ObtenerArchivos({42, 2, 2, {{7, "3"}, {-8, "PRI"}}});
         },
         "[]", "GET", "ObtenerArchivos",
         Lineas({"{", "\"IdDescargas\": 42,", "\"IdTipoPlataforma\": 2,", "\"IdTipoAsistente\": 2,",
                 "\"Aplicaciones\": [", "{", "\"IdAplicacion\": 7,", "\"IdNivel\": \"3\"", "},", "{",
                 "\"IdAplicacion\": -8,", "\"IdNivel\": \"PRI\"", "}", "]", "}"})},
        {"ObtenerArchivos without applications",
         [](DM_WebAPI_V1& c) {
             c.ObtenerArchivos({5, 1, 1, {}});
         },
         "[]", "GET", "ObtenerArchivos",
         Lineas({"{", "\"IdDescargas\": 5,", "\"IdTipoPlataforma\": 1,", "\"IdTipoAsistente\": 1,",
                 "\"Aplicaciones\": [", "]", "}"})},
        {"RegistrarFallo",
         [](DM_WebAPI_V1& c) {
             c.RegistrarFallo(
                 {-7, "frm_Splash", "Form_Load", -2147012867, "Dijo \"no\"\\ C:\r\n\tfin\x01/é"});
         },
         "", "POST", "Fallos",
         Lineas({"{", "\"Id_Descarga\": \"-7\",", "\"Modulo\": \"frm_Splash\",",
                 "\"Procedimiento\": \"Form_Load\",", "\"NoError\": \"-2147012867\",",
                 "\"DescripcionError\": \"Dijo \\\"no\\\"\\\\ C:\\r\\n\\tfin\\u0001/é\"", "}"})},
        {"GenerarNumeroDeSeguimiento", [](DM_WebAPI_V1& c) { c.GenerarNumeroDeSeguimiento(-3); }, "{}", "GET",
         "GenerarNumeroDeSeguimiento", Lineas({"{", "\"Id\": -3", "}"})},
        {"GuardarDetalleDeDescarga",
         [](DM_WebAPI_V1& c) {
             c.GuardarDetalleDeDescarga({7, 502, 1, "Intentos: 2"});
         },
         "", "POST", "Detalles",
         Lineas({"{", "\"Id_Descarga\": 7,", "\"Id_Paso\": 502,", "\"Status\": 1,",
                 "\"Descripcion\": \"Intentos: 2\"", "}"})},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        RespondeJson(200, caso.respuesta);
        const size_t antes = servidor_.Peticiones().size();
        DM_WebAPI_V1 cliente;
        ASSERT_NO_THROW(caso.llamada(cliente));

        const auto peticiones = servidor_.Peticiones();
        ASSERT_EQ(peticiones.size(), antes + 1);
        const std::string esperada =
            std::string(caso.metodo) + " /api/v1/DownloadManager/" + caso.operacion + " HTTP/1.1\r\n" +
            "Host: 127.0.0.1:" + std::to_string(servidor_.Puerto()) + "\r\n" +
            "Content-Type: application/json\r\n" + "Accept: */*\r\n" +
            "Content-Length: " + std::to_string(caso.cuerpo.size()) + "\r\n\r\n" + caso.cuerpo;
        EXPECT_EQ(peticiones.back().bruta, esperada);
    }
}

TEST_F(DM_WebAPI_V1Test, LongEscapedTextsArriveUnchangedInOneGo) {
    // Long enough (over 1 MiB) that libcurl would hold the body back behind "Expect: 100-continue".
    const std::string dificil =
        "comillas \" barra \\ salto\r\nfin\ttab \x1f ñ / 漢 " + std::string(1100 * 1024, '.');
    DM_WebAPI_V1().RegistrarFallo({1, "m", "p", 0, dificil});
    DM_WebAPI_V1().GuardarDetalleDeDescarga({1, 101, 0, dificil});

    for (const auto& [peticion, clave] : {std::pair{servidor_.Peticiones().at(0), "DescripcionError"},
                                          std::pair{servidor_.Peticiones().at(1), "Descripcion"}}) {
        EXPECT_EQ(peticion.Encabezado("Expect"), "");
        EXPECT_EQ(peticion.Encabezado("Content-Length"), std::to_string(peticion.cuerpo.size()));
        EX_JSON lector;
        const auto valor = lector.parse(peticion.cuerpo);
        ASSERT_TRUE(valor.has_value());
        EXPECT_EQ(LectorDeClaves(*valor).Texto(clave), dificil);
        EXPECT_EQ(lector.GetParserErrors(), "");
    }
}

TEST_F(DM_WebAPI_V1Test, AStatusOtherThan200GivesNothing) {
    for (int estado : {201, 302, 404, 500}) {
        SCOPED_TRACE(estado);
        RespondeJson(estado, "{\"Id\": 9, \"NoDeSeguimiento\": \"X\", \"Aplicaciones\": []}");
        EXPECT_FALSE(DM_WebAPI_V1().IniciarDM({1}).has_value());
        EXPECT_FALSE(DM_WebAPI_V1().ValidarIDMirvalo({"ID"}).has_value());
        EXPECT_FALSE(DM_WebAPI_V1().ObtenerArchivos({}).has_value());
        EXPECT_EQ(DM_WebAPI_V1().GenerarNumeroDeSeguimiento(1), "");
        // The reports never look at the answer.
        EXPECT_NO_THROW(DM_WebAPI_V1().RegistrarFallo({}));
        EXPECT_NO_THROW(DM_WebAPI_V1().GuardarDetalleDeDescarga({}));
    }
}

TEST_F(DM_WebAPI_V1Test, AnAnswerThatIsNoJsonAtAll) {
    RespondeJson(200, "Service Unavailable");
    EXPECT_FALSE(DM_WebAPI_V1().IniciarDM({1}).has_value());
    EXPECT_FALSE(DM_WebAPI_V1().ValidarIDMirvalo({"ID"}).has_value());
    EXPECT_EQ(NumeroDelError([] { DM_WebAPI_V1().ObtenerArchivos({}); }), errores::TiposNoCoinciden);
    EXPECT_EQ(NumeroDelError([] { DM_WebAPI_V1().GenerarNumeroDeSeguimiento(1); }),
              errores::ObjetoNoEstablecido);
}

TEST_F(DM_WebAPI_V1Test, IniciarDMReadsTheAnswerIntoItsRecord) {
    RespondeJson(200,
                 "{\"Id\": 3.5, \"Nombre\": \"Asistente Mirvalo\", \"Activa\": true, \"Revision\": 2.5,"
                 " \"TipoAsistente\": \"1\", \"TipoPlataforma\": 2, \"NombrePlataforma\": \"Plataforma\","
                 " \"VersionPlataforma\": 2020.1, \"Extra\": [1, 2]}");
    const auto rp = DM_WebAPI_V1().IniciarDM({1});
    ASSERT_TRUE(rp.has_value());
    EXPECT_EQ(rp->Id, 4);        // rounded half to even
    EXPECT_EQ(rp->Revision, 2);  // rounded half to even
    EXPECT_EQ(rp->Nombre, "Asistente Mirvalo");
    EXPECT_TRUE(rp->Activa);
    EXPECT_EQ(rp->TipoAsistente, 1);
    EXPECT_EQ(rp->TipoPlataforma, 2);
    EXPECT_EQ(rp->NombrePlataforma, "Plataforma");
    EXPECT_EQ(rp->VersionPlataforma, "2020.1");

    // Absent keys read as their empty values; keys are matched with their case.
    RespondeJson(200, "{\"Id\": 12, \"activa\": true}");
    const auto parcial = DM_WebAPI_V1().IniciarDM({1});
    ASSERT_TRUE(parcial.has_value());
    EXPECT_EQ(parcial->Id, 12);
    EXPECT_FALSE(parcial->Activa);
    EXPECT_EQ(parcial->TipoAsistente, 0);
    EXPECT_EQ(parcial->Nombre, "");
}

TEST_F(DM_WebAPI_V1Test, AnswersThatCannotBeConvertedRaiseTheirErrorNumber) {
    struct Caso {
        const char* respuesta;
        int32_t error;
    };
    const Caso casos[] = {
        {"{\"Activa\": null}", errores::TiposNoCoinciden},
        {"{\"Nombre\": {\"a\": 1}}", errores::TiposNoCoinciden},
        {"{\"TipoAsistente\": \"dos\"}", errores::TiposNoCoinciden},
        {"[{\"Id\": 1}]", errores::TiposNoCoinciden},
        {"{\"Revision\": 32768}", errores::Desbordamiento},
        {"{\"Id\": 2147483648}", errores::Desbordamiento},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.respuesta);
        RespondeJson(200, caso.respuesta);
        EXPECT_EQ(NumeroDelError([] { DM_WebAPI_V1().IniciarDM({1}); }), caso.error);
    }
}

TEST_F(DM_WebAPI_V1Test, ValidarIDMirvaloKeepsTheApplicationsInOrder) {
    RespondeJson(200,
                 "{\"IdVersion\": 2, \"Version\": \"v7\", \"Aplicaciones\": [{\"IdAplicacion\": 10},"
                 " {\"IdAplicacion\": 11}]}");
    const auto rp = DM_WebAPI_V1().ValidarIDMirvalo({"AB12CD34EF"});
    ASSERT_TRUE(rp.has_value());
    EXPECT_EQ(rp->IdVersion, 2);
    EXPECT_EQ(rp->Version, "v7");
    ASSERT_EQ(rp->Aplicaciones.size(), 2u);
    EXPECT_EQ(LectorDeClaves(rp->Aplicaciones[0]).Entero16("IdAplicacion"), 10);
    EXPECT_EQ(LectorDeClaves(rp->Aplicaciones[1]).Entero16("IdAplicacion"), 11);

    for (const char* sinLista : {"{\"IdVersion\": 2}", "{\"IdVersion\": 2, \"Aplicaciones\": {}}",
                                 "{\"Aplicaciones\": null}", "[]"}) {
        SCOPED_TRACE(sinLista);
        RespondeJson(200, sinLista);
        EXPECT_EQ(NumeroDelError([] { DM_WebAPI_V1().ValidarIDMirvalo({"AB12CD34EF"}); }),
                  errores::TiposNoCoinciden);
    }
}

TEST_F(DM_WebAPI_V1Test, ObtenerArchivosReadsTheBareList) {
    RespondeJson(200, "[{\"RutaServidor\": \"http://x/a\"}, {\"RutaServidor\": \"http://x/b\"}]");
    const auto archivos = DM_WebAPI_V1().ObtenerArchivos({});
    ASSERT_TRUE(archivos.has_value());
    ASSERT_EQ(archivos->size(), 2u);
    EXPECT_EQ(LectorDeClaves(archivos->at(1)).Texto("RutaServidor"), "http://x/b");

    RespondeJson(200, "[]");
    const auto vacia = DM_WebAPI_V1().ObtenerArchivos({});
    ASSERT_TRUE(vacia.has_value());
    EXPECT_TRUE(vacia->empty());

    RespondeJson(200, "{\"RutaServidor\": \"http://x/a\"}");
    EXPECT_EQ(NumeroDelError([] { DM_WebAPI_V1().ObtenerArchivos({}); }), errores::TiposNoCoinciden);
}

TEST_F(DM_WebAPI_V1Test, GenerarNumeroDeSeguimientoGivesTheNumberAsText) {
    struct Caso {
        const char* respuesta;
        const char* numero;
    };
    const Caso casos[] = {
        {"{\"NoDeSeguimiento\": \"MV-0042\"}", "MV-0042"},
        {"{\"NoDeSeguimiento\": 4200}", "4200"},
        {"{\"Otro\": 1}", ""},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.respuesta);
        RespondeJson(200, caso.respuesta);
        EXPECT_EQ(DM_WebAPI_V1().GenerarNumeroDeSeguimiento(7), caso.numero);
    }
    RespondeJson(200, "[\"MV-0042\"]");
    EXPECT_EQ(NumeroDelError([] { DM_WebAPI_V1().GenerarNumeroDeSeguimiento(7); }),
              errores::TiposNoCoinciden);
}

TEST_F(DM_WebAPI_V1Test, ATransportFailureIsRaisedWithItsNumberAndDescription) {
    servidor_.Detiene();
    for (const auto& operacion : std::initializer_list<std::function<void()>>{
             [] { DM_WebAPI_V1().IniciarDM({1}); }, [] { DM_WebAPI_V1().RegistrarFallo({}); },
             [] { DM_WebAPI_V1().GuardarDetalleDeDescarga({}); }}) {
        try {
            operacion();
            ADD_FAILURE() << "no error raised";
        } catch (const Error& e) {
            EXPECT_EQ(e.Numero(), errores::http::NoSePudoConectar);
            EXPECT_EQ(e.Descripcion(), "A connection with the server could not be established");
            EXPECT_NE(e.Llamada().find(servidor_.Url()), std::string::npos) << e.Llamada();
        }
    }
}

}  // namespace
}  // namespace mirvalo
