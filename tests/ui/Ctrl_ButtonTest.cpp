#include "ui/Ctrl_Button.h"

#include <gtest/gtest.h>

#include "ConVentanas.h"
#include "ui/Ventana.h"

namespace mirvalo {
namespace {

constexpr Color Fondo = RGB(242, 242, 242);
constexpr Color Enfasis = RGB(108, 171, 22);

class Ctrl_ButtonTest : public ConVentanas {
protected:
    // As the screens make a button: Container, then Text, ColorDeFondo (always Fondo),
    // ColorDeEnfasis and the click.
    void CreaElBoton(double alto = 495) {
        contenedor = &ventana.AgregaCajaDeImagen("picBotonSiguiente", 5033, 3120, 1935, alto);
        PreparaElBoton(boton, ventana, *contenedor, "Siguiente", Enfasis, [this] { ++clics; });
        ventana.on_movimiento = [this] { boton.Apagar(); };
        ventana.Show();
    }
    CajaDeImagen& Franja() { return ventana.Obten<CajaDeImagen>("picBotonSiguientePicFranja"); }
    Etiqueta& Texto() { return ventana.Obten<Etiqueta>("picBotonSiguienteLabel"); }
    void ExpectColores(Color contenedor_, Color franja, Color texto) {
        EXPECT_EQ(contenedor->BackColor(), contenedor_);
        EXPECT_EQ(Franja().BackColor(), franja);
        EXPECT_EQ(Texto().ForeColor(), texto);
    }

