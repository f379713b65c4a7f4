// The sample product's files as the downloader fetches them, and the folder they must never leave.
#include "ClienteCrudo.h"
#include "support/ArchivosDePrueba.h"
#include "support/CarpetaTemporal.h"
#include "tools/sandbox-server/ServidorSandbox.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>

namespace mirvalo::sandbox {
namespace {

using mirvalo::prueba::CarpetaTemporal;
using mirvalo::prueba::EscribeElArchivo;
using mirvalo::prueba::LeeElArchivo;
using nlohmann::json;
using prueba::ClienteCrudo;
using prueba::Pide;
namespace fs = std::filesystem;

std::string SinPorcentajes(const std::string& url) {
    std::string texto;
    for (size_t i = 0; i < url.size(); ++i) {
        if (url[i] == '%' && i + 2 < url.size()) {
            texto += static_cast<char>(std::stoi(url.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            texto += url[i];
        }
    }
    return texto;
}

Opciones EnUnPuertoLibre() {
    Opciones opciones;
    opciones.puerto = 0;
    return opciones;
}

TEST(ArchivosDelProducto, EveryFileOfEveryPlanIsServedWithItsPesoAsLengthAndItsExactBytes) {
    ServidorSandbox servidor(EnUnPuertoLibre());
    servidor.Inicia();
    std::string todas;
    for (const char* app : {"101, \"1\"", "101, \"2\"", "102, \"2\"", "102, \"3\"", "103, \"3\"",
                            "201, \"1\"", "201, \"2\"", "202, \"2\"", "203, \"3\"", "301, \"2\"",
                            "302, \"3\"", "303, \"3\"", "401, \"1\"", "402, \"2\"", "403, \"3\""}) {
        std::string par = app;
        todas += std::string(todas.empty() ? "" : ",") +
                 "{\"IdAplicacion\": " + par.substr(0, par.find(',')) +
                 ", \"IdNivel\": " + par.substr(par.find(',') + 2) + "}";
    }
    ClienteCrudo cliente(servidor.Puerto());
    size_t archivos = 0;
    for (int plataforma : {1, 2}) {
        auto respuesta = Pide(servidor.Puerto(), "GET", "/api/v1/DownloadManager/ObtenerArchivos",
                              "{\"IdDescargas\": 1, \"IdTipoPlataforma\": " + std::to_string(plataforma) +
                                  ", \"IdTipoAsistente\": 2, \"Aplicaciones\": [" + todas + "]}");
        for (const json& archivo : json::parse(respuesta.cuerpo)) {
            std::string ruta = archivo["RutaServidor"].get<std::string>().substr(servidor.Url().size());
            auto descarga = cliente.Pide("GET", ruta);
            ASSERT_EQ(descarga.estado, 200) << ruta;
            EXPECT_EQ(descarga.cabeceras["content-length"], std::to_string(archivo["Peso"].get<int>()))
                << ruta;
            std::string enDisco = LeeElArchivo(fs::path(MIRVALO_SANDBOX_DATA) / "producto" /
                                               SinPorcentajes(ruta.substr(std::string("/archivos/").size())));
            EXPECT_EQ(descarga.cuerpo, enDisco) << ruta;
            EXPECT_EQ(static_cast<int>(enDisco.size()), archivo["Peso"].get<int>()) << ruta;
            ++archivos;
        }
    }
    EXPECT_GT(archivos, 20u);
}

TEST(ArchivosDelProducto, NothingOutsideTheProductFolderNorAnyUnknownNameIsServed) {
    CarpetaTemporal carpeta;
    EscribeElArchivo(carpeta.Ruta() / "secreto.txt", "fuera del producto");
    EscribeElArchivo(
        carpeta.Ruta() / "datos" / "muestra.json",
        R"({"escuelas": [], "comunes": [{"archivo": "Léame.txt", "RutaInstalacion": ""}], "aplicaciones": []})");
    EscribeElArchivo(carpeta.Ruta() / "datos" / "producto" / "Léame.txt", "dentro");
    fs::create_directories(carpeta.Ruta() / "datos" / "producto" / "Sub");
    fs::create_symlink(carpeta.Ruta() / "secreto.txt",
                       carpeta.Ruta() / "datos" / "producto" / "Sub" / "enlace.txt");
    Opciones opciones = EnUnPuertoLibre();
    opciones.datos = carpeta.Ruta() / "datos";
    ServidorSandbox servidor(opciones);
    servidor.Inicia();

    EXPECT_EQ(Pide(servidor.Puerto(), "GET", "/archivos/L%C3%A9ame.txt").cuerpo, "dentro");
    for (const char* ruta :
         {"/archivos/../secreto.txt", "/archivos/%2E%2E/secreto.txt", "/archivos/Sub/..%2F..%2Fsecreto.txt",
          "/archivos/Sub/enlace.txt", "/archivos/", "/archivos/Sub", "/archivos/./L%C3%A9ame.txt",
          "/archivos//L%C3%A9ame.txt", "/archivos/L%C3%A9ame.txt%00", "/archivos/l%C3%A9ame.txt",
          "/archivos/Sub%5C..%5CL%C3%A9ame.txt", "/archivos/../datos/muestra.json"}) {
        EXPECT_EQ(Pide(servidor.Puerto(), "GET", ruta).estado, 404) << ruta;
    }
}

TEST(ServidorSandbox, RefusesToStartWithBrokenSampleDataOrABusyPort) {
    CarpetaTemporal carpeta;
    struct Caso {
        const char* nombre;
        const char* muestra;
    };
    for (
        const Caso& caso : {
            Caso{
                "missing file",
                R"({"escuelas": [], "comunes": [{"archivo": "No.txt", "RutaInstalacion": ""}], "aplicaciones": []})"},
            Caso{
                "file outside",
                R"({"escuelas": [], "comunes": [{"archivo": "../muestra.json", "RutaInstalacion": ""}], "aplicaciones": []})"},
            Caso{"undescribed application", R"({"escuelas": [{"IdMirvalo": "X", "IdVersion": 1, "Version": "",
                 "catalogo": [{"IdAplicacion": 1, "IdNivel": "1", "Comprada": true}]}], "comunes": [], "aplicaciones": []})"},
            Caso{"not JSON", "{"},
        }) {
        EscribeElArchivo(carpeta.Ruta() / "muestra.json", caso.muestra);
        fs::create_directories(carpeta.Ruta() / "producto");
        Opciones opciones = EnUnPuertoLibre();
        opciones.datos = carpeta.Ruta();
        ServidorSandbox servidor(opciones);
        EXPECT_THROW(servidor.Inicia(), std::runtime_error) << caso.nombre;
    }

    ServidorSandbox primero(EnUnPuertoLibre());
    primero.Inicia();
    Opciones opciones;
    opciones.puerto = primero.Puerto();
    ServidorSandbox segundo(opciones);
    EXPECT_THROW(segundo.Inicia(), std::runtime_error);
}

}  // namespace
}  // namespace mirvalo::sandbox
