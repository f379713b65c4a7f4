#include "ui/CajaDeImagen.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/Ventana.h"
#include "ui/qt/Conversion.h"
#include "ui/qt/Escala.h"
#include "ui/qt/WidgetDeImagen.h"

namespace mirvalo {

namespace {
detalle::WidgetDeImagen& ElWidget(const ControlVisible& control) {
    return static_cast<detalle::WidgetDeImagen&>(control.Widget());
}

// Raster operation `modo` (1 to 16) of pen P over pixel D, on 24-bit RGB.
std::uint32_t Combina(int modo, std::uint32_t p, std::uint32_t d) {
    std::uint32_t r = d;
    switch (modo) {
        case 1: r = 0; break;
        case 2: r = ~(p | d); break;
        case 3: r = d & ~p; break;
        case 4: r = ~p; break;
        case 5: r = p & ~d; break;
        case 6: r = ~d; break;
        case 7: r = p ^ d; break;
        case 8: r = ~(p & d); break;
        case 9: r = p & d; break;
        case 10: r = ~(p ^ d); break;
        case 11: r = d; break;
        case 12: r = d | ~p; break;
        case 13: r = p; break;
        case 14: r = p | ~d; break;
        case 15: r = p | d; break;
        case 16: r = 0xFFFFFF; break;
        default: break;
    }
    return r & 0xFFFFFF;
}

std::uint32_t ARgbDeQt(Color color) {
    const Color real = ColorReal(color);
    return (static_cast<std::uint32_t>(Rojo(real)) << 16) | (static_cast<std::uint32_t>(Verde(real)) << 8) |
           static_cast<std::uint32_t>(Azul(real));
}

int Lineas(const QString& texto) {
    return std::max<int>(1, static_cast<int>(texto.count(QChar('\n'))) + 1);
}
}  // namespace

CajaDeImagen::CajaDeImagen(Ventana& ventana, std::string nombre)
    : ControlVisible(ventana, std::move(nombre), *new detalle::WidgetDeImagen(&ventana.Widget()),
                     ColorDeFondoDelSistema, ColorDeTextoDelSistema) {
    ElWidget(*this).control = this;
    BorderStyle(borde_);
    AplicaLosColores();
}

CajaDeImagen::~CajaDeImagen() = default;

void CajaDeImagen::BorderStyle(EstiloDeBorde borde) {
    borde_ = borde;
    auto& widget = ElWidget(*this);
    if (borde == EstiloDeBorde::Sencillo) {
        widget.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        widget.setLineWidth(2);
    } else {
        widget.setFrameStyle(QFrame::NoFrame);
    }
    AplicaLaGeometria();
    Parent().RecolocaLosControlesDe(*this);
}

void CajaDeImagen::FillColor(Color color) {
    color_de_relleno_ = color;
}

void CajaDeImagen::AutoRedraw(bool persistente) {
    auto_redraw_ = persistente;
}

double CajaDeImagen::ScaleWidth() const {
    if (escala_ancho_) return *escala_ancho_;
    return ElWidget(*this).contentsRect().width() * detalle::TwipsPorPixel();
}

double CajaDeImagen::ScaleHeight() const {
    return ElWidget(*this).contentsRect().height() * detalle::TwipsPorPixel();
}

void CajaDeImagen::ScaleWidth(double unidades) {
    if (unidades == 0) throw Error(380, "Invalid property value", "ScaleWidth");
    escala_ancho_ = unidades;
}

void CajaDeImagen::DrawMode(int modo) {
    if (modo < 1 || modo > 16) throw Error(380, "Invalid property value", "DrawMode");
    modo_ = modo;
}

double CajaDeImagen::PixelesX(double x) const {
    if (!escala_ancho_) return x * detalle::PixelesPorTwip();
    return x * ElWidget(*this).contentsRect().width() / *escala_ancho_;
}

double CajaDeImagen::PixelesY(double y) const {
    return y * detalle::PixelesPorTwip();
}

double CajaDeImagen::TextWidth(std::string_view texto) const {
    const QFontMetricsF medidas(ElWidget(*this).font());
    double ancho = 0;
    for (const auto& linea : detalle::TextoMostrado(texto).split(QChar('\n')))
        ancho = std::max(ancho, medidas.horizontalAdvance(linea));
    const double pixeles_por_unidad = PixelesX(1.0);
    return pixeles_por_unidad > 0 ? ancho / pixeles_por_unidad : 0;
}

double CajaDeImagen::TextHeight(std::string_view texto) const {
    const QFontMetricsF medidas(ElWidget(*this).font());
    return medidas.height() * Lineas(detalle::TextoMostrado(texto)) * detalle::TwipsPorPixel();
}

void CajaDeImagen::Print(std::string_view texto) {
    auto& superficie = ElWidget(*this).superficie;
    const QString mostrado = detalle::TextoMostrado(texto);
    if (!superficie.isNull()) {
        QPainter pintor(&superficie);
        QFont fuente = ElWidget(*this).font();
        // Outside the copy mode the text is meant to be drawn over by a raster operation (the
        // progress bar): whole pixels of the pen colour, so that it treats every pixel of it alike.
        if (modo_ != modo_de_dibujo::CopiaPen) fuente.setStyleStrategy(QFont::NoAntialias);
        pintor.setFont(fuente);
        pintor.setPen(detalle::AQColor(ForeColor()));
        const QFontMetricsF medidas(fuente);
        QPointF linea(PixelesX(x_actual_), PixelesY(y_actual_) + medidas.ascent());
        for (const auto& texto_de_linea : mostrado.split(QChar('\n'))) {
            pintor.drawText(QPointF(std::round(linea.x()), std::round(linea.y())), texto_de_linea);
            linea.ry() += medidas.height();
        }
    }
    x_actual_ = 0;
    y_actual_ += TextHeight(texto);
    SuperficieCambiada();
}

void CajaDeImagen::CajaRellena(double x1, double y1, double x2, double y2) {
    auto& superficie = ElWidget(*this).superficie;
    SuperficieCambiada();
    if (superficie.isNull()) return;
    const auto a_pixel = [](double v) { return static_cast<int>(std::lround(v)); };
    const int izquierda = std::clamp(a_pixel(PixelesX(std::min(x1, x2))), 0, superficie.width());
    const int derecha = std::clamp(a_pixel(PixelesX(std::max(x1, x2))), 0, superficie.width());
    const int arriba = std::clamp(a_pixel(PixelesY(std::min(y1, y2))), 0, superficie.height());
    const int abajo = std::clamp(a_pixel(PixelesY(std::max(y1, y2))), 0, superficie.height());
    const std::uint32_t pluma = ARgbDeQt(ForeColor());
    for (int y = arriba; y < abajo; ++y) {
        auto* fila = reinterpret_cast<QRgb*>(superficie.scanLine(y));
        for (int x = izquierda; x < derecha; ++x)
            fila[x] = 0xFF000000u | Combina(modo_, pluma, fila[x] & 0xFFFFFF);
    }
}

void CajaDeImagen::Cls() {
    auto& widget = ElWidget(*this);
    const QSize tamano = widget.contentsRect().size();
    if (tamano.isEmpty()) {
        widget.superficie = QImage();
    } else {
        if (widget.superficie.size() != tamano) widget.superficie = QImage(tamano, QImage::Format_RGB32);
        widget.superficie.fill(detalle::AQColor(BackColor()));
        if (!widget.imagen.isNull()) {
            QPainter pintor(&widget.superficie);
            pintor.drawImage(0, 0, widget.imagen);
        }
    }
    x_actual_ = 0;
    y_actual_ = 0;
    SuperficieCambiada();
    widget.update();
}

void CajaDeImagen::Refresh() {
    ElWidget(*this).repaint();
}

bool CajaDeImagen::CargaImagen(const std::string& ruta) {
    QImage imagen(detalle::AQString(ruta));
    if (imagen.isNull()) return false;
    ElWidget(*this).imagen = std::move(imagen);
    Cls();
    return true;
}

bool CajaDeImagen::CargaImagen(std::span<const std::uint8_t> png_o_jpg) {
    QImage imagen;
    if (!imagen.loadFromData(png_o_jpg.data(), static_cast<int>(png_o_jpg.size()))) return false;
    ElWidget(*this).imagen = std::move(imagen);
    Cls();
    return true;
}

void CajaDeImagen::CargaImagen(int ancho, int alto, std::span<const Color> pixeles) {
    if (ancho < 0 || alto < 0 ||
        pixeles.size() < static_cast<std::size_t>(ancho) * static_cast<std::size_t>(alto))
        throw Error::Estandar(errores::LlamadaNoValida, "CargaImagen");
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    for (int y = 0; y < alto; ++y) {
        auto* fila = reinterpret_cast<QRgb*>(imagen.scanLine(y));
        for (int x = 0; x < ancho; ++x)
            fila[x] = 0xFF000000u | ARgbDeQt(pixeles[static_cast<std::size_t>(y * ancho + x)]);
    }
    ElWidget(*this).imagen = std::move(imagen);
    Cls();
}

Color CajaDeImagen::PixelDeLaSuperficie(int x, int y) const {
    const auto& superficie = ElWidget(*this).superficie;
    if (superficie.isNull() || !superficie.rect().contains(x, y)) return ColorReal(BackColor());
    return detalle::DesdeQRgb(superficie.pixel(x, y));
}

void CajaDeImagen::SuperficieCambiada() {
    progreso_mostrado_.reset();
}

void CajaDeImagen::AplicaLaGeometria() {
    ControlVisible::AplicaLaGeometria();
    const auto& widget = ElWidget(*this);
    if (widget.superficie.size() != widget.contentsRect().size()) Cls();
}

// A new background clears the surface; a new pen colour only changes what is drawn next.
void CajaDeImagen::AplicaLosColores() {
    ControlVisible::AplicaLosColores();
    if (fondo_pintado_ != BackColor()) {
        fondo_pintado_ = BackColor();
        Cls();
    } else {
        SuperficieCambiada();
    }
}

void CajaDeImagen::AlCambiarLaFuente() {
    SuperficieCambiada();
}

}  // namespace mirvalo