    Ventana ventana{"frm_Prueba", 11910, 4815};
    CajaDeImagen* contenedor = nullptr;
    Ctrl_Button boton;
    int clics = 0;
};

TEST_F(Ctrl_ButtonTest, ContainerAddsABorderlessStripAndACentredTransparentCaptionInsideTheBox) {
    CreaElBoton();
    EXPECT_EQ(Franja().Container(), contenedor);
    EXPECT_EQ(Texto().Container(), contenedor);
    EXPECT_EQ(contenedor->BorderStyle(), EstiloDeBorde::Ninguno);
    EXPECT_EQ(Franja().BorderStyle(), EstiloDeBorde::Ninguno);
    EXPECT_EQ(Texto().Caption(), "Siguiente");
    EXPECT_EQ(Texto().Alignment(), Alineacion::Centro);
    EXPECT_EQ(Texto().BackStyle(), EstiloDeFondo::Transparente);
    EXPECT_FALSE(Texto().AutoSize());
    EXPECT_GT(Texto().Height(), 0) << "one line of the font";
    EXPECT_TRUE(Franja().Visible());
    EXPECT_TRUE(Texto().Visible());
}

TEST_F(Ctrl_ButtonTest, TheStripLinesTheBottomAndTheCaptionIsCentredAboveItForAnyHeight) {
    for (double alto : {495.0, 615.0, 1200.0}) {
        SCOPED_TRACE(alto);
        Ventana otra{"frm_Otra", 11910, 4815};
        auto& caja = otra.AgregaCajaDeImagen("picBoton", 360, 360, 2175, alto);
        Ctrl_Button boton_de_otra;
        boton_de_otra.Container(otra, caja);
        boton_de_otra.Text("Anterior");
        auto& franja = otra.Obten<CajaDeImagen>("picBotonPicFranja");
        auto& texto = otra.Obten<Etiqueta>("picBotonLabel");
        EXPECT_DOUBLE_EQ(franja.Left(), 0);
        EXPECT_DOUBLE_EQ(franja.Top(), alto - 75);
        EXPECT_DOUBLE_EQ(franja.Width(), 2175);
        EXPECT_DOUBLE_EQ(franja.Height(), 75);
        EXPECT_DOUBLE_EQ(texto.Left(), 0);
        EXPECT_DOUBLE_EQ(texto.Width(), 2175);
        EXPECT_DOUBLE_EQ(texto.Top() * 2 + texto.Height(), alto - 75);
    }
}

TEST_F(Ctrl_ButtonTest, PointerOverAnyPartLightsItUpUntilApagarTurnsItOff) {
    CreaElBoton();
    ExpectColores(Fondo, Fondo, ColorDeTextoDelSistema);

    simulacion::MuevePuntero(ventana, "picBotonSiguienteLabel");
    ExpectColores(RGB(255, 255, 255), Enfasis, Enfasis);
    EXPECT_TRUE(Texto().ConCursorDeMano());
    EXPECT_TRUE(contenedor->ConCursorDeMano());

    // A second move over a lit button changes nothing but the cursor.
    boton.ColorDeEnfasis(RGB(200, 50, 0));
    simulacion::MuevePuntero(ventana, "picBotonSiguientePicFranja");
    ExpectColores(RGB(255, 255, 255), Enfasis, Enfasis);

    boton.Apagar();
    ExpectColores(Fondo, Fondo, RGB(0, 0, 0));
    simulacion::MuevePuntero(ventana, "picBotonSiguiente");
    ExpectColores(RGB(255, 255, 255), RGB(200, 50, 0), RGB(200, 50, 0));

    // What a lit button shows: white above an accent strip.
    const auto imagen = simulacion::Captura(*contenedor);
    EXPECT_EQ(imagen.Pixel(2, 2), RGB(255, 255, 255));
    EXPECT_EQ(imagen.Pixel(2, imagen.alto - 1), RGB(200, 50, 0));
    EXPECT_EQ(imagen.Pixel(2, imagen.alto - 5), RGB(200, 50, 0)) << "75 twips are 5 pixels";
    EXPECT_EQ(imagen.Pixel(2, imagen.alto - 6), RGB(255, 255, 255));
}

TEST_F(Ctrl_ButtonTest, ApagarOnAButtonThatIsNotLitLeavesEveryColourAlone) {
    CreaElBoton();
    boton.Apagar();
    ExpectColores(Fondo, Fondo, ColorDeTextoDelSistema);
}

TEST_F(Ctrl_ButtonTest, OnlyTheWindowBackgroundTurnsTheButtonOffNotALabel) {
    CreaElBoton();
    auto& etiqueta = ventana.AgregaEtiqueta("lblMensaje", 360, 1200, 9795, 255);
    etiqueta.BackStyle(EstiloDeFondo::Transparente);
    etiqueta.Caption("Escribe tu ID Mirvalo de 10 caracteres");

    simulacion::MuevePuntero(ventana, "picBotonSiguienteLabel");
    simulacion::MuevePuntero(ventana, "lblMensaje");
    EXPECT_EQ(contenedor->BackColor(), RGB(255, 255, 255)) << "still lit over a label";
    simulacion::MuevePunteroA(ventana, 100, 4500);
    ExpectColores(Fondo, Fondo, RGB(0, 0, 0));
}

TEST_F(Ctrl_ButtonTest, AClickOnAnyPartRaisesOneClick) {
    CreaElBoton();
    for (const char* parte : {"picBotonSiguiente", "picBotonSiguientePicFranja", "picBotonSiguienteLabel"}) {
        clics = 0;
        simulacion::Clic(ventana, parte);
        EXPECT_EQ(clics, 1) << parte;
    }
}

TEST_F(Ctrl_ButtonTest, BeforeContainerAColourDoesNothingWhileTextAndPlaceFail) {
    Ctrl_Button suelto;
    EXPECT_NO_THROW(suelto.ColorDeFondo(Fondo));
    EXPECT_EQ(suelto.ColorDeFondo(), Fondo);
    EXPECT_NO_THROW(suelto.Apagar());
    try {
        suelto.Text("Siguiente");
        FAIL() << "Text before Container";
    } catch (const Error& error) {
        EXPECT_EQ(error.Numero(), 91);
    }
    EXPECT_THROW(suelto.Width(100), Error);
}

}  // namespace
}  // namespace mirvalo
