#pragma once
#include <functional>
#include <string>

#include "ui/Color.h"

class QWidget;

namespace mirvalo {

class CajaDeImagen;
class Ventana;

// Something of a window's list of controls, found again by its name.
class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    const std::string& Name() const { return nombre_; }
    Ventana& Parent() const { return ventana_; }

protected:
    Control(Ventana& ventana, std::string nombre);

private:
    Ventana& ventana_;
    std::string nombre_;
};

enum class EstiloDeBorde { Ninguno = 0, Sencillo = 1 };

// A control with a place on the window. Positions and sizes are twips (1/1440 inch) measured from
// the top left of the inside of its container (the window, or the picture box it was put in);
// they are kept exactly as set and turned into pixels from the screen's logical resolution.
class ControlVisible : public Control {
public:
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void Left(double twips);
    void Top(double twips);
    void Width(double twips);
    void Height(double twips);
    void Move(double left, double top, double width, double height);

    bool Visible() const { return visible_; }
    void Visible(bool visible);

    // Puts the control inside a picture box (of the same window); its position becomes relative
    // to the inside of the box.
    void Container(CajaDeImagen& caja);
    CajaDeImagen* Container() const { return contenedor_; }

    Color BackColor() const { return color_de_fondo_; }
    void BackColor(Color color);
    Color ForeColor() const { return color_de_texto_; }
    void ForeColor(Color color);

    // The font; a control takes the window's until one is set.
    std::string FontName() const;
    double FontSize() const;
    bool FontBold() const;
    bool FontUnderline() const;
    void FontName(const std::string& nombre);
    void FontSize(double puntos);
    void FontBold(bool negrita);
    void FontUnderline(bool subrayada);

    // The system hand cursor while the pointer is over this control.
    void MuestraElCursorDeMano();
    bool ConCursorDeMano() const;

    // Raised by labels and picture boxes (a click on a control inside a picture box is that
    // control's, not the box's); the drop-down list raises on_click when its selection changes.
    std::function<void()> on_click;
    // The pointer moved over the control itself (labels and picture boxes), never over a control
    // inside it.
    std::function<void()> on_movimiento;

    // For the forms layer: the widget behind the control.
    QWidget& Widget() const { return *widget_; }

protected:
    ControlVisible(Ventana& ventana, std::string nombre, QWidget& widget, Color fondo, Color texto);
    // Re-applies the geometry in pixels; kinds that size themselves adjust first.
    virtual void AplicaLaGeometria();
    virtual void AplicaLosColores();
    virtual void AlCambiarLaFuente() {}
    void CambiaElTamanoSinAplicar(double width, double height);

private:
    QWidget* widget_;
    CajaDeImagen* contenedor_ = nullptr;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    Color color_de_fondo_;
    Color color_de_texto_;
};

}  // namespace mirvalo
