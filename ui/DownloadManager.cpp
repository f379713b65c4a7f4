#include "ui/DownloadManager.h"

#include <algorithm>
#include <exception>
#include <string>

#include "ui/Ventana.h"

namespace mirvalo {

namespace {
constexpr float AltoDeLaFranja = 225;  // twips

// "###" followed by "%": digits without leading zeros, nothing at all for 0.
std::string TextoDelProgreso(int32_t porcentaje) {
    return (porcentaje == 0 ? std::string() : std::to_string(porcentaje)) + "%";
}
}  // namespace

void ConfiguraLaVentana(Ventana& ventana, std::string_view titulo) {
    try {
        ventana.Caption(titulo);
        DibujaLaFranjaOficial(ventana);
    } catch (const std::exception&) {
        // Decoration that cannot be drawn never stops a screen.
    }
}

void AgregaLaFranjaOficial(Ventana& ventana) {
    auto& franja = ventana.AgregaCajaDeImagen("picFranjaOficial", 0, 0, ventana.Width(), AltoDeLaFranja);
    franja.BorderStyle(EstiloDeBorde::Ninguno);
    for (const char* bloque :
         {"picFranjaOficialColor1", "picFranjaOficialColor2", "picFranjaOficialColor3"}) {
        auto& caja = ventana.AgregaCajaDeImagen(bloque, 0, 0, 0, AltoDeLaFranja);
        caja.BorderStyle(EstiloDeBorde::Ninguno);
        caja.Container(franja);
    }
}

void DibujaLaFranjaOficial(Ventana& ventana) {
    try {
        if (!ExisteElControl(ventana, "picFranjaOficial")) return;
        auto& franja = ventana.Obten<CajaDeImagen>("picFranjaOficial");
        auto& bloque1 = ventana.Obten<CajaDeImagen>("picFranjaOficialColor1");
        auto& bloque2 = ventana.Obten<CajaDeImagen>("picFranjaOficialColor2");
        auto& bloque3 = ventana.Obten<CajaDeImagen>("picFranjaOficialColor3");
        // Single precision, not made whole: 11910 twips give 3930.3, 3930.3 and 4049.4.
        const float ancho = static_cast<float>(ventana.Width());
        franja.Move(0, 0, ancho, AltoDeLaFranja);
        const float ancho1 = ancho * 0.33f;
        const float ancho2 = ancho * 0.33f;
        const float ancho3 = ancho * 0.34f;
        bloque1.Move(0, 0, ancho1, AltoDeLaFranja);
        bloque1.BackColor(RGB(0, 102, 102));
        const float left2 = 0 + ancho1;
        bloque2.Move(left2, 0, ancho2, AltoDeLaFranja);
        bloque2.BackColor(RGB(0, 79, 142));
        const float left3 = left2 + ancho2;
        bloque3.Move(left3, 0, ancho3, AltoDeLaFranja);
        bloque3.BackColor(RGB(231, 230, 230));
    } catch (const std::exception&) {
        // What was laid out before the failure stays.
    }
}

void EstilaLaBarraDeProgreso(CajaDeImagen& barra) {
    barra.BorderStyle(EstiloDeBorde::Ninguno);
    barra.BackColor(RGB(192, 192, 192));
    barra.ForeColor(RGB(69, 69, 69));
    barra.FillColor(RGB(109, 125, 146));
}

bool ExisteElControl(const Ventana& ventana, std::string_view nombre) {
    for (const auto& control : ventana.Controls())
        if (control->Name() == nombre) return true;
    return false;
}

void MuestraElProgreso(CajaDeImagen& caja, int32_t porcentaje) {
    try {
        const int32_t valor = std::min(porcentaje, int32_t{100});
        // Long work reports the same value many times over; the bar is drawn again only when it changes.
        if (caja.ProgresoMostrado() == valor) return;
        if (!caja.AutoRedraw()) caja.AutoRedraw(true);
        caja.Cls();
        caja.ScaleWidth(100);
        caja.DrawMode(10);
        const std::string texto = TextoDelProgreso(valor);
        caja.CurrentX(100 - caja.TextWidth(texto));
        caja.CurrentY((caja.ScaleHeight() - caja.TextHeight(texto)) / 2);
        caja.Print(texto);
        caja.CajaRellena(0, 0, valor, caja.ScaleHeight());
        caja.Refresh();
        caja.ProgresoMostrado(valor);
    } catch (const std::exception&) {
        // A bar that cannot be drawn never stops the work it shows.
    }
}

}  // namespace mirvalo
