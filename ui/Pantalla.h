#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/Ventana.h"

namespace mirvalo {

// A wizard screen: a class that owns its window and handles its events. Open one with
// Pantalla::Abre<frm_X>(arguments...): the forms layer constructs it, shows its window modeless,
// runs its Form_Load (before the window is first painted: painting waits for the event loop) and
// keeps the screen alive while the window is open. Once the window is
// unloaded (by the screen handing over, or by the user) the screen is destroyed, but only after
// every handler running has returned, so a screen may unload itself from its own handlers.
class Pantalla {
public:
    Pantalla(const Pantalla&) = delete;
    Pantalla& operator=(const Pantalla&) = delete;
    virtual ~Pantalla();

    // This screen's window.
    Ventana& Me() { return ventana_; }
    const Ventana& Me() const { return ventana_; }

    template <class P, class... Argumentos>
    static P& Abre(Argumentos&&... argumentos) {
        auto pantalla = std::make_unique<P>(std::forward<Argumentos>(argumentos)...);
        P& abierta = *pantalla;
        Registra(std::move(pantalla));
        return abierta;
    }

    // The screens whose windows are open, oldest first.
    static std::vector<Pantalla*> Abiertas();

protected:
    Pantalla(std::string nombre, double ancho_twips, double alto_twips);
    // Runs once, before the window is first shown.
    virtual void Form_Load() {}

private:
    static void Registra(std::unique_ptr<Pantalla> pantalla);

    Ventana ventana_;
};

}  // namespace mirvalo
