#include "ui/Ctrl_Button.h"

#include "ui/Ventana.h"

namespace mirvalo {

namespace {
constexpr double AltoDeLaFranja = 75;  // twips

Error SinContenedor(const char* operacion) {
    return Error::Estandar(errores::ObjetoNoEstablecido, operacion);
}
}  // namespace

Ctrl_Button::~Ctrl_Button() {
    // The window outlives the button: its parts must not call back into a button that is gone.
    for (ControlVisible* parte : {static_cast<ControlVisible*>(fondo_), static_cast<ControlVisible*>(franja_),
                                  static_cast<ControlVisible*>(etiqueta_)}) {
        if (!parte) continue;
        parte->on_click = nullptr;
        parte->on_movimiento = nullptr;
    }
}

void Ctrl_Button::Container(Ventana& ventana, CajaDeImagen& contenedor) {
    fondo_ = &contenedor;
    franja_ = &ventana.AgregaCajaDeImagen(contenedor.Name() + "PicFranja", 0, 0, 0, 0);
    etiqueta_ = &ventana.AgregaEtiqueta(contenedor.Name() + "Label", 0, 0, 0, 0);
    franja_->Container(contenedor);
    etiqueta_->Container(contenedor);
    franja_->Visible(true);
    etiqueta_->Visible(true);
    fondo_->BorderStyle(EstiloDeBorde::Ninguno);
    franja_->BorderStyle(EstiloDeBorde::Ninguno);
    // On and off again: the height fits one line of the label's font and stays.
    etiqueta_->AutoSize(true);
    etiqueta_->AutoSize(false);
    etiqueta_->Alignment(Alineacion::Centro);
    etiqueta_->BackStyle(EstiloDeFondo::Transparente);
    Acomodar();
    encendido_ = 0;
    for (ControlVisible* parte : {static_cast<ControlVisible*>(fondo_), static_cast<ControlVisible*>(franja_),
                                  static_cast<ControlVisible*>(etiqueta_)}) {
        parte->on_click = [this] { Clic(); };
        parte->on_movimiento = [this] { Encender(); };
    }
}

void Ctrl_Button::Acomodar() {
    if (!fondo_ || !franja_ || !etiqueta_) throw SinContenedor("Acomodar");
    franja_->Move(0, fondo_->Height() - AltoDeLaFranja, fondo_->Width(), AltoDeLaFranja);
    etiqueta_->Move(0, (fondo_->Height() - AltoDeLaFranja - etiqueta_->Height()) / 2, fondo_->Width(),
                    etiqueta_->Height());
}

void Ctrl_Button::Left(int16_t valor) {
    left_ = valor;
    Acomodar();
}
void Ctrl_Button::Top(int16_t valor) {
    top_ = valor;
    Acomodar();
}
void Ctrl_Button::Width(int16_t valor) {
    width_ = valor;
    Acomodar();
}
void Ctrl_Button::Height(int16_t valor) {
    height_ = valor;
    Acomodar();
}

void Ctrl_Button::Text(std::string texto) {
    texto_ = std::move(texto);
    if (!etiqueta_) throw SinContenedor("Text");
    etiqueta_->Caption(texto_);
}

void Ctrl_Button::ColorDeFondo(Color color) {
    color_de_fondo_ = color;
    PintarFondo();
}

void Ctrl_Button::PintarFondo() {
    if (!fondo_ || !franja_) return;
    fondo_->BackColor(color_de_fondo_);
    franja_->BackColor(color_de_fondo_);
}

void Ctrl_Button::Encender() {
    if (!fondo_ || !franja_ || !etiqueta_) return;
    for (ControlVisible* parte : {static_cast<ControlVisible*>(fondo_), static_cast<ControlVisible*>(franja_),
                                  static_cast<ControlVisible*>(etiqueta_)})
        parte->MuestraElCursorDeMano();
    if (encendido_ == 1) return;
    fondo_->BackColor(RGB(255, 255, 255));
    franja_->BackColor(color_de_enfasis_);
    etiqueta_->ForeColor(color_de_enfasis_);
    encendido_ = 1;
}

void Ctrl_Button::Apagar() {
    if (encendido_ == 0 || !fondo_ || !franja_ || !etiqueta_) return;
    fondo_->BackColor(color_de_fondo_);
    franja_->BackColor(color_de_fondo_);
    etiqueta_->ForeColor(RGB(0, 0, 0));
    encendido_ = 0;
}

void Ctrl_Button::Clic() {
    if (auto manejador = on_click) manejador();
}

void PreparaElBoton(Ctrl_Button& boton, Ventana& ventana, CajaDeImagen& contenedor, std::string texto,
                    Color enfasis, std::function<void()> click) {
    boton.Container(ventana, contenedor);
    boton.Text(std::move(texto));
    boton.ColorDeFondo(RGB(242, 242, 242));
    boton.ColorDeEnfasis(enfasis);
    boton.on_click = std::move(click);
}

}  // namespace mirvalo
