// Reads a 5 MB file-plan answer with EX_JSON and with nlohmann-json, best of several runs each.
// The answer is wrapped the way the Web API client wraps it ("{Archivos:" + array + "}");
// nlohmann-json needs the key quoted, so it reads "{\"Archivos\":" + array + "}".
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <random>
#include <string>

#include "webapi/EX_JSON.h"

namespace {

using Reloj = std::chrono::steady_clock;

constexpr std::size_t TamanoObjetivo = 5u << 20;
constexpr int Rondas = 15;

// The array of file items, as the server sends it: compact JSON, backslashes escaped, accents
// as UTF-8.
std::string PlanDeArchivos(std::size_t& items) {
    static const char* const carpetas[] = {"Utilerías", "Aplicación",         "Matemáticas", "Español",
                                           "Recursos",  "Ciencias Naturales", "Geografía",   "Inglés"};
    static const char* const extensiones[] = {".dll", ".exe", ".mdb", ".png", ".swf", ".xml", ".ocx"};
    std::mt19937 azar(20200101);
    std::string plan = "[";
    items = 0;
    while (plan.size() < TamanoObjetivo) {
        const char* carpeta = carpetas[azar() % std::size(carpetas)];
        const char* extension = extensiones[azar() % std::size(extensiones)];
        const std::string suite = "Suite " + std::to_string(azar() % 12 + 1);
        const std::string nivel = "Nivel " + std::to_string(azar() % 6 + 1);
        const std::string archivo = "archivo_" + std::to_string(items) + extension;
        const bool instalable = azar() % 4 != 0;
        if (items > 0) plan += ",";
        plan += R"({"RutaServidor":"http://descargas.mirvalo.example/paquetes/2020/)";
        plan += suite + "/" + nivel + "/" + archivo;
        plan += R"(","RutaInstalador":"Mirvalo Local\\)";
        plan += std::string(carpeta) + "\\\\" + suite + "\\\\" + nivel + "\\\\" + archivo;
        plan += R"(","RutaInstalacion":")";
        if (instalable) plan += std::string(carpeta) + "\\\\" + nivel + "\\\\" + archivo;
        plan += R"(","Peso":)" + std::to_string(azar() % 50'000'000) + "}";
        ++items;
    }
    plan += "]";
    return plan;
}

// Sum of sizes and of text lengths: the same figures from both readers show the same decoding.
struct Huella {
    std::size_t items = 0;
    int64_t pesos = 0;
    std::size_t letras = 0;
    bool operator==(const Huella&) const = default;
};

Huella HuellaDe(const mirvalo::ValorJson& raiz) {
    Huella h;
    for (const auto& item : raiz.Objeto().Busca("Archivos")->Lista()) {
        ++h.items;
        for (const auto& [clave, valor] : item.Objeto().Pares()) {
            if (valor.tipo() == mirvalo::ValorJson::Tipo::Numero) {
                h.pesos += *valor.Numero().RedondeaAEntero();
            } else {
                h.letras += valor.Texto().size();
            }
        }
    }
    return h;
}

Huella HuellaDe(const nlohmann::json& raiz) {
    Huella h;
    for (const auto& item : raiz["Archivos"]) {
        ++h.items;
        for (const auto& valor : item) {
            if (valor.is_number()) {
                h.pesos += valor.get<int64_t>();
            } else {
                h.letras += valor.get_ref<const std::string&>().size();
            }
        }
    }
    return h;
}

struct Tiempos {
    double lectura = 1e300;  // building the tree
    double total = 1e300;    // building and freeing it
};

template <typename Lee>
Tiempos Mide(Lee lee, Huella& huella) {
    Tiempos mejor;
    for (int ronda = 0; ronda < Rondas; ++ronda) {
        const auto inicio = Reloj::now();
        auto arbol = lee();
        const auto leido = Reloj::now();
        huella = HuellaDe(arbol);
        const auto antesDeLiberar = Reloj::now();
        { auto liberado = std::move(arbol); }
        const auto fin = Reloj::now();
        const double lectura = std::chrono::duration<double, std::milli>(leido - inicio).count();
        const double liberacion = std::chrono::duration<double, std::milli>(fin - antesDeLiberar).count();
        mejor.lectura = std::min(mejor.lectura, lectura);
        mejor.total = std::min(mejor.total, lectura + liberacion);
    }
    return mejor;
}

}  // namespace

int main() {
    std::size_t items = 0;
    const std::string plan = PlanDeArchivos(items);
    const std::string envuelto = "{Archivos:" + plan + "}";
    const std::string citado = "{\"Archivos\":" + plan + "}";

    Huella deEx;
    const Tiempos ex = Mide(
        [&] {
            mirvalo::EX_JSON lector;
            auto valor = lector.parse(envuelto);
            if (!valor || !lector.GetParserErrors().empty()) {
                std::fprintf(stderr, "EX_JSON: %s\n", lector.GetParserErrors().c_str());
                std::exit(1);
            }
            return std::move(*valor);
        },
        deEx);
    Huella deNlohmann;
    const Tiempos nl = Mide([&] { return nlohmann::json::parse(citado); }, deNlohmann);

    if (!(deEx == deNlohmann) || deEx.items != items) {
        std::fprintf(stderr, "the readers disagree: %zu/%zu items, %lld/%lld bytes of files\n", deEx.items,
                     deNlohmann.items, static_cast<long long>(deEx.pesos),
                     static_cast<long long>(deNlohmann.pesos));
        return 1;
    }
    std::printf("file plan: %.2f MB, %zu items; best of %d runs\n", envuelto.size() / 1048576.0, items,
                Rondas);
    std::printf("EX_JSON        parse %8.2f ms   parse+free %8.2f ms\n", ex.lectura, ex.total);
    std::printf("nlohmann-json  parse %8.2f ms   parse+free %8.2f ms\n", nl.lectura, nl.total);
    std::printf("EX_JSON / nlohmann-json (parse): %.2f\n", ex.lectura / nl.lectura);
    std::printf("EX_JSON / nlohmann-json (parse+free): %.2f\n", ex.total / nl.total);
    return 0;
}
