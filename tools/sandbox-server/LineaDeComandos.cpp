#include "tools/sandbox-server/LineaDeComandos.h"

#include <charconv>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>

namespace mirvalo::sandbox {
namespace {

int Entero(const std::string& bandera, const std::string& valor) {
    int numero = 0;
    auto [fin, error] = std::from_chars(valor.data(), valor.data() + valor.size(), numero);
    if (valor.empty() || error != std::errc() || fin != valor.data() + valor.size()) {
        throw std::invalid_argument(bandera + " expects an integer, not \"" + valor + "\"");
    }
    return numero;
}

bool Booleano(const std::string& bandera, const std::string& valor) {
    if (valor == "1" || valor == "true" || valor == "yes") return true;
    if (valor == "0" || valor == "false" || valor == "no") return false;
    throw std::invalid_argument(bandera + " expects true or false, not \"" + valor + "\"");
}

int Puerto(const std::string& bandera, const std::string& valor) {
    int puerto = Entero(bandera, valor);
    if (puerto < 0 || puerto > 65535) throw std::invalid_argument(bandera + " expects 0 to 65535");
    return puerto;
}

using Aplica = std::function<void(Opciones&, const std::string& bandera, const std::string& valor)>;

const std::map<std::string, Aplica>& Banderas() {
    static const std::map<std::string, Aplica> banderas = {
        {"--host", [](Opciones& o, auto&, auto& v) { o.host = v; }},
        {"--port", [](Opciones& o, auto& b, auto& v) { o.puerto = Puerto(b, v); }},
        {"--data", [](Opciones& o, auto&, auto& v) { o.datos = v; }},
        {"--reports", [](Opciones& o, auto&, auto& v) { o.reportes = v; }},
        {"--active", [](Opciones& o, auto& b, auto& v) { o.activa = Booleano(b, v); }},
        {"--revision", [](Opciones& o, auto& b, auto& v) { o.revision = Entero(b, v); }},
        {"--assistant-kind", [](Opciones& o, auto& b, auto& v) { o.tipoAsistente = Entero(b, v); }},
        {"--iniciar-status", [](Opciones& o, auto& b, auto& v) { o.estadoIniciarDM = Entero(b, v); }},
        {"--iniciar-body", [](Opciones& o, auto&, auto& v) { o.cuerpoIniciarDM = v; }},
        {"--first-download-id", [](Opciones& o, auto& b, auto& v) { o.primerIdDescarga = Entero(b, v); }},
        {"--platform-type", [](Opciones& o, auto& b, auto& v) { o.tipoPlataforma = Entero(b, v); }},
        {"--platform-name", [](Opciones& o, auto&, auto& v) { o.nombrePlataforma = v; }},
        {"--platform-version", [](Opciones& o, auto&, auto& v) { o.versionPlataforma = v; }},
        {"--name", [](Opciones& o, auto&, auto& v) { o.nombreAsistente = v; }},
        {"--tracking-status",
         [](Opciones& o, auto& b, auto& v) { o.estadoNumeroDeSeguimiento = Entero(b, v); }},
    };
    return banderas;
}

}  // namespace

LineaDeComandos LineaDeComandos::Lee(const std::vector<std::string>& argumentos) {
    LineaDeComandos linea;
    // The executable shows what it receives; the in-process server keeps quiet unless asked.
    linea.opciones.imprimeReportes = true;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        std::string bandera = argumentos[i];
        if (bandera == "--help" || bandera == "-h") {
            linea.ayuda = true;
            continue;
        }
        std::optional<std::string> valor;
        if (auto igual = bandera.find('='); igual != std::string::npos && bandera.starts_with("--")) {
            valor = bandera.substr(igual + 1);
            bandera.resize(igual);
        }
        auto aplica = Banderas().find(bandera);
        if (aplica == Banderas().end()) throw std::invalid_argument("unknown flag " + bandera);
        if (!valor) {
            if (i + 1 >= argumentos.size()) throw std::invalid_argument(bandera + " needs a value");
            valor = argumentos[++i];
        }
        aplica->second(linea.opciones, bandera, *valor);
    }
    return linea;
}

std::string LineaDeComandos::Ayuda() {
    return "Usage: mirvalo-sandbox-server [flags]\n"
           "The development Web API of the Mirvalo assistant, with a sample catalogue and product.\n"
           "  --host HOST              address to listen on (default 127.0.0.1)\n"
           "  --port N                 port (default 8080; 0 picks a free port)\n"
           "  --data DIR               sample data folder (default: the build's assembled sample product)\n"
           "  --reports FILE           write every step and failure report received as JSON lines\n"
           "IniciarDM answer:\n"
           "  --active BOOL            \"Activa\" (default true)\n"
           "  --revision N             \"Revision\" (default 1)\n"
           "  --assistant-kind N       \"TipoAsistente\" (default 0)\n"
           "  --platform-type N        \"TipoPlataforma\" (default 2)\n"
           "  --platform-name TEXT     \"NombrePlataforma\" (default \"Mirvalo Plataforma\")\n"
           "  --platform-version TEXT  \"VersionPlataforma\" (default \"2020.1\")\n"
           "  --name TEXT              \"Nombre\" (default \"Asistente de Descarga Mirvalo\")\n"
           "  --first-download-id N    \"Id\" of the first answer; one more per call (default 1)\n"
           "  --iniciar-status N       answer IniciarDM with this HTTP status (default 200)\n"
           "  --iniciar-body TEXT      answer IniciarDM with exactly this body\n"
           "Other answers:\n"
           "  --tracking-status N      answer GenerarNumeroDeSeguimiento with this HTTP status (default "
           "200)\n";
}

}  // namespace mirvalo::sandbox
