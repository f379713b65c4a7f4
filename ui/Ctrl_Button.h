#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "ui/Color.h"

namespace mirvalo {

class CajaDeImagen;
class Etiqueta;
class Ventana;

// The flat button of the screens: it turns an empty picture box of a window (the container) into
// a button by adding a caption label and a thin accent strip inside it. The button lights up
// (white background, accent strip and caption in ColorDeEnfasis, hand cursor) when the pointer
// moves over any of its parts, and goes dark only through Apagar, which screens call when the
// pointer moves over the window's background. A click on any part raises on_click.
//
//   btnSiguiente.Container(Me(), Me().Obten<CajaDeImagen>("picBotonSiguiente"));
//   btnSiguiente.Text("Siguiente");
//   btnSiguiente.ColorDeFondo(RGB(242, 242, 242));
//   btnSiguiente.ColorDeEnfasis(RGB(108, 171, 22));
//   btnSiguiente.on_click = [this] { btnSiguiente_Click(); };
//
// The button keeps references to controls of the window: it must not outlive it.
class Ctrl_Button {
public:
    Ctrl_Button() = default;
    ~Ctrl_Button();
    Ctrl_Button(const Ctrl_Button&) = delete;
    Ctrl_Button& operator=(const Ctrl_Button&) = delete;

    // Adds "<container>PicFranja" and "<container>Label" to the window inside the container.
    void Container(Ventana& ventana, CajaDeImagen& contenedor);

    // Stored; setting one lays the parts out again from the container's own size.
    // Raise Error 91 before Container, as Text does.
    int16_t Left() const { return left_; }
    int16_t Top() const { return top_; }
    int16_t Width() const { return width_; }
    int16_t Height() const { return height_; }
    void Left(int16_t valor);
    void Top(int16_t valor);
    void Width(int16_t valor);
    void Height(int16_t valor);

    const std::string& Text() const { return texto_; }
    void Text(std::string texto);
    const std::string& Name() const { return nombre_; }
    void Name(std::string nombre) { nombre_ = std::move(nombre); }
    Color ColorDeEnfasis() const { return color_de_enfasis_; }
    void ColorDeEnfasis(Color color) { color_de_enfasis_ = color; }
    Color ColorDeFondo() const { return color_de_fondo_; }
    // Paints the container and the strip; does nothing visible before Container.
    void ColorDeFondo(Color color);

    // Turns a lit button dark again; does nothing to a button that is not lit.
    void Apagar();

    std::function<void()> on_click;

private:
    void Acomodar();
    void PintarFondo();
    void Encender();
    void Clic();

    int16_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::string texto_;
    std::string nombre_;
    Color color_de_enfasis_ = 0;
    Color color_de_fondo_ = 0;
    CajaDeImagen* fondo_ = nullptr;
    CajaDeImagen* franja_ = nullptr;
    Etiqueta* etiqueta_ = nullptr;
    int32_t encendido_ = 0;
};

// How the screens make each of their buttons: inside `contenedor`, captioned `texto`, on the
// screens' light grey, lit in `enfasis`, raising `click`.
void PreparaElBoton(Ctrl_Button& boton, Ventana& ventana, CajaDeImagen& contenedor, std::string texto,
                    Color enfasis, std::function<void()> click);

}  // namespace mirvalo
