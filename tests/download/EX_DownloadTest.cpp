#include "download/EX_Download.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Eventos.h"
#include "support/RaizDePrueba.h"
#include "support/ServidorDeArchivos.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using prueba::RespuestaDePrueba;
using namespace std::chrono_literals;

struct Evento {
    int64_t longitud;
    int64_t recibido;
    double avance;
    int32_t transcurrido;
    double faltante;
};

// Bytes of every value, so a body that is cut, shifted or read as text shows.
std::string Cuerpo(std::size_t largo) {
    std::string cuerpo(largo, '\0');
    for (std::size_t i = 0; i < largo; ++i) cuerpo[i] = static_cast<char>((i * 7 + i / 251) % 256);
    return cuerpo;
}

class EX_DownloadTest : public prueba::RaizDePrueba {
protected:
    void SetUp() override {
        RaizDePrueba::SetUp();
        carpeta_ = raiz_ / "Descargas";
        fs::create_directories(carpeta_);
        descarga_.Progreso = [this](int64_t longitud, int64_t recibido, double avance, int32_t transcurrido,
                                    double faltante, int64_t&, bool& detener) {
            eventos_.push_back({longitud, recibido, avance, transcurrido, faltante});
            detener = detenerEnElEvento_ == eventos_.size() || clicEnCancelar_;
        };
    }
    void TearDown() override {
        EstableceBombaDeEventos(nullptr);
        RaizDePrueba::TearDown();
    }

    // The body of `respuesta` fetched from `ruta` into `destino` (as the assistant writes paths).
    void Descarga(const std::string& ruta, const RespuestaDePrueba& respuesta,
                  const std::string& destino = "C:\\Descargas\\archivo.bin") {
        servidor_.Responde(ruta, respuesta);
        eventos_.clear();
        descarga_.Fichero(destino);
        descarga_.URL(servidor_.Url(ruta));
        descarga_.Descargar(1);
    }

    std::vector<std::string> Temporales() const {
        std::vector<std::string> nombres;
        for (const auto& entrada : fs::directory_iterator(carpeta_)) {
            const std::string nombre = entrada.path().filename().string();
            if (nombre.starts_with("MVL") && nombre.ends_with(".tmp")) nombres.push_back(nombre);
        }
        return nombres;
    }
    fs::path Destino() const { return carpeta_ / "archivo.bin"; }
    void EsperaElCodigo8() const {
        EXPECT_TRUE(descarga_.HuboError());
        EXPECT_EQ(descarga_.StatusCode(), "008");
        EXPECT_EQ(descarga_.StatusText(), "No se ha podido crear el fichero de destino.");
    }

    prueba::ServidorDeArchivos servidor_;
    EX_Download descarga_;
    std::vector<Evento> eventos_;
    std::size_t detenerEnElEvento_ = 0;  // 0: never
    bool clicEnCancelar_ = false;
    fs::path carpeta_;
};

TEST_F(EX_DownloadTest, CompleteBodyReplacesTheTargetWithOneEventPerBlock) {
    Escribe(Destino(), "una version anterior, mas larga que nada");
    RespuestaDePrueba respuesta;
    respuesta.cuerpo = Cuerpo(2500);
    respuesta.trozo = 700;  // blocks straddle the pieces the network delivers
    descarga_.BytesBloqueDescarga(1000);

    Descarga("/archivo.bin", respuesta, "  C:\\Descargas\\archivo.bin  ");

    EXPECT_FALSE(descarga_.HuboError());
    EXPECT_EQ(descarga_.StatusCode(), "200");
    EXPECT_EQ(descarga_.StatusText(), "OK");
    EXPECT_EQ(descarga_.Fichero(), "C:\\Descargas\\archivo.bin");
    EXPECT_EQ(Lee(Destino()), respuesta.cuerpo);
    EXPECT_TRUE(Temporales().empty());
    ASSERT_EQ(eventos_.size(), 3u);
    const int64_t recibidos[] = {1000, 2000, 2500};
    const double avances[] = {40, 80, 100};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(eventos_[i].longitud, 2500);
        EXPECT_EQ(eventos_[i].recibido, recibidos[i]);
        EXPECT_DOUBLE_EQ(eventos_[i].avance, avances[i]);
        EXPECT_GE(eventos_[i].faltante, 0);
        EXPECT_EQ(eventos_[i].faltante, static_cast<int64_t>(eventos_[i].faltante));
        EXPECT_GE(eventos_[i].transcurrido, 0);
    }
}

