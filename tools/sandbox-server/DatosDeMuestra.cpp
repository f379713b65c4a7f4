#include "tools/sandbox-server/DatosDeMuestra.h"

#include "tools/sandbox-server/ArchivosDelProducto.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <limits>
#include <stdexcept>

namespace mirvalo::sandbox {
namespace {

using Json = nlohmann::json;

[[noreturn]] void Falla(const std::string& donde, const std::string& que) {
    throw std::runtime_error("sample data: " + donde + ": " + que);
}

const Json& Requiere(const Json& objeto, const char* clave, const std::string& donde) {
    if (!objeto.is_object() || !objeto.contains(clave))
        Falla(donde, std::string("missing \"") + clave + "\"");
    return objeto.at(clave);
}

std::string Texto(const Json& objeto, const char* clave, const std::string& donde) {
    const Json& valor = Requiere(objeto, clave, donde);
    if (!valor.is_string()) Falla(donde, std::string("\"") + clave + "\" must be a text");
    return valor.get<std::string>();
}

const Json& Lista(const Json& objeto, const char* clave, const std::string& donde) {
    const Json& valor = Requiere(objeto, clave, donde);
    if (!valor.is_array()) Falla(donde, std::string("\"") + clave + "\" must be a list");
    return valor;
}

int Entero(const Json& objeto, const char* clave, const std::string& donde) {
    const Json& valor = Requiere(objeto, clave, donde);
    if (!valor.is_number_integer()) Falla(donde, std::string("\"") + clave + "\" must be an integer");
    return valor.get<int>();
}

// A level id may be written as a text or as a number; it is kept, compared and answered as text.
std::string Nivel(const Json& objeto, const std::string& donde) {
    const Json& valor = Requiere(objeto, "IdNivel", donde);
    if (valor.is_string()) return valor.get<std::string>();
    if (valor.is_number_integer()) return valor.dump();
    Falla(donde, "\"IdNivel\" must be a text or an integer");
}

std::string ConBarrasInvertidas(std::string ruta) {
    std::replace(ruta.begin(), ruta.end(), '/', '\\');
    return ruta;
}

ArchivoDeMuestra LeeArchivo(const Json& entrada, const ArchivosDelProducto& producto,
                            const std::string& donde) {
    ArchivoDeMuestra archivo;
    archivo.archivo = Texto(entrada, "archivo", donde);
    const std::string aqui = donde + " \"" + archivo.archivo + "\"";
    archivo.rutaInstalador = entrada.contains("RutaInstalador") ? Texto(entrada, "RutaInstalador", aqui)
                                                                : ConBarrasInvertidas(archivo.archivo);
    archivo.rutaInstalacion = Texto(entrada, "RutaInstalacion", aqui);
    if (entrada.contains("plataformas")) {
        for (const Json& plataforma : Lista(entrada, "plataformas", aqui)) {
            if (!plataforma.is_number_integer()) Falla(aqui, "\"plataformas\" must list integers");
            archivo.plataformas.push_back(plataforma.get<int>());
        }
    }
    auto ruta = producto.Resuelve(archivo.archivo);
    if (!ruta) Falla(aqui, "no such file inside the product folder");
    auto tamano = std::filesystem::file_size(*ruta);
    if (tamano > static_cast<std::uintmax_t>(std::numeric_limits<std::int32_t>::max())) {
        Falla(aqui, "too large for a 32-bit size");
    }
    archivo.peso = static_cast<std::int32_t>(tamano);
    return archivo;
}

std::vector<ArchivoDeMuestra> LeeArchivos(const Json& lista, const ArchivosDelProducto& producto,
                                          const std::string& donde) {
    std::vector<ArchivoDeMuestra> archivos;
    for (const Json& entrada : lista) archivos.push_back(LeeArchivo(entrada, producto, donde));
    return archivos;
}

bool EsParaLaPlataforma(const ArchivoDeMuestra& archivo, int plataforma) {
    return archivo.plataformas.empty() || std::find(archivo.plataformas.begin(), archivo.plataformas.end(),
                                                    plataforma) != archivo.plataformas.end();
}

bool MismoArchivo(const ArchivoDeMuestra& a, const ArchivoDeMuestra& b) {
    return a.archivo == b.archivo && a.rutaInstalador == b.rutaInstalador &&
           a.rutaInstalacion == b.rutaInstalacion;
}

}  // namespace

DatosDeMuestra DatosDeMuestra::Carga(const std::filesystem::path& carpeta) {
    const auto descripcion = carpeta / "muestra.json";
    std::ifstream archivo(descripcion, std::ios::binary);
    if (!archivo) Falla(descripcion.string(), "cannot be read");
    Json raiz = Json::parse(archivo, nullptr, false);
    if (raiz.is_discarded() || !raiz.is_object()) Falla(descripcion.string(), "is not a JSON object");

    DatosDeMuestra datos;
    datos.carpetaDelProducto_ = carpeta / "producto";
    ArchivosDelProducto producto(datos.carpetaDelProducto_);

    datos.comunes_ = LeeArchivos(Lista(raiz, "comunes", "muestra.json"), producto, "comunes");
    for (const Json& entrada : Lista(raiz, "aplicaciones", "muestra.json")) {
        AplicacionDeMuestra aplicacion;
        aplicacion.idAplicacion = Entero(entrada, "IdAplicacion", "aplicaciones");
        const std::string donde = "aplicacion " + std::to_string(aplicacion.idAplicacion);
        aplicacion.nombreAplicacion = Texto(entrada, "NombreAplicacion", donde);
        aplicacion.suiteAplicacion = Texto(entrada, "SuiteAplicacion", donde);
        aplicacion.idNivel = Nivel(entrada, donde);
        aplicacion.nombreNivel = Texto(entrada, "NombreNivel", donde);
        aplicacion.archivos = LeeArchivos(Lista(entrada, "archivos", donde), producto, donde);
        datos.aplicaciones_.push_back(std::move(aplicacion));
    }

    for (const Json& entrada : Lista(raiz, "escuelas", "muestra.json")) {
        EscuelaDeMuestra escuela;
        escuela.idMirvalo = Texto(entrada, "IdMirvalo", "escuelas");
        const std::string donde = "escuela " + escuela.idMirvalo;
        if (datos.Escuela(escuela.idMirvalo)) Falla(donde, "listed twice");
        escuela.idVersion = Entero(entrada, "IdVersion", donde);
        escuela.version = Texto(entrada, "Version", donde);
        for (const Json& item : Lista(entrada, "catalogo", donde)) {
            int id = Entero(item, "IdAplicacion", donde);
            std::string nivel = Nivel(item, donde);
            auto descrita =
                std::find_if(datos.aplicaciones_.begin(), datos.aplicaciones_.end(),
                             [&](const auto& a) { return a.idAplicacion == id && a.idNivel == nivel; });
            if (descrita == datos.aplicaciones_.end()) {
                Falla(donde, "application " + std::to_string(id) + " level " + nivel + " is not described");
            }
            const Json& comprada = Requiere(item, "Comprada", donde);
            if (!comprada.is_boolean()) Falla(donde, "\"Comprada\" must be true or false");
            escuela.catalogo.push_back(
                {static_cast<size_t>(descrita - datos.aplicaciones_.begin()), comprada.get<bool>()});
        }
        datos.escuelas_.push_back(std::move(escuela));
    }
    return datos;
}

const EscuelaDeMuestra* DatosDeMuestra::Escuela(const std::string& idMirvalo) const {
    auto escuela = std::find_if(escuelas_.begin(), escuelas_.end(),
                                [&](const EscuelaDeMuestra& e) { return e.idMirvalo == idMirvalo; });
    return escuela == escuelas_.end() ? nullptr : &*escuela;
}

std::vector<ArchivoDeMuestra> DatosDeMuestra::Plan(int plataforma, int tipoAsistente,
                                                   const std::vector<AplicacionPedida>& pedidas) const {
    std::vector<ArchivoDeMuestra> plan;
    auto agrega = [&](const std::vector<ArchivoDeMuestra>& archivos) {
        for (const ArchivoDeMuestra& archivo : archivos) {
            if (!EsParaLaPlataforma(archivo, plataforma)) continue;
            if (tipoAsistente == 1 && archivo.rutaInstalacion.empty()) continue;
            auto igual = [&](const ArchivoDeMuestra& otro) { return MismoArchivo(archivo, otro); };
            if (std::none_of(plan.begin(), plan.end(), igual)) plan.push_back(archivo);
        }
    };
    agrega(comunes_);
    for (const AplicacionPedida& pedida : pedidas) {
        for (const AplicacionDeMuestra& aplicacion : aplicaciones_) {
            if (aplicacion.idAplicacion == pedida.idAplicacion && aplicacion.idNivel == pedida.idNivel) {
                agrega(aplicacion.archivos);
            }
        }
    }
    return plan;
}

}  // namespace mirvalo::sandbox
