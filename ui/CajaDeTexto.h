#pragma once
#include <functional>
#include <string>

#include "ui/Control.h"
#include "ui/Etiqueta.h"

namespace mirvalo {

// A one-line text box.
class CajaDeTexto : public ControlVisible {
public:
    CajaDeTexto(Ventana& ventana, std::string nombre);

    std::string Text() const;
    void Text(const std::string& texto);
    // The most characters (UTF-16 code units) the user can type; 0 for no limit.
    int MaxLength() const { return longitud_maxima_; }
    void MaxLength(int caracteres);
    Alineacion Alignment() const { return alineacion_; }
    void Alignment(Alineacion alineacion);

    // The text changed, by typing or by code.
    std::function<void()> on_cambio;
    // A key that produces a character was pressed: its character code (Enter 13, Backspace 8,
    // Escape 27, letters their code point). Set it to 0 to swallow the key; otherwise the box
    // handles it after the handler returns.
    std::function<void(int& codigo)> on_tecla;

private:
    int longitud_maxima_ = 0;
    Alineacion alineacion_ = Alineacion::Izquierda;
};

}  // namespace mirvalo
