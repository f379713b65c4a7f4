#include "ui/Pantalla.h"

#include "ui/qt/Manejadores.h"
#include "ui/qt/Registro.h"

namespace mirvalo {

Pantalla::Pantalla(std::string nombre, double ancho_twips, double alto_twips)
    : ventana_(std::move(nombre), ancho_twips, alto_twips) {}

Pantalla::~Pantalla() = default;

std::vector<Pantalla*> Pantalla::Abiertas() {
    std::vector<Pantalla*> abiertas;
    for (auto* pantalla : detalle::PantallasConservadas())
        if (pantalla->Me().Visible()) abiertas.push_back(pantalla);
    return abiertas;
}

// Kept before its load runs, so that a screen may hand over (and unload itself) from Form_Load.
void Pantalla::Registra(std::unique_ptr<Pantalla> pantalla) {
    Pantalla& abierta = *pantalla;
    detalle::ConservaPantalla(std::move(pantalla));
    abierta.ventana_.Show();
    detalle::EnManejador en_curso;
    abierta.Form_Load();
}

}  // namespace mirvalo
