// Step and failure reports: one JSON line each, in arrival order, with the values as the client sent them.
#include "ClienteCrudo.h"
#include "support/CarpetaTemporal.h"
#include "tools/sandbox-server/ServidorSandbox.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace mirvalo::sandbox {
namespace {

using prueba::ClienteCrudo;
using ::testing::ElementsAre;

TEST(Reportes, AreKeptInOrderAsSentAndWrittenToTheReportsFile) {
    const mirvalo::prueba::CarpetaTemporal carpeta;
    Opciones opciones;
    opciones.puerto = 0;
    opciones.reportes = carpeta / "reportes.jsonl";
    ServidorSandbox servidor(opciones);
    servidor.Inicia();

    ClienteCrudo cliente(servidor.Puerto());
    const std::string api = "/api/v1/DownloadManager/";
    auto detalle =
        cliente.Pide("POST", api + "Detalles",
                     "{\r\n\"Id_Descarga\": 7,\r\n\"Id_Paso\": 203,\r\n\"Status\": 0,\r\n"
                     "\"Descripcion\": \"El ID Mirvalo no es válido (\\\"ESC\\\"\\r\\n)\"\r\n}\r\n");
    auto fallo = cliente.Pide(
        "POST", api + "Fallos",
        "{\r\n\"Id_Descarga\": \"7\",\r\n\"Modulo\": \"frm_Splash\",\r\n\"Procedimiento\": "
        "\"Form_Load\",\r\n\"NoError\": \"-53\",\r\n\"DescripcionError\": \"File not found\"\r\n}\r\n");
    auto invalido = cliente.Pide("POST", api + "Detalles", "Id_Paso=100");

    EXPECT_EQ(detalle.estado, 200);
    EXPECT_EQ(fallo.estado, 200);
    EXPECT_EQ(invalido.estado, 400);
    const std::vector<std::string> esperadas = {
        R"j({"tipo":"detalle","Id_Descarga":7,"Id_Paso":203,"Status":0,"Descripcion":"El ID Mirvalo no es válido (\"ESC\"\r\n)"})j",
        R"({"tipo":"fallo","Id_Descarga":"7","Modulo":"frm_Splash","Procedimiento":"Form_Load","NoError":"-53","DescripcionError":"File not found"})",
        R"({"tipo":"detalle","invalido":"Id_Paso=100"})",
    };
    EXPECT_EQ(servidor.Reportes(), esperadas);

    std::ifstream archivo(opciones.reportes);
    std::vector<std::string> lineas;
    for (std::string linea; std::getline(archivo, linea);) lineas.push_back(linea);
    EXPECT_EQ(lineas, esperadas);
}

}  // namespace
}  // namespace mirvalo::sandbox
