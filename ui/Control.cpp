#include "ui/Control.h"

#include <QCursor>
#include <QWidget>
#include <utility>

#include "ui/CajaDeImagen.h"
#include "ui/Ventana.h"
#include "ui/qt/Conversion.h"
#include "ui/qt/Escala.h"

namespace mirvalo {

Control::Control(Ventana& ventana, std::string nombre) : ventana_(ventana), nombre_(std::move(nombre)) {}

Control::~Control() = default;

ControlVisible::ControlVisible(Ventana& ventana, std::string nombre, QWidget& widget, Color fondo,
                               Color texto)
    : Control(ventana, std::move(nombre)), widget_(&widget), color_de_fondo_(fondo), color_de_texto_(texto) {
    widget_->setVisible(true);
}

void ControlVisible::Left(double twips) {
    Move(twips, top_, width_, height_);
}
void ControlVisible::Top(double twips) {
    Move(left_, twips, width_, height_);
}
void ControlVisible::Width(double twips) {
    Move(left_, top_, twips, height_);
}
void ControlVisible::Height(double twips) {
    Move(left_, top_, width_, twips);
}

void ControlVisible::Move(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    AplicaLaGeometria();
}

void ControlVisible::CambiaElTamanoSinAplicar(double width, double height) {
    width_ = width;
    height_ = height;
}

void ControlVisible::AplicaLaGeometria() {
    QRect area = detalle::RectanguloEnPixeles(left_, top_, width_, height_);
    if (contenedor_) area.translate(contenedor_->Widget().contentsRect().topLeft());
    widget_->setGeometry(area);
}

void ControlVisible::Visible(bool visible) {
    visible_ = visible;
    widget_->setVisible(visible);
}

void ControlVisible::Container(CajaDeImagen& caja) {
    if (&caja.Parent() != &Parent() || &caja == this)
        throw Error::Estandar(errores::LlamadaNoValida, "Container");
    contenedor_ = &caja;
    widget_->setParent(&caja.Widget());
    AplicaLaGeometria();
    widget_->setVisible(visible_);
}

void ControlVisible::BackColor(Color color) {
    color_de_fondo_ = color;
    AplicaLosColores();
}

void ControlVisible::ForeColor(Color color) {
    color_de_texto_ = color;
    AplicaLosColores();
}

void ControlVisible::AplicaLosColores() {
    QPalette paleta = widget_->palette();
    paleta.setColor(QPalette::Window, detalle::AQColor(color_de_fondo_));
    paleta.setColor(QPalette::Base, detalle::AQColor(color_de_fondo_));
    paleta.setColor(QPalette::WindowText, detalle::AQColor(color_de_texto_));
    paleta.setColor(QPalette::Text, detalle::AQColor(color_de_texto_));
    widget_->setPalette(paleta);
}

std::string ControlVisible::FontName() const {
    return detalle::DesdeQString(widget_->font().family());
}
double ControlVisible::FontSize() const {
    return widget_->font().pointSizeF();
}
bool ControlVisible::FontBold() const {
    return widget_->font().bold();
}
bool ControlVisible::FontUnderline() const {
    return widget_->font().underline();
}

namespace {
template <class Cambio>
void CambiaLaFuente(QWidget& widget, Cambio cambio) {
    QFont fuente = widget.font();
    cambio(fuente);
    widget.setFont(fuente);
}
}  // namespace

void ControlVisible::FontName(const std::string& nombre) {
    CambiaLaFuente(*widget_, [&](QFont& f) { f.setFamily(detalle::AQString(nombre)); });
    AlCambiarLaFuente();
}
void ControlVisible::FontSize(double puntos) {
    CambiaLaFuente(*widget_, [&](QFont& f) { f.setPointSizeF(puntos); });
    AlCambiarLaFuente();
}
void ControlVisible::FontBold(bool negrita) {
    CambiaLaFuente(*widget_, [&](QFont& f) { f.setBold(negrita); });
    AlCambiarLaFuente();
}
void ControlVisible::FontUnderline(bool subrayada) {
    CambiaLaFuente(*widget_, [&](QFont& f) { f.setUnderline(subrayada); });
    AlCambiarLaFuente();
}

void ControlVisible::MuestraElCursorDeMano() {
    widget_->setCursor(Qt::PointingHandCursor);
}

bool ControlVisible::ConCursorDeMano() const {
    return widget_->testAttribute(Qt::WA_SetCursor) && widget_->cursor().shape() == Qt::PointingHandCursor;
}

}  // namespace mirvalo
