#include <gtest/gtest.h>

#include "ConVentanas.h"
#include "ui/DownloadManager.h"
#include "ui/Ventana.h"

namespace mirvalo {
namespace {

class FranjaOficialTest : public ConVentanas {
protected:
    // The stripe as a screen's design holds it: four borderless boxes, the blocks inside the stripe.
    void AgregaLaFranja(int bloques = 3) {
        auto& franja = ventana.AgregaCajaDeImagen("picFranjaOficial", 0, 0, 1000, 100);
        franja.BorderStyle(EstiloDeBorde::Ninguno);
        for (int i = 1; i <= bloques; ++i) {
            auto& bloque =
                ventana.AgregaCajaDeImagen("picFranjaOficialColor" + std::to_string(i), 0, 0, 100, 100);
            bloque.BorderStyle(EstiloDeBorde::Ninguno);
            bloque.Container(franja);
        }
    }
    CajaDeImagen& Bloque(int i) {
        return ventana.Obten<CajaDeImagen>("picFranjaOficialColor" + std::to_string(i));
    }

    Ventana ventana{"frm_Prueba", 11910, 4815};
};

TEST_F(FranjaOficialTest, ThreeBlocksOfFixedColoursCoverTheTopEdgeInSinglePrecisionTwips) {
    AgregaLaFranja();
    ConfiguraLaVentana(ventana, "Asistente Mirvalo 2020.1");
    EXPECT_EQ(ventana.Caption(), "Asistente Mirvalo 2020.1");

    auto& franja = ventana.Obten<CajaDeImagen>("picFranjaOficial");
    EXPECT_DOUBLE_EQ(franja.Width(), 11910);
    EXPECT_DOUBLE_EQ(franja.Height(), 225);
    const struct {
        float left, width;
        Color color;
    } esperados[] = {{0.0f, 11910.0f * 0.33f, RGB(0, 102, 102)},
                     {11910.0f * 0.33f, 11910.0f * 0.33f, RGB(0, 79, 142)},
                     {11910.0f * 0.33f + 11910.0f * 0.33f, 11910.0f * 0.34f, RGB(231, 230, 230)}};
    for (int i = 1; i <= 3; ++i) {
        const auto& esperado = esperados[i - 1];
        EXPECT_FLOAT_EQ(static_cast<float>(Bloque(i).Left()), esperado.left) << i;
        EXPECT_FLOAT_EQ(static_cast<float>(Bloque(i).Width()), esperado.width) << i;
        EXPECT_DOUBLE_EQ(Bloque(i).Height(), 225) << i;
        EXPECT_EQ(Bloque(i).BackColor(), esperado.color) << i;
    }
    EXPECT_NEAR(Bloque(2).Left(), 3930.3, 0.01);
    EXPECT_NEAR(Bloque(3).Left(), 7860.6, 0.01);
    EXPECT_NEAR(Bloque(3).Width(), 4049.4, 0.01);

    // On screen: every column of the top 15 pixels (225 twips) belongs to exactly one block, in
    // order, and the third ends at the window's right edge.
    ventana.Show();
    const auto imagen = simulacion::Captura(ventana);
    int bloque = 0;
    for (int x = 0; x < imagen.ancho; ++x) {
        const Color arriba = imagen.Pixel(x, 0);
        EXPECT_EQ(imagen.Pixel(x, 14), arriba) << x;
        while (bloque < 3 && arriba != esperados[bloque].color) ++bloque;
        ASSERT_LT(bloque, 3) << "column " << x << " is not a block's, or the blocks are out of order";
    }
    EXPECT_EQ(bloque, 2);
    EXPECT_EQ(imagen.Pixel(0, 15), RGB(255, 255, 255)) << "the stripe is 225 twips high";
}

TEST_F(FranjaOficialTest, AgregaLaFranjaOficialAddsTheFourBorderlessBoxesTheLoadLaysOut) {
    AgregaLaFranjaOficial(ventana);
    ASSERT_EQ(ventana.Controls().size(), 4u);
    auto& franja = ventana.Obten<CajaDeImagen>("picFranjaOficial");
    EXPECT_EQ(franja.BorderStyle(), EstiloDeBorde::Ninguno);
    EXPECT_EQ(franja.Container(), nullptr);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(Bloque(i).BorderStyle(), EstiloDeBorde::Ninguno) << i;
        EXPECT_EQ(Bloque(i).Container(), &franja) << i;
    }

    ConfiguraLaVentana(ventana, "Asistente");
    EXPECT_DOUBLE_EQ(franja.Width(), 11910);
    EXPECT_DOUBLE_EQ(franja.Height(), 225);
    EXPECT_NEAR(Bloque(3).Left(), 7860.6, 0.01);
    EXPECT_EQ(Bloque(3).BackColor(), RGB(231, 230, 230));
}

TEST_F(FranjaOficialTest, AWindowWithoutTheStripeGetsItsCaptionAndNothingElse) {
    auto& logo = ventana.AgregaCajaDeImagen("picLogoMV", 2167, 1320, 7575, 2175);
    ConfiguraLaVentana(ventana, "Asistente");
    EXPECT_EQ(ventana.Caption(), "Asistente");
    EXPECT_EQ(ventana.Controls().size(), 1u);
    EXPECT_DOUBLE_EQ(logo.Left(), 2167);
}

TEST_F(FranjaOficialTest, AMissingBlockStopsSilentlyAfterWhatWasAlreadyDrawn) {
    AgregaLaFranja(2);
    ConfiguraLaVentana(ventana, "Asistente");
    EXPECT_EQ(ventana.Caption(), "Asistente");
    // The lookups of all four controls come first: nothing was laid out.
    EXPECT_DOUBLE_EQ(ventana.Obten<CajaDeImagen>("picFranjaOficial").Width(), 1000);
}

TEST_F(FranjaOficialTest, ExisteElControlComparesWholeNamesWithCase) {
    EXPECT_FALSE(ExisteElControl(ventana, "picFranjaOficial")) << "a window without controls";
    ventana.AgregaEtiqueta("lblTitulo", 0, 0);
    ventana.AgregaTemporizador("tmrInicio", 100);
    EXPECT_TRUE(ExisteElControl(ventana, "lblTitulo"));
    EXPECT_TRUE(ExisteElControl(ventana, "tmrInicio"));
    EXPECT_FALSE(ExisteElControl(ventana, "lbltitulo"));
    EXPECT_FALSE(ExisteElControl(ventana, "lblTitul"));
    EXPECT_FALSE(ExisteElControl(ventana, ""));
}

}  // namespace
}  // namespace mirvalo
