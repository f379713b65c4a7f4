#include "platform/ListaDeProcesos.h"

#include "platform/Error.h"

#include <dirent.h>

#include <cerrno>
#include <charconv>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>

namespace mirvalo::procesos {
namespace {

std::optional<std::string> LeeTodo(const std::string& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    if (!archivo) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(archivo), std::istreambuf_iterator<char>());
}

std::optional<int64_t> Identificador(std::string_view nombre) {
    int64_t id = 0;
    auto [fin, error] = std::from_chars(nombre.data(), nombre.data() + nombre.size(), id);
    if (error != std::errc() || fin != nombre.data() + nombre.size()) return std::nullopt;
    return id;
}

// "/usr/bin/python3" -> "python3"; "C:\Program Files\AVAST Software\Avast\AvastUI.exe" (a Windows
// program under an emulator) -> "AvastUI.exe".
std::string NombreDelPrograma(std::string_view lineaDeOrdenes) {
    std::string_view programa = lineaDeOrdenes.substr(0, lineaDeOrdenes.find('\0'));
    if (const std::size_t barra = programa.find_last_of("/\\"); barra != std::string_view::npos)
        programa.remove_prefix(barra + 1);
    return std::string(programa);
}

}  // namespace

std::vector<ProcesoEnEjecucion> ProcesosEnEjecucion() {
    DIR* carpeta = opendir("/proc");
    if (!carpeta) throw Error::DesdeErrno(errno, "opendir /proc");
    std::vector<ProcesoEnEjecucion> procesos;
    while (const dirent* entrada = readdir(carpeta)) {
        std::optional<int64_t> id = Identificador(entrada->d_name);
        if (!id) continue;
        const std::string base = std::string("/proc/") + entrada->d_name;
        std::optional<std::string> comm = LeeTodo(base + "/comm");
        std::optional<std::string> lineaDeOrdenes = LeeTodo(base + "/cmdline");
        if (!comm || !lineaDeOrdenes) continue;  // it ended meanwhile
        if (comm->ends_with('\n')) comm->pop_back();
        std::string nombre = NombreDelPrograma(*lineaDeOrdenes);
        procesos.push_back({*id, nombre.empty() ? *comm : std::move(nombre), std::move(*comm)});
    }
    closedir(carpeta);
    return procesos;
}

}  // namespace mirvalo::procesos
