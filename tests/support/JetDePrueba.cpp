#include "support/JetDePrueba.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace mirvalo::prueba {

jet4::Tabla TablaDeAplicaciones(const std::vector<AplicacionDePrueba>& filas) {
    jet4::Tabla tabla{"TBL_Aplicacion",
                      {{"app_ide", jet4::TipoDeColumna::EnteroLargo},
                       {"Nomenclatura", jet4::TipoDeColumna::Texto, 50},
                       {"Nombre", jet4::TipoDeColumna::Texto, 100}},
                      {}};
    for (const AplicacionDePrueba& f : filas) {
        std::vector<jet4::Valor> fila(3);  // NULL unless given
        if (f.appIde) fila[0].emplace<int32_t>(*f.appIde);
        if (f.nomenclatura) {
            fila[1].emplace<std::string>(*f.nomenclatura);
            fila[2].emplace<std::string>("Aplicación " + *f.nomenclatura);
        }
        tabla.filas.push_back(std::move(fila));
    }
    return tabla;
}

void EscribeCatalogo(const std::filesystem::path& ruta, const std::vector<AplicacionDePrueba>& filas,
                     const std::string& contrasena) {
    jet4::ArchivoJet4 archivo;
    archivo.contrasena = contrasena;
    archivo.tablas.push_back(TablaDeAplicaciones(filas));
    jet4::EscribeElArchivo(ruta, archivo);
}

std::string SalidaDeMdbtools(const std::string& programa, const std::vector<std::string>& argumentos) {
    std::string orden = programa;
    for (const std::string& a : argumentos) {
        std::string citado = "'";
        for (char c : a) citado += c == '\'' ? std::string("'\\''") : std::string(1, c);
        orden += " " + citado + "'";
    }
    std::FILE* tubo = popen(orden.c_str(), "r");
    if (!tubo) {
        ADD_FAILURE() << "popen " << orden;
        return {};
    }
    std::string salida;
    std::array<char, 4096> bloque;
    while (std::size_t n = std::fread(bloque.data(), 1, bloque.size(), tubo)) salida.append(bloque.data(), n);
    const int estado = pclose(tubo);
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << orden << " ended with " << estado;
    return salida;
}

}  // namespace mirvalo::prueba
