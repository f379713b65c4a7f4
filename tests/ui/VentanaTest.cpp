#include "ui/Ventana.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QWidget>

#include "ConVentanas.h"

namespace mirvalo {
namespace {

using VentanaTest = ConVentanas;

TEST_F(VentanaTest, AWizardWindowIsFixedWhiteCentredAndInTheWizardFont) {
    Ventana ventana("frm_Prueba", 11910, 4815);
    ventana.Show();
    const QWidget& widget = ventana.Widget();
    // 1440 twips per inch at the offscreen screen's 96 dots per inch: 15 twips a pixel.
    EXPECT_EQ(widget.size(), QSize(794, 321));
    EXPECT_EQ(widget.minimumSize(), widget.maximumSize()) << "fixed border";
    EXPECT_FALSE(widget.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(widget.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(simulacion::Captura(ventana).Pixel(400, 160), RGB(255, 255, 255));
    EXPECT_EQ(ventana.FontName(), "Segoe UI");
    EXPECT_DOUBLE_EQ(ventana.FontSize(), 9.75);
    const QString real = QFontInfo(widget.font()).family();
    EXPECT_TRUE(real == "Segoe UI" || real == "Open Sans") << real.toStdString();

    ventana.Height(6315);
    EXPECT_EQ(widget.height(), 421);
}

TEST_F(VentanaTest, ControlsArePlacedInTwipsAndInsideTheirPictureBox) {
    Ventana ventana("frm_Prueba", 11910, 4815);
    auto& etiqueta = ventana.AgregaEtiqueta("lblTitulo", 360, 585, 3705, 480);
    EXPECT_EQ(etiqueta.Widget().geometry(), QRect(24, 39, 247, 32));
    auto& caja = ventana.AgregaCajaDeImagen("picBoton", 4912.5, 3840, 2175, 615);
    EXPECT_EQ(caja.Widget().geometry(), QRect(328, 256, 145, 41)) << "edges rounded on their own";
    auto& dentro = ventana.AgregaCajaDeImagen("picDentro", 0, 0, 150, 150);
    dentro.Container(caja);
    EXPECT_EQ(dentro.Widget().geometry().topLeft(), QPoint(2, 2)) << "inside the box's border";
    caja.BorderStyle(EstiloDeBorde::Ninguno);
    EXPECT_EQ(dentro.Widget().geometry().topLeft(), QPoint(0, 0));
    EXPECT_DOUBLE_EQ(caja.Left(), 4912.5) << "twips are kept as set";
}

TEST_F(VentanaTest, ControlsAreFoundByExactNameAndKind) {
    Ventana ventana("frm_Prueba", 11910, 4815);
    auto& primera = ventana.AgregaEtiqueta("lblMensaje", 0, 0);
    ventana.AgregaEtiqueta("lblMensaje", 0, 0);
    EXPECT_EQ(ventana.Busca("lblMensaje"), &primera);
    EXPECT_EQ(ventana.Busca<CajaDeImagen>("lblMensaje"), nullptr);
    try {
        ventana.Obten<Etiqueta>("lblmensaje");
        FAIL();
    } catch (const Error& error) {
        EXPECT_EQ(error.Numero(), 730);
    }
    try {
        ventana.Obten<CajaDeTexto>("lblMensaje");
        FAIL();
    } catch (const Error& error) {
        EXPECT_EQ(error.Numero(), 13);
    }
}

TEST_F(VentanaTest, AutoSizedLabelsFitTheirCaptionAndOthersWrapInsideTheirWidth) {
    Ventana ventana("frm_Prueba", 11910, 4815);
    auto& etiqueta = ventana.AgregaEtiqueta("lblLink", 360, 2910);
    etiqueta.AutoSize(true);
    const double una_linea = etiqueta.Height();
    EXPECT_GT(una_linea, 0) << "an empty caption is one line high";
    EXPECT_DOUBLE_EQ(etiqueta.Width(), 0);

    etiqueta.Caption("https://www.mirvalo.example/descarga/");
    EXPECT_GT(etiqueta.Width(), 2000);
    EXPECT_DOUBLE_EQ(etiqueta.Height(), una_linea);
    etiqueta.Caption("una línea\r\notra línea");
    EXPECT_GT(etiqueta.Height(), una_linea * 1.8);
    etiqueta.FontSize(18);
    EXPECT_GT(etiqueta.Height(), una_linea * 3);

    auto& fija = ventana.AgregaEtiqueta("lblMensaje", 360, 1860, 3000, 495);
    fija.Caption("Se detectó un error en la conexión que impide la comunicación con el Servidor Mirvalo.");
    EXPECT_DOUBLE_EQ(fija.Width(), 3000);
    // The caption wraps onto a second line, 18 pixels down.
    ventana.Show();
    const auto imagen = simulacion::Captura(fija);
    int oscuros_abajo = 0;
    for (int y = 19; y < imagen.alto; ++y)
        for (int x = 0; x < imagen.ancho; ++x) oscuros_abajo += Rojo(imagen.Pixel(x, y)) < 128;
    EXPECT_GT(oscuros_abajo, 20);
}

TEST_F(VentanaTest, TheTextBoxLimitsTypingAndReportsChangesAndKeys) {
    Ventana ventana("frm_Prueba", 11910, 4815);
    auto& caja = ventana.AgregaCajaDeTexto("txtIdMirvalo", 5033, 2400, 1935, 420);
    caja.MaxLength(10);
    int cambios = 0;
    std::vector<int> teclas;
    caja.on_cambio = [&] { ++cambios; };
    caja.on_tecla = [&](int& codigo) {
        teclas.push_back(codigo);
        if (codigo == '#') codigo = 0;  // swallowed
    };
    ventana.Show();

    simulacion::Escribe(ventana, "txtIdMirvalo", "ab#c defghijkl\r");
    EXPECT_EQ(caja.Text(), "abc defghi");
    EXPECT_EQ(teclas.front(), 'a');
    EXPECT_EQ(teclas.back(), 13);
    EXPECT_EQ(cambios, 10);

    caja.Text("ñandú");
    EXPECT_EQ(cambios, 11) << "a change by code is a change";
    EXPECT_EQ(caja.Text(), "ñandú");
}

TEST_F(VentanaTest, TheDropDownListRaisesClickForTheUserAndForCode) {
    Ventana ventana("frm_Prueba", 11910, 6315);
    auto& lista = ventana.AgregaListaDesplegable("cmbOpciones", 360, 1800, 4335, 375);
    std::vector<int> elegidos;
    lista.on_click = [&] { elegidos.push_back(lista.ListIndex()); };
    lista.AddItem("Aplicaciones compradas");
    lista.AddItem("Todas las aplicaciones");
    EXPECT_EQ(lista.ListIndex(), -1);
    lista.ListIndex(0);
    lista.ListIndex(0);
    ventana.Show();
    simulacion::EligeEnLaLista(ventana, "cmbOpciones", 1);
    EXPECT_EQ(elegidos, (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(lista.Text(), "Todas las aplicaciones");
    EXPECT_THROW(lista.ListIndex(2), Error);
}

TEST_F(VentanaTest, TheListBoxTogglesEntriesOnClickAndKeepsItsOrder) {
    Ventana ventana("frm_Prueba", 11910, 6315);
    auto& lista = ventana.AgregaListaMultiple("lstAplicacionesDisponibles", 360, 2400, 4335, 2580);
    for (const char* texto : {"Lectura Primaria", "Comprensión de Lectura Primaria", "Aritmética Primaria"})
        lista.AddItem(texto);
    ventana.Show();
    simulacion::EligeEnLaLista(ventana, "lstAplicacionesDisponibles", 0);
    simulacion::EligeEnLaLista(ventana, "lstAplicacionesDisponibles", 2);
    simulacion::EligeEnLaLista(ventana, "lstAplicacionesDisponibles", 0);
    EXPECT_FALSE(lista.Selected(0));
    EXPECT_FALSE(lista.Selected(1));
    EXPECT_TRUE(lista.Selected(2));
    EXPECT_EQ(lista.SelCount(), 1);

    lista.RemoveItem(1);
    EXPECT_EQ(lista.ListCount(), 2);
    EXPECT_EQ(lista.List(1), "Aritmética Primaria");
    EXPECT_TRUE(lista.Selected(1));
    EXPECT_THROW(lista.RemoveItem(2), Error);
    EXPECT_THROW(lista.Selected(5), Error);
}

TEST_F(VentanaTest, AnEnabledTimerTicksAfterItsIntervalAndADisabledOneNever) {
    Ventana ventana("frm_Prueba", 11910, 4815);
    auto& temporizador = ventana.AgregaTemporizador("tmrInicio", 100);
    int ticks = 0;
    temporizador.on_tick = [&] {
        temporizador.Enabled(false);
        ++ticks;
    };
    EXPECT_FALSE(simulacion::DisparaElTemporizador(ventana, "tmrInicio"));
    temporizador.Enabled(true);
    ASSERT_TRUE(simulacion::EsperaHasta([&] { return ticks == 1; }));
    simulacion::DejaPasar(std::chrono::milliseconds(150));
    EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace mirvalo
