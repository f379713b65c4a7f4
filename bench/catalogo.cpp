// The selection screen's list queries on large generated catalogues (5,000 to 40,000 applications),
// to show how they grow: n log n doubles a little more than twice per doubling of n, a quadratic
// query four times. Each time is the best of several rounds. The last lines, "GROWTH query k
// k_nlogn", give each query's growth exponent over the whole range and what n log n would give.
//
// The catalogue looks like a server's: a dozen suites, six levels, accents, most applications
// bought, and some names repeated or repeated in other case, which the lists must show once.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "model/El_Institucion.h"

namespace {

using Reloj = std::chrono::steady_clock;
constexpr int Rondas = 15;
constexpr int Tamanos[] = {5'000, 10'000, 20'000, 40'000};

const char* const Suites[] = {"Matemáticas",         "Español",          "Ciencias Naturales",
                              "Geografía",           "Historia",         "Inglés",
                              "Educación Artística", "Formación Cívica", "Lectura",
                              "Tecnología",          "Música",           "Educación Física"};
const char* const Niveles[] = {"Preescolar",   "Primaria Baja", "Primaria Alta",
                               "Secundaria 1", "Secundaria 2",  "Secundaria 3"};

void LlenaElCatalogo(mirvalo::El_Institucion& institucion, int aplicaciones) {
    std::mt19937 azar(20200101u + static_cast<unsigned>(aplicaciones));
    auto& catalogo = institucion.ObtenerAplicaciones();
    catalogo.clear();
    catalogo.reserve(static_cast<std::size_t>(aplicaciones));
    for (int i = 0; i < aplicaciones; ++i) {
        mirvalo::El_Aplicacion aplicacion;
        aplicacion.IdAplicacion = static_cast<int16_t>(i % 32'000 + 1);
        // About one name in twenty repeats an earlier one, half of those in upper case.
        const int numero =
            azar() % 20 == 0 && i > 0 ? static_cast<int>(azar() % static_cast<unsigned>(i)) : i;
        std::string nombre = "Aplicación " + std::to_string(numero);
        if (numero != i && azar() % 2 == 0) nombre = "APLICACIÓN " + std::to_string(numero);
        aplicacion.NombreAplicacion = std::move(nombre);
        aplicacion.SuiteAplicacion = Suites[azar() % std::size(Suites)];
        const unsigned nivel = azar() % std::size(Niveles);
        aplicacion.IdNivel = std::to_string(nivel + 1);
        aplicacion.NombreNivel = Niveles[nivel];
        aplicacion.Comprada = azar() % 4 != 0;
        catalogo.push_back(std::move(aplicacion));
    }
}

struct Consulta {
    const char* nombre;
    std::function<std::size_t(const mirvalo::El_Institucion&)> haz;  // the number of lines listed
};

double TiempoMs(const Consulta& consulta, const mirvalo::El_Institucion& institucion, std::size_t& lineas) {
    const auto inicio = Reloj::now();
    lineas = consulta.haz(institucion);
    return std::chrono::duration<double, std::milli>(Reloj::now() - inicio).count();
}

}  // namespace

int main() {
    const std::vector<Consulta> consultas = {
        {"ObtenerSuites", [](const auto& i) { return i.ObtenerSuites().size(); }},
        {"ObtenerAplicacionesCompradas",
         [](const auto& i) { return i.ObtenerAplicacionesCompradas().size(); }},
        {"ObtenerTodasLasAplicaciones", [](const auto& i) { return i.ObtenerTodasLasAplicaciones().size(); }},
        // Blanks at the ends and another case, as a suite read from a drop-down may come.
        {"ObtenerAplicacionesPorSuite",
         [](const auto& i) { return i.ObtenerAplicacionesPorSuite(" MATEMÁTICAS ").size(); }},
    };

    constexpr std::size_t Cuantos = std::size(Tamanos);
    std::vector<mirvalo::El_Institucion> instituciones(Cuantos);
    for (std::size_t t = 0; t < Cuantos; ++t) LlenaElCatalogo(instituciones[t], Tamanos[t]);

    // The sizes take turns in every round, so a busy machine weighs on all of them alike.
    // tiempos[consulta][tamano]: the best time, in ms; lineas[consulta][tamano]: lines listed.
    std::vector<std::vector<double>> tiempos(consultas.size(), std::vector<double>(Cuantos, 1e300));
    std::vector<std::vector<std::size_t>> lineas(consultas.size(), std::vector<std::size_t>(Cuantos));
    for (int ronda = 0; ronda < Rondas; ++ronda)
        for (std::size_t t = 0; t < Cuantos; ++t)
            for (std::size_t c = 0; c < consultas.size(); ++c)
                tiempos[c][t] =
                    std::min(tiempos[c][t], TiempoMs(consultas[c], instituciones[t], lineas[c][t]));

    std::printf("%-30s %8s %8s %10s %14s\n", "query", "apps", "lines", "ms", "ns/(n log2 n)");
    for (std::size_t c = 0; c < consultas.size(); ++c)
        for (std::size_t t = 0; t < Cuantos; ++t)
            std::printf("%-30s %8d %8zu %10.3f %14.2f\n", consultas[c].nombre, Tamanos[t], lineas[c][t],
                        tiempos[c][t], tiempos[c][t] * 1e6 / (Tamanos[t] * std::log2(double(Tamanos[t]))));

    // The growth as an exponent over the whole range (t ~ n^k, from the smallest and largest sizes):
    // about 1.1 for n log n, 2 for a quadratic query.
    const double menor = Tamanos[0], mayor = Tamanos[Cuantos - 1];
    const double exponenteNLogN =
        std::log((mayor * std::log2(mayor)) / (menor * std::log2(menor))) / std::log(mayor / menor);
    for (std::size_t c = 0; c < consultas.size(); ++c) {
        const double exponente = std::log(tiempos[c].back() / tiempos[c].front()) / std::log(mayor / menor);
        std::printf("GROWTH %s %.2f %.2f\n", consultas[c].nombre, exponente, exponenteNLogN);
    }
    return 0;
}
