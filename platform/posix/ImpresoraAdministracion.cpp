#include "platform/ImpresoraAdministracion.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

#include "platform/Error.h"
#include "platform/SistemaRaiz.h"
#include "platform/Texto.h"

// The spooler's file, one record a line, fields separated by tabs, each collection in its order:
//   driver     <name>
//   processor  <name>
//   port       <name> <type>
//   printer    <name> <port> <driver> <print processor> <comment>
//   default    <name>
// A '%', tab, CR or LF inside a field is written as %25, %09, %0D, %0A. Lines starting with '#'
// are comments.
namespace mirvalo::impresoras {
namespace {

namespace fs = std::filesystem;

struct Cola {
    std::vector<std::string> controladores;
    std::vector<std::string> procesadores;
    std::vector<Puerto> puertos;
    std::vector<Impresora> impresoras;
    std::string predeterminada;
};

// What a fresh Windows brings: the print processor, the drivers the assistant and the system use,
// the usual local ports, and the PDF printer as the default.
Cola ColaDeUnWindowsNuevo() {
    Cola cola;
    cola.controladores = {"MS Publisher Color Printer", "Microsoft Print To PDF"};
    cola.procesadores = {"WinPrint"};
    cola.puertos = {{"LPT1:", PuertoLocal}, {"FILE:", PuertoLocal}, {"PORTPROMPT:", PuertoLocal}};
    cola.impresoras = {{"Microsoft Print to PDF", "PORTPROMPT:", "Microsoft Print To PDF", "", "WinPrint"}};
    cola.predeterminada = "Microsoft Print to PDF";
    return cola;
}

fs::path ArchivoDeLaCola() {
    return sistema::Raiz() / "printers.txt";
}

[[noreturn]] void Falla(int32_t numero, std::string descripcion, std::string llamada) {
    throw Error(numero, std::move(descripcion), std::move(llamada));
}

Error ColaDanada(std::size_t linea) {
    return Error::Estandar(errores::ErrorDeEntradaSalida,
                           ArchivoDeLaCola().string() + ": damaged line " + std::to_string(linea));
}

std::string Escapa(std::string_view campo) {
    std::string escapado;
    for (char c : campo) {
        switch (c) {
            case '%': escapado += "%25"; break;
            case '\t': escapado += "%09"; break;
            case '\r': escapado += "%0D"; break;
            case '\n': escapado += "%0A"; break;
            default: escapado += c;
        }
    }
    return escapado;
}

std::optional<std::string> Desescapa(std::string_view campo) {
    std::string texto;
    for (std::size_t i = 0; i < campo.size(); ++i) {
        if (campo[i] != '%') {
            texto += campo[i];
            continue;
        }
        unsigned valor = 0;
        if (i + 2 >= campo.size()) return std::nullopt;
        const auto [fin, error] = std::from_chars(campo.data() + i + 1, campo.data() + i + 3, valor, 16);
        if (error != std::errc() || fin != campo.data() + i + 3) return std::nullopt;
        texto += static_cast<char>(valor);
        i += 2;
    }
    return texto;
}

std::vector<std::string> CamposDe(const std::string& linea, std::size_t numero) {
    std::vector<std::string> campos;
    std::size_t inicio = 0;
    while (true) {
        const std::size_t tab = linea.find('\t', inicio);
        auto campo = Desescapa(std::string_view(linea).substr(inicio, tab - inicio));
        if (!campo) throw ColaDanada(numero);
        campos.push_back(std::move(*campo));
        if (tab == std::string::npos) return campos;
        inicio = tab + 1;
    }
}

Cola Lee() {
    const fs::path archivo = ArchivoDeLaCola();
    std::error_code error;
    if (!fs::exists(archivo, error)) {
        if (error) throw Error::DesdeErrno(error.value(), "stat " + archivo.string());
        return ColaDeUnWindowsNuevo();
    }
    std::ifstream entrada(archivo, std::ios::binary);
    if (!entrada) throw Error::Estandar(errores::PermisoDenegado, "open " + archivo.string());

    Cola cola;
    std::string linea;
    std::size_t numero = 0;
    while (std::getline(entrada, linea)) {
        ++numero;
        if (linea.empty() || linea.front() == '#') continue;
        const std::vector<std::string> c = CamposDe(linea, numero);
        if (c[0] == "driver" && c.size() == 2) {
            cola.controladores.push_back(c[1]);
        } else if (c[0] == "processor" && c.size() == 2) {
            cola.procesadores.push_back(c[1]);
        } else if (c[0] == "port" && c.size() == 3) {
            int32_t tipo = 0;
            const auto [fin, fallo] = std::from_chars(c[2].data(), c[2].data() + c[2].size(), tipo);
            if (fallo != std::errc() || fin != c[2].data() + c[2].size()) throw ColaDanada(numero);
            cola.puertos.push_back({c[1], tipo});
        } else if (c[0] == "printer" && c.size() == 6) {
            cola.impresoras.push_back({c[1], c[2], c[3], c[5], c[4]});
        } else if (c[0] == "default" && c.size() == 2) {
            cola.predeterminada = c[1];
        } else {
            throw ColaDanada(numero);
        }
    }
    if (entrada.bad()) throw Error::Estandar(errores::ErrorDeEntradaSalida, "read " + archivo.string());
    return cola;
}

// Written beside the file and renamed over it, so the spooler's state is never half written.
void Guarda(const Cola& cola) {
    std::ostringstream texto;
    texto << "# Print spooler of the emulated Windows: one record a line, tab-separated fields.\n";
    for (const auto& controlador : cola.controladores) texto << "driver\t" << Escapa(controlador) << '\n';
    for (const auto& procesador : cola.procesadores) texto << "processor\t" << Escapa(procesador) << '\n';
    for (const auto& puerto : cola.puertos)
        texto << "port\t" << Escapa(puerto.nombre) << '\t' << puerto.tipo << '\n';
    for (const auto& i : cola.impresoras) {
        texto << "printer\t" << Escapa(i.nombre) << '\t' << Escapa(i.puerto) << '\t' << Escapa(i.controlador)
              << '\t' << Escapa(i.procesador) << '\t' << Escapa(i.comentario) << '\n';
    }
    if (!cola.predeterminada.empty()) texto << "default\t" << Escapa(cola.predeterminada) << '\n';

    const fs::path archivo = ArchivoDeLaCola();
    fs::path temporal = archivo;
    temporal += ".tmp";
    {
        std::ofstream salida(temporal, std::ios::binary | std::ios::trunc);
        salida << texto.str();
        salida.close();
        if (!salida) {
            std::error_code ignorado;
            fs::remove(temporal, ignorado);
            throw Error::Estandar(errores::ErrorDeEntradaSalida, "write " + temporal.string());
        }
    }
    std::error_code error;
    fs::rename(temporal, archivo, error);
    if (error) throw Error::DesdeErrno(error.value(), "rename " + archivo.string());
}

template <typename Lista, typename Nombre>
auto Busca(Lista& lista, std::string_view nombre, Nombre nombreDe) {
    return std::find_if(lista.begin(), lista.end(), [&](const auto& elemento) {
        return texto::IgualesSinMayusculas(nombreDe(elemento), nombre);
    });
}

bool Contiene(const std::vector<std::string>& nombres, std::string_view nombre) {
    return Busca(nombres, nombre, [](const std::string& n) -> const std::string& { return n; }) !=
           nombres.end();
}

auto BuscaImpresora(std::vector<Impresora>& impresoras, std::string_view nombre) {
    return Busca(impresoras, nombre, [](const Impresora& i) -> const std::string& { return i.nombre; });
}

auto BuscaPuerto(std::vector<Puerto>& puertos, std::string_view nombre) {
    return Busca(puertos, nombre, [](const Puerto& p) -> const std::string& { return p.nombre; });
}

// The spooler's rule for printer names: not empty, at most 220 characters, no '\' or ','.
bool EsNombreDeImpresoraValido(std::string_view nombre) {
    return !nombre.empty() && texto::Longitud(nombre) <= 220 &&
           nombre.find_first_of("\\,") == std::string_view::npos;
}

}  // namespace

std::vector<Impresora> Impresoras() {
    return Lee().impresoras;
}
std::vector<Puerto> Puertos() {
    return Lee().puertos;
}
std::vector<std::string> Controladores() {
    return Lee().controladores;
}
std::vector<std::string> Procesadores() {
    return Lee().procesadores;
}

void AgregaImpresora(const Impresora& impresora) {
    const std::string llamada = "AddPrinter " + impresora.nombre;
    Cola cola = Lee();
    if (!EsNombreDeImpresoraValido(impresora.nombre))
        Falla(fallos::NombreDeImpresoraNoValido, "The printer name is invalid.", llamada);
    if (BuscaImpresora(cola.impresoras, impresora.nombre) != cola.impresoras.end())
        Falla(fallos::ImpresoraYaExiste, "The printer already exists.", llamada);
    if (BuscaPuerto(cola.puertos, impresora.puerto) == cola.puertos.end())
        Falla(fallos::PuertoDesconocido, "The specified port is unknown.", llamada);
    if (!Contiene(cola.controladores, impresora.controlador))
        Falla(fallos::ControladorDesconocido, "The printer driver is unknown.", llamada);
    if (!Contiene(cola.procesadores, impresora.procesador))
        Falla(fallos::ProcesadorDesconocido, "The print processor is unknown.", llamada);
    cola.impresoras.push_back(impresora);
    Guarda(cola);
}

void EliminaImpresora(std::string_view nombre) {
    Cola cola = Lee();
    const auto impresora = BuscaImpresora(cola.impresoras, nombre);
    if (impresora == cola.impresoras.end())
        Falla(fallos::NombreDeImpresoraNoValido, "The printer name is invalid.",
              "DeletePrinter " + std::string(nombre));
    if (texto::IgualesSinMayusculas(cola.predeterminada, impresora->nombre)) cola.predeterminada.clear();
    cola.impresoras.erase(impresora);
    Guarda(cola);
}

void AgregaPuerto(const Puerto& puerto) {
    const std::string llamada = "AddPort " + puerto.nombre;
    Cola cola = Lee();
    if (puerto.nombre.empty() || puerto.tipo < 1 || puerto.tipo > 3)
        Falla(fallos::ParametroIncorrecto, "The parameter is incorrect.", llamada);
    if (BuscaPuerto(cola.puertos, puerto.nombre) != cola.puertos.end())
        Falla(fallos::YaExiste, "Cannot create a file when that file already exists.", llamada);
    cola.puertos.push_back(puerto);
    Guarda(cola);
}

void EliminaPuerto(std::string_view nombre) {
    const std::string llamada = "DeletePort " + std::string(nombre);
    Cola cola = Lee();
    const auto puerto = BuscaPuerto(cola.puertos, nombre);
    if (puerto == cola.puertos.end())
        Falla(fallos::PuertoDesconocido, "The specified port is unknown.", llamada);
    const bool enUso = std::any_of(cola.impresoras.begin(), cola.impresoras.end(), [&](const Impresora& i) {
        return texto::IgualesSinMayusculas(i.puerto, puerto->nombre);
    });
    if (enUso) Falla(fallos::RecursoEnUso, "The requested resource is in use.", llamada);
    cola.puertos.erase(puerto);
    Guarda(cola);
}

std::string Predeterminada() {
    return Lee().predeterminada;
}

void EstablecePredeterminada(std::string_view nombre) {
    Cola cola = Lee();
    if (nombre.empty()) {
        // As the spooler does: an empty name keeps a default that exists, else takes the first printer.
        if (!cola.predeterminada.empty() || cola.impresoras.empty()) return;
        cola.predeterminada = cola.impresoras.front().nombre;
    } else {
        const auto impresora = BuscaImpresora(cola.impresoras, nombre);
        if (impresora == cola.impresoras.end()) {
            Falla(fallos::NombreDeImpresoraNoValido, "The printer name is invalid.",
                  "SetDefaultPrinter " + std::string(nombre));
        }
        cola.predeterminada = impresora->nombre;
    }
    Guarda(cola);
}

}  // namespace mirvalo::impresoras
