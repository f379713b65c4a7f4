#include <gtest/gtest.h>
#include <httplib.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <thread>

#include "download/EX_Download.h"
#include "support/RaizDePrueba.h"
#include "support/ServidorDeArchivos.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using prueba::RespuestaDePrueba;
using namespace std::chrono_literals;

class EX_DownloadConexionTest : public prueba::RaizDePrueba {
protected:
    void SetUp() override {
        RaizDePrueba::SetUp();
        carpeta_ = raiz_ / "Descargas";
        fs::create_directories(carpeta_);
    }

    void EsperaElCodigo(const std::string& codigo, const std::string& texto) {
        EXPECT_TRUE(descarga_.HuboError());
        EXPECT_EQ(descarga_.StatusCode(), codigo);
        EXPECT_EQ(descarga_.StatusText(), texto);
    }
    std::string PrimeraLineaDeLaUltimaPeticion() const {
        const auto peticiones = servidor_.Peticiones();
        if (peticiones.empty()) return "(none)";
        return peticiones.back().substr(0, peticiones.back().find("\r\n"));
    }

    prueba::ServidorDeArchivos servidor_;
    EX_Download descarga_;
    fs::path carpeta_;
};

TEST_F(EX_DownloadConexionTest, AddressIsSplitIntoHostAndObjectPath) {
    struct Caso {
        std::string url;
        std::string lineaDePeticion;
    };
    const Caso casos[] = {
        {"HTTP://127.0.0.1/Carpeta/Archivo.bin", "GET /Carpeta/Archivo.bin HTTP/1.0"},
        {"127.0.0.1/sin-esquema.bin", "GET /sin-esquema.bin HTTP/1.0"},
        {"http://127.0.0.1", "GET / HTTP/1.0"},
        {"http://127.0.0.1/", "GET / HTTP/1.0"},
        {"http://127.0.0.1/Material didáctico/Guía #1.pdf",
         "GET /Material%20did%c3%a1ctico/Gu%c3%ada%20%231.pdf HTTP/1.0"},
        {"http://127.0.0.1/ya%20codificado.bin?v=2", "GET /ya%20codificado.bin?v=2 HTTP/1.0"},
        // The port set on the object wins over one written in the address.
        {"http://127.0.0.1:1/puerto-escrito", "GET /puerto-escrito HTTP/1.0"},
    };
    descarga_.Puerto(servidor_.Puerto());
    for (const Caso& caso : casos) {
        descarga_.URL(caso.url);
        descarga_.Descargar(0);
        EXPECT_EQ(PrimeraLineaDeLaUltimaPeticion(), caso.lineaDePeticion) << caso.url;
    }

    const std::string peticion = servidor_.Peticiones().back();
    EXPECT_NE(peticion.find("\r\nHost: 127.0.0.1:" + std::to_string(servidor_.Puerto()) + "\r\n"),
              std::string::npos);
    EXPECT_NE(peticion.find("\r\nUser-Agent: kwDownload\r\n"), std::string::npos);
    EXPECT_NE(peticion.find("\r\nPragma: no-cache\r\n"), std::string::npos);
    EXPECT_EQ(peticion.find("Accept"), std::string::npos);
}

TEST_F(EX_DownloadConexionTest, PortReadsAsTheSchemesWhenNoneIsSet) {
    struct Caso {
        std::string url;
        int32_t puerto;
    };
    for (const Caso& caso : {Caso{"http://servidor/a", 80}, Caso{"HTTPS://servidor/a", 443},
                             Caso{"servidor/a", 80}, Caso{"ftp://servidor/a", 0}}) {
        descarga_.URL(caso.url);
        EXPECT_EQ(descarga_.Puerto(), caso.puerto) << caso.url;
    }
    descarga_.Puerto(8080);
    EXPECT_EQ(descarga_.Puerto(), 8080);
}

TEST_F(EX_DownloadConexionTest, AddressesThatCannotBeUsedFailBeforeAnyRequest) {
    struct Caso {
        std::string url;
        std::string codigo;
        std::string texto;
    };
    const Caso casos[] = {
        {"ftp://127.0.0.1/archivo.bin", "001", "URL incorrecta."},
        {"file:///etc/passwd", "001", "URL incorrecta."},
        {"http:///sin-host.bin", "003", "Error en InternetConnect."},
        {"http://usuario@127.0.0.1/archivo.bin", "003", "Error en InternetConnect."},
        {"http://127.0.0.1:99999/archivo.bin", "003", "Error en InternetConnect."},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.url);
        descarga_.Fichero("C:\\Descargas\\archivo.bin");
        descarga_.URL(caso.url);
        descarga_.Descargar(1);
        EsperaElCodigo(caso.codigo, caso.texto);
        EXPECT_TRUE(fs::is_empty(carpeta_));
    }
    EXPECT_TRUE(servidor_.Peticiones().empty());

    // A scheme other than http or https is refused as soon as the address is stored.
    EX_Download nueva;
    nueva.URL("gopher://127.0.0.1/");
    EXPECT_TRUE(nueva.HuboError());
    EXPECT_EQ(nueva.StatusCode(), "001");
}

