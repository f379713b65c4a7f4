#include "webapi/SolicitudHttp.h"

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "support/ServidorDePrueba.h"
#include "webapi/ErroresHttp.h"
#include "webapi/SondaDeConexion.h"

namespace mirvalo {
namespace {

using prueba::RespuestaProgramada;
using prueba::ServidorDePrueba;
using Forma = RespuestaProgramada::Forma;

// Short enough for a test that must wait for the idle time-out.
constexpr TiemposDeEspera TiemposCortos{std::chrono::milliseconds(2000), std::chrono::seconds(1)};

TEST(SolicitudHttpTest, TransportFailuresRaiseTheWindowsClientsNumbers) {
    struct Caso {
        const char* nombre;
        RespuestaProgramada respuesta;
        int32_t error;
        const char* descripcion;
    };
    const Caso casos[] = {
        {"closed without an answer", RespuestaProgramada::De(Forma::CierraSinResponder),
         errores::http::ConexionInterrumpida, "The connection with the server was terminated abnormally"},
        {"body shorter than announced",
         RespuestaProgramada::De(Forma::Cruda, "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n{}"),
         errores::http::ConexionInterrumpida, "The connection with the server was terminated abnormally"},
        {"not HTTP", RespuestaProgramada::De(Forma::Cruda, "hola, soy un servidor de correo\r\n"),
         errores::http::RespuestaNoValida, "The server returned an invalid or unrecognized response"},
        {"silent server", RespuestaProgramada::De(Forma::NoResponde), errores::http::TiempoAgotado,
         "The operation timed out"},
    };
    ServidorDePrueba servidor;
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        servidor.Responde(caso.respuesta);
        SolicitudHttp solicitud("GET", servidor.Url() + "/", TiemposCortos);
        try {
            solicitud.Envia("{}");
            ADD_FAILURE() << "no error raised";
        } catch (const Error& e) {
            EXPECT_EQ(e.Numero(), caso.error);
            EXPECT_EQ(e.Descripcion(), caso.descripcion);
            EXPECT_NE(e.Llamada(), "");
        }
    }

    servidor.Detiene();
    try {
        SolicitudHttp(("GET"), servidor.Url() + "/").Envia("");
        ADD_FAILURE() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.Numero(), errores::http::NoSePudoConectar);
    }
}

TEST(SolicitudHttpTest, AddressesThatAreNotHttpAreRefusedBeforeSending) {
    struct Caso {
        const char* direccion;
        int32_t error;
    };
    for (const Caso& caso : {Caso{"ftp://127.0.0.1/", errores::http::ProtocoloDesconocido},
                             Caso{"127.0.0.1/api/", errores::http::DireccionNoValida}}) {
        SCOPED_TRACE(caso.direccion);
        try {
            SolicitudHttp("GET", caso.direccion).Envia("");
            ADD_FAILURE() << "no error raised";
        } catch (const Error& e) {
            EXPECT_EQ(e.Numero(), caso.error);
        }
    }
}

TEST(SolicitudHttpTest, TheAnswerTextIsDecodedToUtf8) {
    struct Caso {
        const char* nombre;
        std::string tipo;
        std::string bytes;
        std::string texto;
    };
    const Caso casos[] = {
        {"UTF-8", "application/json; charset=utf-8", "{\"a\": \"ñé\"}", "{\"a\": \"ñé\"}"},
        {"byte-order mark dropped", "application/json", "\xEF\xBB\xBF{}", "{}"},
        {"ISO-8859-1", "text/plain; Charset=\"ISO-8859-1\"", "a\xF1o", "año"},
        {"invalid bytes replaced", "application/json", "a\xFFz", "a\xEF\xBF\xBDz"},
    };
    ServidorDePrueba servidor;
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        RespuestaProgramada respuesta = RespuestaProgramada::Con(201, caso.bytes);
        respuesta.tipoDeContenido = caso.tipo;
        servidor.Responde(respuesta);
        SolicitudHttp solicitud("POST", servidor.Url() + "/x");
        solicitud.Envia("");
        EXPECT_EQ(solicitud.Estado(), 201);
        EXPECT_EQ(solicitud.TextoDeRespuesta(), caso.texto);
    }
}

TEST(SondaDeConexionTest, AnyHttpAnswerMeansTheServerIsThere) {
    ServidorDePrueba servidor;
    for (int estado : {200, 404, 500}) {
        servidor.Responde(RespuestaProgramada::Con(estado, "<html></html>"));
        EXPECT_TRUE(ElServidorResponde(servidor.Url() + "/")) << estado;
    }
    EXPECT_EQ(servidor.Peticiones().at(0).bruta.substr(0, 15), "HEAD / HTTP/1.1");

    servidor.Responde(RespuestaProgramada::De(Forma::CierraSinResponder));
    EXPECT_FALSE(ElServidorResponde(servidor.Url() + "/"));
    servidor.Detiene();
    EXPECT_FALSE(ElServidorResponde(servidor.Url() + "/"));
}

}  // namespace
}  // namespace mirvalo
