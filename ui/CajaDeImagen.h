#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/Control.h"

namespace mirvalo {

// Draw modes: how a drawn pixel combines the pen colour P with the pixel D already there.
// The values are the usual raster operations 1 to 16; 13 copies the pen, 10 gives NOT(P XOR D).
namespace modo_de_dibujo {
inline constexpr int Negro = 1;
inline constexpr int Invertir = 6;
inline constexpr int XorPen = 7;
inline constexpr int NotXorPen = 10;
inline constexpr int Nada = 11;
inline constexpr int CopiaPen = 13;
inline constexpr int Blanco = 16;
}  // namespace modo_de_dibujo

// A picture box: a rectangle with a background colour and optionally a border that can hold
// other controls (ControlVisible::Container) and be drawn into.
//
// Drawing goes to a surface of the size of the inside of the box, kept across repaints: Cls
// clears it to BackColor; text and boxes are drawn in ForeColor at coordinates of the box's scale.
// The scale is twips from the inside top left until ScaleWidth sets a user scale across; the
// vertical scale stays twips. Changing BackColor or the size clears the surface. Drawing shows on
// screen when the event loop repaints, or at once with Refresh.
class CajaDeImagen : public ControlVisible {
public:
    CajaDeImagen(Ventana& ventana, std::string nombre);
    ~CajaDeImagen() override;

    // A new box has a border, like a picture box placed in a design.
    EstiloDeBorde BorderStyle() const { return borde_; }
    void BorderStyle(EstiloDeBorde borde);
    Color FillColor() const { return color_de_relleno_; }
    void FillColor(Color color);  // kept; boxes are filled with ForeColor, as the progress bar needs

    // The surface is always kept; the flag is what callers read and set.
    bool AutoRedraw() const { return auto_redraw_; }
    void AutoRedraw(bool persistente);

    double ScaleWidth() const;
    double ScaleHeight() const;
    void ScaleWidth(double unidades);  // a user scale: the inside width is this many units

    int DrawMode() const { return modo_; }
    void DrawMode(int modo);  // 1 to 16, see modo_de_dibujo; others raise Error 380

    double CurrentX() const { return x_actual_; }
    double CurrentY() const { return y_actual_; }
    void CurrentX(double x) { x_actual_ = x; }
    void CurrentY(double y) { y_actual_ = y; }

    // The size of a text in the box's font, in the box's scale (height: one line per line break).
    double TextWidth(std::string_view texto) const;
    double TextHeight(std::string_view texto) const;
    // Writes the text at (CurrentX, CurrentY), its top left, in ForeColor; the draw mode does not
    // apply to text. In the copy mode the text is smoothed; in any other mode it is drawn in whole
    // pixels of ForeColor, ready for a raster operation over it. CurrentX goes back to 0 and
    // CurrentY one line down.
    void Print(std::string_view texto);
    // A filled box from (x1, y1) to (x2, y2), both corners in the box's scale, in ForeColor and
    // the draw mode. Covers the pixels from the first corner up to, not including, the second: a
    // box of zero width draws nothing.
    void CajaRellena(double x1, double y1, double x2, double y2);
    // Clears the surface to BackColor; CurrentX and CurrentY go back to 0.
    void Cls();
    // Repaints the box now, without waiting for the event loop.
    void Refresh();

    // Shows a picture at the top left of the box (under any drawing). False when it cannot be read.
    bool CargaImagen(const std::string& ruta);
    bool CargaImagen(std::span<const std::uint8_t> png_o_jpg);
    // A picture from pixels given row by row, each a Color.
    void CargaImagen(int ancho, int alto, std::span<const Color> pixeles);

    // The progress value MuestraElProgreso last drew, while nothing else has touched the surface.
    std::optional<int> ProgresoMostrado() const { return progreso_mostrado_; }
    void ProgresoMostrado(int valor) { progreso_mostrado_ = valor; }

    // For the forms layer and tests: a surface pixel, in pixels from the inside top left.
    Color PixelDeLaSuperficie(int x, int y) const;

protected:
    void AplicaLaGeometria() override;
    void AplicaLosColores() override;
    void AlCambiarLaFuente() override;

private:
    double PixelesX(double x) const;
    double PixelesY(double y) const;
    void SuperficieCambiada();

    EstiloDeBorde borde_ = EstiloDeBorde::Sencillo;
    Color color_de_relleno_ = 0;
    bool auto_redraw_ = false;
    std::optional<double> escala_ancho_;
    int modo_ = modo_de_dibujo::CopiaPen;
    double x_actual_ = 0, y_actual_ = 0;
    std::optional<int> progreso_mostrado_;
    std::optional<Color> fondo_pintado_;
};

}  // namespace mirvalo