TEST_F(EX_DownloadConexionTest, NoAnswerFailsAsNotSent) {
    uint16_t puertoCerrado = 0;
    {
        prueba::ServidorDeArchivos efimero;
        puertoCerrado = efimero.Puerto();
    }
    servidor_.Responde("/cierra", {.cerrarSinResponder = true});
    const std::string casos[] = {
        "http://127.0.0.1:" + std::to_string(puertoCerrado) + "/archivo.bin",
        servidor_.Url("/cierra"),
        // TLS is spoken to a server that only speaks plain HTTP.
        "https://127.0.0.1:" + std::to_string(servidor_.Puerto()) + "/archivo.bin",
    };
    for (const std::string& url : casos) {
        SCOPED_TRACE(url);
        descarga_.Fichero("C:\\Descargas\\archivo.bin");
        descarga_.URL(url);
        descarga_.Descargar(1);
        EsperaElCodigo("005", "Error en InternetSendRequest.");
        EXPECT_TRUE(fs::is_empty(carpeta_));
    }
}

TEST_F(EX_DownloadConexionTest, HttpsRefusesACertificateNoAuthoritySigned) {
    const fs::path clave = raiz_ / "clave.pem";
    const fs::path certificado = raiz_ / "certificado.pem";
    const std::string orden =
        "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1"
        " -addext subjectAltName=IP:127.0.0.1 -keyout '" +
        clave.string() + "' -out '" + certificado.string() + "' >/dev/null 2>&1";
    if (std::system(orden.c_str()) != 0) GTEST_SKIP() << "openssl could not make a certificate";
    httplib::SSLServer tls(certificado.c_str(), clave.c_str());
    tls.Get("/archivo.bin",
            [](const httplib::Request&, httplib::Response& r) { r.set_content("x", "text/plain"); });
    const int puerto = tls.bind_to_any_port("127.0.0.1");
    ASSERT_GT(puerto, 0);
    std::thread hilo([&] { tls.listen_after_bind(); });
    while (!tls.is_running()) std::this_thread::sleep_for(1ms);

    descarga_.Fichero("C:\\Descargas\\archivo.bin");
    descarga_.URL("https://127.0.0.1:" + std::to_string(puerto) + "/archivo.bin");
    descarga_.Descargar(1);
    tls.stop();
    hilo.join();

    EsperaElCodigo("005", "Error en InternetSendRequest.");
    EXPECT_TRUE(fs::is_empty(carpeta_));
}

TEST_F(EX_DownloadConexionTest, StalledBodyFailsAfterTheIdleTime) {
    servidor_.Responde("/parado", {.cuerpo = std::string(4096, 'p'), .trozo = 1024, .pausaPorTrozo = 30s});
    descarga_.Tiempos({.sinDatos = 1s});
    descarga_.Fichero("C:\\Descargas\\archivo.bin");
    descarga_.URL(servidor_.Url("/parado"));
    descarga_.Descargar(1);

    EsperaElCodigo("999", "Ha ocurrido un error durante la descarga.");
    EXPECT_TRUE(fs::is_empty(carpeta_));
}

TEST_F(EX_DownloadConexionTest, ProxyIsUsedOnlyWhenSetAndNotForItsExceptions) {
    prueba::ServidorDeArchivos proxy;
    proxy.Responde("http://servidor.ejemplo/archivo.bin", {.cuerpo = "por el proxy"});
    servidor_.Responde("/archivo.bin", {.cuerpo = "directo"});
    const std::string puertoDelProxy = "127.0.0.1:" + std::to_string(proxy.Puerto());
    // The environment's proxy variables are not the system's settings: they are ignored.
    setenv("http_proxy", ("http://" + puertoDelProxy).c_str(), 1);
    descarga_.URL(servidor_.Url("/archivo.bin"));
    descarga_.Descargar(1);
    unsetenv("http_proxy");
    EXPECT_EQ(descarga_.ContenidoDescargado(), "directo");

    descarga_.UsarProxy(puertoDelProxy);
    descarga_.URL("http://servidor.ejemplo/archivo.bin");
    descarga_.Descargar(1);
    EXPECT_FALSE(descarga_.HuboError()) << descarga_.StatusCode();
    EXPECT_EQ(descarga_.ContenidoDescargado(), "por el proxy");

    descarga_.NoUsarProxy("localhost;127.0.0.1");
    descarga_.URL(servidor_.Url("/archivo.bin"));
    descarga_.Descargar(1);
    EXPECT_EQ(descarga_.ContenidoDescargado(), "directo");
    EXPECT_EQ(proxy.Peticiones().size(), 1u);
}

}  // namespace
}  // namespace mirvalo