TEST_F(EX_DownloadTest, UnknownLengthReportsMinusOneAndStillCompletes) {
    RespuestaDePrueba sinLongitud;
    sinLongitud.conLongitud = false;
    RespuestaDePrueba noNumerica;
    noNumerica.longitud = "abc";
    for (RespuestaDePrueba respuesta : {sinLongitud, noNumerica}) {
        respuesta.cuerpo = Cuerpo(1300);
        Descarga("/sin-longitud", respuesta);

        EXPECT_FALSE(descarga_.HuboError()) << descarga_.StatusCode();
        EXPECT_EQ(Lee(Destino()), respuesta.cuerpo);
        ASSERT_EQ(eventos_.size(), 3u);  // 512, 1024, 1300
        EXPECT_EQ(eventos_.back().recibido, 1300);
        for (const Evento& evento : eventos_) {
            EXPECT_EQ(evento.longitud, -1);
            EXPECT_EQ(evento.avance, 0);
            EXPECT_EQ(evento.faltante, 0);
        }
    }
}

TEST_F(EX_DownloadTest, AnySuccessStatusIsAcceptedAndRedirectionsAreFollowed) {
    struct Caso {
        const char* nombre;
        RespuestaDePrueba respuesta;
        std::string cuerpoEsperado;
        std::string estadoEsperado;
        std::string textoEsperado;
    };
    RespuestaDePrueba sinContenido{.estado = 204, .razon = "No Content", .conLongitud = false};
    RespuestaDePrueba parcial{.estado = 206, .razon = "Partial Content", .cuerpo = Cuerpo(600)};
    RespuestaDePrueba vacio;
    RespuestaDePrueba redirigida{
        .estado = 302, .razon = "Found", .encabezados = {{"Location", "/destino-final"}}};
    servidor_.Responde("/destino-final", {.razon = "Bien", .cuerpo = "el archivo movido"});
    const Caso casos[] = {
        {"204", sinContenido, "", "204", "No Content"},
        {"206", parcial, Cuerpo(600), "206", "Partial Content"},
        {"empty body", vacio, "", "200", "OK"},
        {"redirected", redirigida, "el archivo movido", "200", "Bien"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        Escribe(Destino(), "anterior");
        Descarga("/caso", caso.respuesta);

        EXPECT_FALSE(descarga_.HuboError());
        EXPECT_EQ(descarga_.StatusCode(), caso.estadoEsperado);
        EXPECT_EQ(descarga_.StatusText(), caso.textoEsperado);
        EXPECT_EQ(Lee(Destino()), caso.cuerpoEsperado);
        EXPECT_EQ(eventos_.empty(), caso.cuerpoEsperado.empty());
        EXPECT_TRUE(Temporales().empty());
    }
}

TEST_F(EX_DownloadTest, OtherStatusesEndWithTheServersCodeAndTextAndNoFile) {
    struct Caso {
        int estado;
        std::string razon;
    };
    for (const Caso& caso : {Caso{404, "No se encuentra el archivo"}, Caso{503, "Servicio en mantenimiento"},
                             Caso{302, "Found"} /* nowhere to go */}) {
        SCOPED_TRACE(caso.estado);
        Descarga("/estado", {.estado = caso.estado, .razon = caso.razon, .cuerpo = "pagina de error"});

        EXPECT_TRUE(descarga_.HuboError());
        EXPECT_EQ(descarga_.StatusCode(), std::to_string(caso.estado));
        EXPECT_EQ(descarga_.StatusText(), caso.razon);
        EXPECT_TRUE(eventos_.empty());
        EXPECT_TRUE(fs::is_empty(carpeta_));
    }

    // The same object serves the next transfer from a clean state.
    Descarga("/bien", {.cuerpo = "contenido"});
    EXPECT_FALSE(descarga_.HuboError());
    EXPECT_EQ(descarga_.StatusCode(), "200");
    EXPECT_EQ(Lee(Destino()), "contenido");
}

TEST_F(EX_DownloadTest, BodyThatBreaksOffFailsAndLeavesTheOldTargetAlone) {
    RespuestaDePrueba corto{.cuerpo = Cuerpo(3000), .longitud = "5000", .trozo = 1000};
    RespuestaDePrueba cortado{.cuerpo = Cuerpo(5000), .trozo = 1000, .cortarTras = 3000};
    RespuestaDePrueba cortadoSinLongitud = cortado;
    cortadoSinLongitud.conLongitud = false;
    for (const auto& respuesta : {corto, cortado, cortadoSinLongitud}) {
        Escribe(Destino(), "la copia buena de antes");
        Descarga("/roto", respuesta);

        EXPECT_TRUE(descarga_.HuboError());
        EXPECT_EQ(descarga_.StatusCode(), "999");
        EXPECT_EQ(descarga_.StatusText(), "Ha ocurrido un error durante la descarga.");
        EXPECT_EQ(Lee(Destino()), "la copia buena de antes");
        EXPECT_TRUE(Temporales().empty());
    }
}

TEST_F(EX_DownloadTest, CancelFromTheFirstEventDeletesTheTemporaryFile) {
    Escribe(Destino(), "la copia buena de antes");
    detenerEnElEvento_ = 1;
    Descarga("/grande", {.cuerpo = Cuerpo(64 * 1024)});

    EXPECT_TRUE(descarga_.HuboError());
    EXPECT_EQ(descarga_.StatusCode(), "998");
    EXPECT_EQ(descarga_.StatusText(), "Descarga cancelada por el usuario.");
    EXPECT_EQ(eventos_.size(), 1u);
    EXPECT_EQ(Lee(Destino()), "la copia buena de antes");
    EXPECT_TRUE(Temporales().empty());
}

// The window's event queue runs while a slow server is awaited, so a click on a cancel button is
// heard mid-transfer and the next event turns it into a cancellation.
TEST_F(EX_DownloadTest, ClickHeardThroughWindowEventsCancelsASlowTransfer) {
    int vecesAntesDelPrimerEvento = 0;
    EstableceBombaDeEventos([&] {
        if (eventos_.empty()) ++vecesAntesDelPrimerEvento;
        if (eventos_.size() >= 2) clicEnCancelar_ = true;
    });
    Descarga("/lento", {.cuerpo = Cuerpo(8 * 512), .trozo = 512, .pausaPorTrozo = 300ms});

    EXPECT_EQ(descarga_.StatusCode(), "998");
    EXPECT_GE(eventos_.size(), 3u);
    EXPECT_LT(eventos_.size(), 8u);
    EXPECT_GE(vecesAntesDelPrimerEvento, 3);
    EXPECT_FALSE(fs::exists(Destino()));
    EXPECT_TRUE(Temporales().empty());
}

// The forms layer ends the process from inside the window events by throwing: the transfer is
// left at once, closed and without its temporary file.
TEST_F(EX_DownloadTest, WhatTheWindowEventsThrowPassesThroughWithoutATemporaryFile) {
    struct ProcesoTerminado {};
    EstableceBombaDeEventos([&] {
        if (!eventos_.empty()) throw ProcesoTerminado{};
    });
    descarga_.Fichero("C:\\Descargas\\archivo.bin");
    descarga_.URL(servidor_.Url("/lento"));
    servidor_.Responde("/lento", {.cuerpo = Cuerpo(4 * 512), .trozo = 512, .pausaPorTrozo = 50ms});

    EXPECT_THROW(descarga_.Descargar(1), ProcesoTerminado);
    EXPECT_FALSE(eventos_.empty());
    EXPECT_TRUE(fs::is_empty(carpeta_));
}

TEST_F(EX_DownloadTest, WithoutAFileTheBodyIsKeptInMemory) {
    RespuestaDePrueba conLongitud{.cuerpo = Cuerpo(3000), .trozo = 1000};
    RespuestaDePrueba sinLongitud = conLongitud;
    sinLongitud.conLongitud = false;
    for (const auto& respuesta : {conLongitud, sinLongitud}) {
        Descarga("/memoria", respuesta, "   ");

        EXPECT_FALSE(descarga_.HuboError());
        EXPECT_EQ(descarga_.ContenidoDescargado(), respuesta.cuerpo);
        EXPECT_EQ(eventos_.size(), 6u);
        EXPECT_TRUE(fs::is_empty(carpeta_));
    }
}

TEST_F(EX_DownloadTest, HeadersOnlyFillsTheSwitchedOnTextsAndFetchesNoBody) {
    servidor_.Responde("/cabeceras", {.version = "HTTP/1.1",
                                      .encabezados = {{"Content-Type", "application/octet-stream"},
                                                      {"Expires", "Thu, 01 Dec 2033 16:00:00 GMT"},
                                                      {"Last-Modified", "Tue, 15 Nov 1994 12:45:26 GMT"},
                                                      {"Server", "Prueba/1.0"},
                                                      {"Server", "el segundo no cuenta"}},
                                      .cuerpo = Cuerpo(2500)});
    descarga_.Fichero("C:\\Descargas\\archivo.bin");
    descarga_.URL(servidor_.Url("/cabeceras"));
    descarga_.QContentType(true);
    descarga_.QExpires(true);
    descarga_.QLastModified(true);
    descarga_.QPragma(true);
    descarga_.QVersion(true);
    descarga_.QRawHeaders(true);
    descarga_.QRawHeadersCrLf(true);
    descarga_.QForwarded(true);
    descarga_.QServer(true);
    descarga_.QRequestMethod(true);
    descarga_.QExpiresStr("de antes");
    descarga_.Descargar(0);

    EXPECT_FALSE(descarga_.HuboError());
    EXPECT_EQ(descarga_.StatusCode(), "200");
    EXPECT_TRUE(eventos_.empty());
    EXPECT_TRUE(fs::is_empty(carpeta_));
    EXPECT_EQ(descarga_.QContentLengthStr(), "2500");
    EXPECT_EQ(descarga_.QContentTypeStr(), "application/octet-stream");
    EXPECT_EQ(descarga_.QExpiresStr(), "Thu, 01 Dec 2033 16:00:00 GMT");
    EXPECT_EQ(descarga_.QLastModifiedStr(), "Tue, 15 Nov 1994 12:45:26 GMT");
    EXPECT_EQ(descarga_.QPragmaStr(), "no-cache");
    EXPECT_EQ(descarga_.QVersionStr(), "HTTP/1.1");
    EXPECT_EQ(descarga_.QRawHeadersStr(), "HTTP/1.1 200 OK");
    EXPECT_EQ(descarga_.QRawHeadersCrLfStr(),
              "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
              "Expires: Thu, 01 Dec 2033 16:00:00 GMT\r\nLast-Modified: Tue, 15 Nov 1994 12:45:26 GMT\r\n"
              "Server: Prueba/1.0\r\nServer: el segundo no cuenta\r\nContent-Length: 2500\r\n"
              "Connection: close\r\n\r\n");
    EXPECT_EQ(descarga_.QForwardedStr(), "");  // not in the answer
    EXPECT_EQ(descarga_.QServerStr(), "Prueba/1.0");
    EXPECT_EQ(descarga_.QRequestMethodStr(), "GET");

    // Switched off, the length is still used but its text stays empty.
    descarga_.QContentLength(false);
    descarga_.Descargar(0);
    EXPECT_EQ(descarga_.QContentLengthStr(), "");
    EXPECT_EQ(descarga_.QServerStr(), "Prueba/1.0");
}

TEST_F(EX_DownloadTest, PercentageHoldsForBodiesBeyondWhat32BitArithmeticTakes) {
    descarga_.BytesBloqueDescarga(1'000'000);
    Descarga("/cien-millones", {.cuerpo = std::string(100'000'000, 'm'), .trozo = 1 << 20});

    EXPECT_FALSE(descarga_.HuboError());
    ASSERT_EQ(eventos_.size(), 100u);
    EXPECT_DOUBLE_EQ(eventos_[49].avance, 50);
    EXPECT_EQ(eventos_.back().recibido, 100'000'000);
    EXPECT_DOUBLE_EQ(eventos_.back().avance, 100);
    EXPECT_EQ(fs::file_size(Destino()), 100'000'000u);
}

TEST_F(EX_DownloadTest, TemporaryFileThatCannotBeMadeWrittenOrMovedFailsWithCode8) {
    servidor_.Responde("/archivo.bin", {.cuerpo = std::string(256 * 1024, 'a')});
    servidor_.Responde("/grande.bin", {.cuerpo = std::string(4 * 1024 * 1024, 'g')});
    const auto descargaCon = [&](const std::string& ruta, const std::string& fichero) {
        descarga_.Fichero(fichero);
        descarga_.URL(servidor_.Url(ruta));
        descarga_.Descargar(1);
        EsperaElCodigo8();
        EXPECT_TRUE(fs::is_empty(carpeta_));
    };

    // No folder to create the temporary file in.
    descargaCon("/archivo.bin", "C:\\NoExiste\\archivo.bin");
    EXPECT_FALSE(fs::exists(raiz_ / "NoExiste"));

    // The file cannot be written: a size limit makes the writes fail (the small body at the close,
    // the large one while it arrives). Root ignores permissions, so a limit is what stops it.
    signal(SIGXFSZ, SIG_IGN);
    rlimit antes{};
    getrlimit(RLIMIT_FSIZE, &antes);
    rlimit limitado = antes;
    limitado.rlim_cur = 16 * 1024;
    setrlimit(RLIMIT_FSIZE, &limitado);
    descargaCon("/archivo.bin", "C:\\Descargas\\archivo.bin");
    descargaCon("/grande.bin", "C:\\Descargas\\archivo.bin");
    setrlimit(RLIMIT_FSIZE, &antes);

    // The temporary file cannot take the target's place: a folder is there.
    fs::create_directory(carpeta_ / "archivo.bin");
    descarga_.Fichero("C:\\Descargas\\archivo.bin");
    descarga_.URL(servidor_.Url("/archivo.bin"));
    descarga_.Descargar(1);
    EsperaElCodigo8();
    EXPECT_TRUE(fs::is_directory(carpeta_ / "archivo.bin"));
    EXPECT_EQ(std::distance(fs::directory_iterator(carpeta_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace mirvalo
