// What long work pays for the window services it calls at every step, with the forms layer's
// real event pump installed (offscreen platform), in nanoseconds per call:
// - DejaCorrerEventos() with no event pending, without a window and with the download screen's
//   two progress bars shown (the pump runs the queue at most every 10 ms and only reads the clock
//   otherwise), and what one run of the empty queue costs when it does;
// - MuestraElProgreso for the value already shown (what a transfer reports block after block)
//   and for a value that differs from the last (a real redraw).
// Each figure is the best of several rounds.
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/Eventos.h"
#include "ui/Aplicacion.h"
#include "ui/DownloadManager.h"
#include "ui/Ventana.h"

namespace {

using Reloj = std::chrono::steady_clock;
constexpr int Rondas = 5;

double NanosegundosDesde(Reloj::time_point inicio) {
    return std::chrono::duration<double, std::nano>(Reloj::now() - inicio).count();
}

// Best mean over the rounds, in ns per call, of `llamadas` calls of `paso(i)`.
template <typename Paso>
double MejorMedia(int64_t llamadas, Paso paso) {
    double mejor = 1e300;
    for (int ronda = 0; ronda < Rondas; ++ronda) {
        const auto inicio = Reloj::now();
        for (int64_t i = 0; i < llamadas; ++i) paso(i);
        mejor = std::min(mejor, NanosegundosDesde(inicio) / static_cast<double>(llamadas));
    }
    return mejor;
}

// Lets everything the window system has queued run, so the loops that follow find nothing pending.
void VaciaLaCola() {
    const auto hasta = Reloj::now() + std::chrono::milliseconds(200);
    while (Reloj::now() < hasta) mirvalo::DejaCorrerEventos();
}

// As the download screen styles its bars.
mirvalo::CajaDeImagen& AgregaBarra(mirvalo::Ventana& ventana, const char* nombre, double arriba) {
    auto& barra = ventana.AgregaCajaDeImagen(nombre, 360, arriba, 11175, 255);
    barra.BorderStyle(mirvalo::EstiloDeBorde::Ninguno);
    barra.BackColor(mirvalo::RGB(192, 192, 192));
    barra.ForeColor(mirvalo::RGB(69, 69, 69));
    barra.FillColor(mirvalo::RGB(109, 125, 146));
    return barra;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    mirvalo::Aplicacion aplicacion(argc, argv);
    constexpr int64_t Llamadas = 5'000'000;
    constexpr int64_t Redibujos = 2'000;

    VaciaLaCola();
    const double sinVentana = MejorMedia(Llamadas, [](int64_t) { mirvalo::DejaCorrerEventos(); });

    mirvalo::Ventana ventana("frm_Descargar", 11910, 4815);
    auto& individual = AgregaBarra(ventana, "picProgresoIndividual", 1920);
    AgregaBarra(ventana, "picProgresoGeneral", 2880);
    ventana.Show();
    VaciaLaCola();
    const double conVentana = MejorMedia(Llamadas, [](int64_t) { mirvalo::DejaCorrerEventos(); });
    // What one call costs when the pump does run: the event loop's pass over an empty queue.
    const double pasada = MejorMedia(Llamadas / 100, [](int64_t) { QCoreApplication::processEvents(); });

    mirvalo::MuestraElProgreso(individual, 50);
    const double repetido =
        MejorMedia(Llamadas, [&](int64_t) { mirvalo::MuestraElProgreso(individual, 50); });
    // 0 to 100 and round again: every call shows a value other than the last one.
    const double cambiado = MejorMedia(
        Redibujos, [&](int64_t i) { mirvalo::MuestraElProgreso(individual, static_cast<int32_t>(i % 101)); });
    VaciaLaCola();

    std::printf("DejaCorrerEventos, nothing pending, no window:      %10.1f ns/call\n", sinVentana);
    std::printf("DejaCorrerEventos, nothing pending, window shown:   %10.1f ns/call\n", conVentana);
    std::printf("one pump run (empty event queue), window shown:     %10.1f ns/call\n", pasada);
    std::printf("MuestraElProgreso, same value as shown:             %10.1f ns/call\n", repetido);
    std::printf("MuestraElProgreso, changed value (redraw):          %10.1f ns/call\n", cambiado);
    return 0;
}
