#include <gtest/gtest.h>

#include "ConVentanas.h"
#include "ui/DownloadManager.h"
#include "ui/Ventana.h"

namespace mirvalo {
namespace {

constexpr Color Fondo = RGB(192, 192, 192);
constexpr Color Pluma = RGB(69, 69, 69);
constexpr Color Barra = RGB(122, 122, 122);
constexpr Color Blanco = RGB(255, 255, 255);

class MuestraElProgresoTest : public ConVentanas {
protected:
    void SetUp() override {
        barra.BorderStyle(EstiloDeBorde::Ninguno);
        barra.BackColor(Fondo);
        barra.ForeColor(Pluma);
        barra.FillColor(RGB(109, 125, 146));
        barra.FontSize(8.25);
        ventana.Show();
    }

    // Columns [desde, hasta) of every row, by colour.
    int Cuenta(const simulacion::Imagen& imagen, Color color, int desde, int hasta) const {
        int cuantos = 0;
        for (int y = 0; y < imagen.alto; ++y)
            for (int x = desde; x < hasta; ++x) cuantos += imagen.Pixel(x, y) == color;
        return cuantos;
    }
    // The leftmost and rightmost columns that hold a colour.
    std::pair<int, int> Columnas(const simulacion::Imagen& imagen, Color color) const {
        int primera = imagen.ancho, ultima = -1;
        for (int y = 0; y < imagen.alto; ++y)
            for (int x = 0; x < imagen.ancho; ++x)
                if (imagen.Pixel(x, y) == color) primera = std::min(primera, x), ultima = std::max(ultima, x);
        return {primera, ultima};
    }

    Ventana ventana{"frm_Prueba", 11910, 4815};
    CajaDeImagen& barra = ventana.AgregaCajaDeImagen("picProgresoGeneral", 360, 1920, 11175, 255);
};

TEST_F(MuestraElProgresoTest, ZeroShowsALonePercentSignAtTheRightEdgeAndNoBar) {
    MuestraElProgreso(barra, 0);
    const auto imagen = simulacion::Captura(barra);
    ASSERT_EQ(imagen.ancho, 745);  // 11175 twips at 96 dots per inch
    EXPECT_EQ(Cuenta(imagen, Barra, 0, imagen.ancho), 0);
    EXPECT_EQ(Cuenta(imagen, Blanco, 0, imagen.ancho), 0);
    const auto [primera, ultima] = Columnas(imagen, Pluma);
    ASSERT_GE(ultima, 0) << "the sign is drawn";
    EXPECT_GE(ultima, imagen.ancho - 3) << "it ends at the right edge";
    EXPECT_GT(primera, imagen.ancho - 20) << "and it is one sign only";
}

TEST_F(MuestraElProgresoTest, FiftyFillsTheLeftHalfAndTheNumberKeepsTheForeColour) {
    MuestraElProgreso(barra, 50);
    const auto imagen = simulacion::Captura(barra);
    const int mitad = imagen.ancho / 2;
    EXPECT_EQ(Cuenta(imagen, Barra, 0, mitad), mitad * imagen.alto) << "the left half is all bar";
    EXPECT_EQ(Cuenta(imagen, Barra, mitad + 1, imagen.ancho), 0);
    EXPECT_EQ(Cuenta(imagen, Blanco, 0, imagen.ancho), 0);
    const auto [primera, ultima] = Columnas(imagen, Pluma);
    EXPECT_GT(primera, imagen.ancho - 40);
    EXPECT_GE(ultima, imagen.ancho - 3);
}

TEST_F(MuestraElProgresoTest, HundredAndAboveFillEverythingAndTurnTheDigitsWhite) {
    MuestraElProgreso(barra, 100);
    const auto cien = simulacion::Captura(barra);
    EXPECT_EQ(Cuenta(cien, Fondo, 0, cien.ancho), 0);
    EXPECT_EQ(Cuenta(cien, Pluma, 0, cien.ancho), 0);
    EXPECT_EQ(Cuenta(cien, Barra, 0, cien.ancho) + Cuenta(cien, Blanco, 0, cien.ancho),
              cien.ancho * cien.alto);
    const auto [primera, ultima] = Columnas(cien, Blanco);
    EXPECT_GT(primera, cien.ancho - 50) << "100% in white at the right edge";
    EXPECT_GE(ultima, cien.ancho - 3);

    MuestraElProgreso(barra, 150);
    EXPECT_EQ(simulacion::Captura(barra).pixeles, cien.pixeles) << "150 is drawn as 100";
}

TEST_F(MuestraElProgresoTest, EachCallRedrawsTheWholeBoxAndATouchedBoxIsRedrawn) {
    MuestraElProgreso(barra, 100);
    MuestraElProgreso(barra, 30);
    const auto treinta = simulacion::Captura(barra);
    EXPECT_EQ(Cuenta(treinta, Barra, treinta.ancho / 2, treinta.ancho), 0) << "nothing of 100 survives";

    barra.Cls();
    MuestraElProgreso(barra, 30);
    EXPECT_EQ(simulacion::Captura(barra).pixeles, treinta.pixeles)
        << "the same value is drawn again after a Cls";
}

TEST_F(MuestraElProgresoTest, DrawModesCombinePenAndPixelChannelByChannel) {
    barra.ScaleWidth(100);
    const struct {
        int modo;
        Color esperado;
    } casos[] = {{modo_de_dibujo::CopiaPen, Pluma},
                 {modo_de_dibujo::NotXorPen, Barra},
                 {modo_de_dibujo::XorPen, RGB(133, 133, 133)},
                 {modo_de_dibujo::Invertir, RGB(63, 63, 63)},
                 {modo_de_dibujo::Nada, Fondo}};
    for (const auto& caso : casos) {
        barra.Cls();
        barra.DrawMode(caso.modo);
        barra.CajaRellena(0, 0, 10, barra.ScaleHeight());
        EXPECT_EQ(barra.PixelDeLaSuperficie(0, 0), caso.esperado) << "mode " << caso.modo;
        EXPECT_EQ(barra.PixelDeLaSuperficie(74, 16), caso.esperado) << "mode " << caso.modo;
        EXPECT_EQ(barra.PixelDeLaSuperficie(75, 0), Fondo) << "mode " << caso.modo;
    }
    EXPECT_THROW(barra.DrawMode(17), Error);
}

}  // namespace
}  // namespace mirvalo
