#pragma once
// The requests a scripted server received, read back as the assistant's reports and file-list
// requests. Bodies here carry no escaped quotation marks.
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "support/PantallasDePrueba.h"
#include "support/ServidorDePrueba.h"

namespace mirvalo::prueba {

// The operation of every request, in order ("Detalles", "ValidarIDMirvalo"...).
inline std::vector<std::string> Operaciones(const ServidorDePrueba& servidor) {
    std::vector<std::string> operaciones;
    for (const PeticionRecibida& peticion : servidor.Peticiones())
        operaciones.push_back(peticion.ruta.substr(peticion.ruta.rfind('/') + 1));
    return operaciones;
}

inline std::vector<PasoReportado> PasosRecibidos(const ServidorDePrueba& servidor) {
    static const std::regex detalle(
        R"re("Id_Descarga":\s*(-?\d+),\s*"Id_Paso":\s*(\d+),\s*"Status":\s*(\d+),\s*"Descripcion":\s*"([^"]*)")re");
    std::vector<PasoReportado> pasos;
    for (const PeticionRecibida& peticion : servidor.Peticiones()) {
        std::smatch partes;
        if (peticion.ruta.ends_with("/Detalles") && std::regex_search(peticion.cuerpo, partes, detalle))
            pasos.push_back({std::stoi(partes[1]), std::stoi(partes[2]), std::stoi(partes[3]), partes[4]});
    }
    return pasos;
}

// Each failure report as "<Modulo> <Procedimiento> <NoError>".
inline std::vector<std::string> FallosRecibidos(const ServidorDePrueba& servidor) {
    static const std::regex fallo(
        R"re("Modulo":\s*"([^"]*)",\s*"Procedimiento":\s*"([^"]*)",\s*"NoError":\s*"(-?\d+)")re");
    std::vector<std::string> fallos;
    for (const PeticionRecibida& peticion : servidor.Peticiones()) {
        std::smatch partes;
        if (peticion.ruta.ends_with("/Fallos") && std::regex_search(peticion.cuerpo, partes, fallo))
            fallos.push_back(partes[1].str() + " " + partes[2].str() + " " + partes[3].str());
    }
    return fallos;
}

// The applications (id, level id) of the latest file-list request.
inline std::vector<std::pair<int, std::string>> AplicacionesPedidas(const ServidorDePrueba& servidor) {
    static const std::regex aplicacion(R"re("IdAplicacion":\s*(-?\d+),\s*"IdNivel":\s*"([^"]*)")re");
    std::vector<std::pair<int, std::string>> pedidas;
    for (const PeticionRecibida& peticion : servidor.Peticiones()) {
        if (!peticion.ruta.ends_with("/ObtenerArchivos")) continue;
        pedidas.clear();
        for (std::sregex_iterator i(peticion.cuerpo.begin(), peticion.cuerpo.end(), aplicacion), fin;
             i != fin; ++i)
            pedidas.emplace_back(std::stoi((*i)[1]), (*i)[2]);
    }
    return pedidas;
}

// Every failure report the development server received, as "<Modulo> <Procedimiento>".
inline std::vector<std::string> FallosDelSandbox(const std::vector<std::string>& reportes) {
    static const std::regex fallo(R"re("Modulo":"([^"]*)","Procedimiento":"([^"]*)")re");
    std::vector<std::string> fallos;
    for (const std::string& linea : FallosReportados(reportes)) {
        std::smatch partes;
        fallos.push_back(std::regex_search(linea, partes, fallo) ? partes[1].str() + " " + partes[2].str()
                                                                 : linea);
    }
    return fallos;
}

}  // namespace mirvalo::prueba
