// The download benchmark's client: fetches a list of files one after the other, each with a new
// EX_Download as the download screen does (default 512-byte blocks, a progress listener), with
// the forms layer's real event pump installed.
//
//   bench_download_cliente LIST    LIST holds one "URL<TAB>target path" per line
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "download/EX_Download.h"
#include "ui/Aplicacion.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s LIST\n", argv[0]);
        return 2;
    }
    mirvalo::Aplicacion aplicacion(argc, argv);
    std::ifstream lista(argv[1]);
    std::string linea;
    int64_t archivos = 0, eventos = 0, fallos = 0;
    double ultimoAvance = 0;
    // Timed from the first transfer to the last: the window system's start-up is not part of it.
    const auto inicio = std::chrono::steady_clock::now();
    while (std::getline(lista, linea)) {
        const auto tabulador = linea.find('\t');
        if (tabulador == std::string::npos) continue;
        mirvalo::EX_Download descarga;
        descarga.Progreso = [&](int64_t, int64_t, double avance, int32_t, double, int64_t&, bool&) {
            ++eventos;
            ultimoAvance = avance;
        };
        descarga.Fichero(linea.substr(tabulador + 1));
        descarga.URL(linea.substr(0, tabulador));
        descarga.Descargar(1);
        ++archivos;
        if (descarga.HuboError()) {
            ++fallos;
            std::fprintf(stderr, "%s: %s %s\n", linea.c_str(), descarga.StatusCode().c_str(),
                         descarga.StatusText().c_str());
        }
    }
    const auto microsegundos =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - inicio)
            .count();
    std::printf("transfers_us %lld files %lld progress_events %lld last_percentage %.0f failures %lld\n",
                static_cast<long long>(microsegundos), static_cast<long long>(archivos),
                static_cast<long long>(eventos), ultimoAvance, static_cast<long long>(fallos));
    return fallos == 0 ? 0 : 1;
}
