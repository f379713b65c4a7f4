#include "ui/qt/Registro.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

#include "ui/Pantalla.h"
#include "ui/Ventana.h"
#include "ui/qt/Manejadores.h"

namespace mirvalo::detalle {
namespace {

struct Registro {
    std::vector<Ventana*> ventanas;
    std::vector<std::unique_ptr<Pantalla>> pantallas;
    std::vector<std::unique_ptr<Pantalla>> por_liberar;
    bool bucle_en_marcha = false;
    bool liberacion_pendiente = false;
};

// Never destroyed: screens and windows must not be torn down by static destructors at exit.
Registro& ElRegistro() {
    static auto* registro = new Registro;
    return *registro;
}

// Destroys released screens from the event loop, never inside a handler: a screen usually
// unloads itself from one of its own handlers, whose widgets are still on the stack.
void ProgramaLaLiberacion() {
    auto& registro = ElRegistro();
    if (registro.liberacion_pendiente || !QCoreApplication::instance()) return;
    registro.liberacion_pendiente = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        auto& registro = ElRegistro();
        registro.liberacion_pendiente = false;
        if (ManejadoresEnCurso() > 0) {
            ProgramaLaLiberacion();
            return;
        }
        auto liberadas = std::move(registro.por_liberar);
        registro.por_liberar.clear();
        liberadas.clear();
    });
}

}  // namespace

void RegistraVentana(Ventana& ventana) {
    ElRegistro().ventanas.push_back(&ventana);
}

void OlvidaVentana(Ventana& ventana) {
    std::erase(ElRegistro().ventanas, &ventana);
}

std::vector<Ventana*> Ventanas() {
    return ElRegistro().ventanas;
}

void ConservaPantalla(std::unique_ptr<Pantalla> pantalla) {
    ElRegistro().pantallas.push_back(std::move(pantalla));
}

std::vector<Pantalla*> PantallasConservadas() {
    std::vector<Pantalla*> pantallas;
    for (auto& pantalla : ElRegistro().pantallas) pantallas.push_back(pantalla.get());
    return pantallas;
}

void VentanaCerrada(Ventana& ventana) {
    auto& registro = ElRegistro();
    if (ProcesoTerminado()) return;
    auto es_suya = [&](const std::unique_ptr<Pantalla>& p) { return &p->Me() == &ventana; };
    if (auto it = std::find_if(registro.pantallas.begin(), registro.pantallas.end(), es_suya);
        it != registro.pantallas.end()) {
        registro.por_liberar.push_back(std::move(*it));
        registro.pantallas.erase(it);
        ProgramaLaLiberacion();
    }
    const bool queda_alguna = std::any_of(registro.ventanas.begin(), registro.ventanas.end(),
                                          [](Ventana* v) { return v->Visible(); });
    if (!queda_alguna && registro.bucle_en_marcha) QCoreApplication::quit();
}

void CierraTodoPorTerminacion() {
    for (auto* ventana : ElRegistro().ventanas) ventana->Unload();
}

void BucleEnMarcha(bool en_marcha) {
    ElRegistro().bucle_en_marcha = en_marcha;
}

}  // namespace mirvalo::detalle
