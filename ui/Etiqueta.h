#pragma once
#include <string>

#include "ui/Control.h"

namespace mirvalo {

enum class Alineacion { Izquierda = 0, Derecha = 1, Centro = 2 };
enum class EstiloDeFondo { Transparente = 0, Opaco = 1 };

// A label: a caption drawn at the top of its area, in the label's font and ForeColor.
// Without AutoSize the caption wraps at word boundaries inside the width; with AutoSize the label
// takes the size of its caption (one line per line break; with WordWrap the width is kept and
// the height grows). Line breaks are "\r\n" or "\n".
class Etiqueta : public ControlVisible {
public:
    Etiqueta(Ventana& ventana, std::string nombre);

    const std::string& Caption() const { return caption_; }
    void Caption(std::string texto);
    Alineacion Alignment() const { return alineacion_; }
    void Alignment(Alineacion alineacion);
    bool AutoSize() const { return auto_size_; }
    void AutoSize(bool ajustar);
    bool WordWrap() const { return word_wrap_; }
    void WordWrap(bool ajustar);
    EstiloDeFondo BackStyle() const { return estilo_de_fondo_; }
    void BackStyle(EstiloDeFondo estilo);
    EstiloDeBorde BorderStyle() const { return borde_; }
    void BorderStyle(EstiloDeBorde borde);

protected:
    void AplicaLaGeometria() override;
    void AplicaLosColores() override;
    void AlCambiarLaFuente() override;

private:
    void AjustaElTamano();

    std::string caption_;
    Alineacion alineacion_ = Alineacion::Izquierda;
    bool auto_size_ = false;
    bool word_wrap_ = false;
    EstiloDeFondo estilo_de_fondo_ = EstiloDeFondo::Opaco;
    EstiloDeBorde borde_ = EstiloDeBorde::Ninguno;
};

}  // namespace mirvalo
