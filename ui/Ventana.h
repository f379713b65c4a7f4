#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Error.h"
#include "ui/CajaDeImagen.h"
#include "ui/CajaDeTexto.h"
#include "ui/Color.h"
#include "ui/Etiqueta.h"
#include "ui/ListaDesplegable.h"
#include "ui/ListaMultiple.h"
#include "ui/Temporizador.h"

class QWidget;

namespace mirvalo {

// A wizard window: fixed single border, no maximise button, centred on the screen when shown,
// white, default font "Segoe UI" 9.75 pt. Width and Height are its size in twips; the window
// manager's frame is added around it, so every control of the layout tables fits inside.
//
// A screen builds its window from its layout table: it adds each control by kind, name and place
// (left, top, width, height in twips), sets its properties, and finds it again by name. The
// window owns its controls; they go with it.
//
// Show it modeless with Show. Unload closes it by code (handing over to another screen); the
// process goes on. Closing it by the user ends the process (TerminaElProceso).
class Ventana {
public:
    Ventana(std::string nombre, double ancho_twips, double alto_twips);
    Ventana(const Ventana&) = delete;
    Ventana& operator=(const Ventana&) = delete;
    ~Ventana();

    const std::string& Name() const { return nombre_; }
    std::string Caption() const;
    void Caption(std::string_view titulo);

    double Width() const { return ancho_; }
    double Height() const { return alto_; }
    void Width(double twips);
    void Height(double twips);
    // The inside, in twips (the same as Width and Height: the frame is outside).
    double ScaleWidth() const { return ancho_; }
    double ScaleHeight() const { return alto_; }

    Color BackColor() const { return color_de_fondo_; }
    void BackColor(Color color);
    // The font that controls take until they set their own.
    std::string FontName() const;
    double FontSize() const;
    void FontName(const std::string& nombre);
    void FontSize(double puntos);

    Etiqueta& AgregaEtiqueta(std::string nombre, double left, double top, double width = 0,
                             double height = 0);
    CajaDeTexto& AgregaCajaDeTexto(std::string nombre, double left, double top, double width, double height);
    ListaDesplegable& AgregaListaDesplegable(std::string nombre, double left, double top, double width,
                                             double height);
    ListaMultiple& AgregaListaMultiple(std::string nombre, double left, double top, double width,
                                       double height);
    CajaDeImagen& AgregaCajaDeImagen(std::string nombre, double left, double top, double width,
                                     double height);
    Temporizador& AgregaTemporizador(std::string nombre, int intervalo_ms = 0);

    // The controls in the order they were added.
    const std::vector<std::unique_ptr<mirvalo::Control>>& Controls() const { return controles_; }
    // The first control with exactly this name (case-sensitive), or nullptr.
    mirvalo::Control* Busca(std::string_view nombre) const;
    template <class T>
    T* Busca(std::string_view nombre) const {
        return dynamic_cast<T*>(Busca(nombre));
    }
    // The control, of the given kind. Raises Error 730 when the window has no control of that
    // name and Error 13 ("Type mismatch") when it is of another kind.
    template <class T>
    T& Obten(std::string_view nombre) const {
        auto* control = Busca(nombre);
        if (!control) throw ControlNoEncontrado(nombre);
        auto* del_tipo = dynamic_cast<T*>(control);
        if (!del_tipo) throw Error::Estandar(13, "Ventana::Obten");
        return *del_tipo;
    }

    // Shows the window modeless (centred the first time) and returns at once.
    void Show();
    // Closes the window by code. It stays usable as an object until its owner destroys it.
    void Unload();
    bool Visible() const { return abierta_; }

    // The pointer moved over the window's own background (not over any control).
    std::function<void()> on_movimiento;

    // For the forms layer: the widget that is the window's inside.
    QWidget& Widget() const { return *widget_; }
    // For the forms layer: re-applies the geometry of every control inside the given box.
    void RecolocaLosControlesDe(const CajaDeImagen& caja);
    // For the forms layer: called when the user closes the window.
    void CerradaPorElUsuario();

private:
    static Error ControlNoEncontrado(std::string_view nombre);
    template <class T>
    T& Agrega(std::unique_ptr<T> control);
    // A new visible control of kind T, named and placed.
    template <class T>
    T& AgregaYColoca(std::string nombre, double left, double top, double width, double height);
    void AplicaElTamano();

    std::string nombre_;
    double ancho_;
    double alto_;
    Color color_de_fondo_;
    QWidget* widget_;
    std::vector<std::unique_ptr<mirvalo::Control>> controles_;
    bool mostrada_antes_ = false;
    bool abierta_ = false;
};

}  // namespace mirvalo
