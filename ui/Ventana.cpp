#include "ui/Ventana.h"

#include <QGuiApplication>
#include <QScreen>
#include <utility>

#include "ui/Dialogos.h"
#include "ui/qt/Conversion.h"
#include "ui/qt/Escala.h"
#include "ui/qt/Registro.h"
#include "ui/qt/WidgetDeVentana.h"

namespace mirvalo {

namespace {
detalle::WidgetDeVentana& ElWidget(QWidget& widget) {
    return static_cast<detalle::WidgetDeVentana&>(widget);
}
}  // namespace

Ventana::Ventana(std::string nombre, double ancho_twips, double alto_twips)
    : nombre_(std::move(nombre)),
      ancho_(ancho_twips),
      alto_(alto_twips),
      color_de_fondo_(RGB(255, 255, 255)),
      widget_(new detalle::WidgetDeVentana) {
    ElWidget(*widget_).ventana = this;
    widget_->setFont([&] {
        QFont fuente(QStringLiteral("Segoe UI"));
        fuente.setPointSizeF(9.75);
        return fuente;
    }());
    BackColor(color_de_fondo_);
    AplicaElTamano();
    detalle::RegistraVentana(*this);
}

Ventana::~Ventana() {
    detalle::OlvidaVentana(*this);
    ElWidget(*widget_).ventana = nullptr;
    for (auto& control : controles_)
        if (auto* temporizador = dynamic_cast<Temporizador*>(control.get())) temporizador->Detiene();
    // The widgets go first: controls hold plain pointers to them, and their events call the controls.
    delete widget_;
    controles_.clear();
}

std::string Ventana::Caption() const {
    return detalle::DesdeQString(widget_->windowTitle());
}

void Ventana::Caption(std::string_view titulo) {
    widget_->setWindowTitle(detalle::AQString(titulo));
}

void Ventana::Width(double twips) {
    ancho_ = twips;
    AplicaElTamano();
}

void Ventana::Height(double twips) {
    alto_ = twips;
    AplicaElTamano();
}

// A fixed size: the window cannot be resized or maximised.
void Ventana::AplicaElTamano() {
    widget_->setFixedSize(detalle::APixeles(ancho_), detalle::APixeles(alto_));
}

void Ventana::BackColor(Color color) {
    color_de_fondo_ = color;
    QPalette paleta = widget_->palette();
    paleta.setColor(QPalette::Window, detalle::AQColor(color));
    widget_->setPalette(paleta);
}

std::string Ventana::FontName() const {
    return detalle::DesdeQString(widget_->font().family());
}
double Ventana::FontSize() const {
    return widget_->font().pointSizeF();
}

void Ventana::FontName(const std::string& nombre) {
    QFont fuente = widget_->font();
    fuente.setFamily(detalle::AQString(nombre));
    widget_->setFont(fuente);
}

void Ventana::FontSize(double puntos) {
    QFont fuente = widget_->font();
    fuente.setPointSizeF(puntos);
    widget_->setFont(fuente);
}

template <class T>
T& Ventana::Agrega(std::unique_ptr<T> control) {
    T& agregado = *control;
    controles_.push_back(std::move(control));
    return agregado;
}

template <class T>
T& Ventana::AgregaYColoca(std::string nombre, double left, double top, double width, double height) {
    auto& control = Agrega(std::make_unique<T>(*this, std::move(nombre)));
    control.Move(left, top, width, height);
    return control;
}

Etiqueta& Ventana::AgregaEtiqueta(std::string nombre, double left, double top, double width, double height) {
    return AgregaYColoca<Etiqueta>(std::move(nombre), left, top, width, height);
}

CajaDeTexto& Ventana::AgregaCajaDeTexto(std::string nombre, double left, double top, double width,
                                        double height) {
    return AgregaYColoca<CajaDeTexto>(std::move(nombre), left, top, width, height);
}

ListaDesplegable& Ventana::AgregaListaDesplegable(std::string nombre, double left, double top, double width,
                                                  double height) {
    return AgregaYColoca<ListaDesplegable>(std::move(nombre), left, top, width, height);
}

ListaMultiple& Ventana::AgregaListaMultiple(std::string nombre, double left, double top, double width,
                                            double height) {
    return AgregaYColoca<ListaMultiple>(std::move(nombre), left, top, width, height);
}

CajaDeImagen& Ventana::AgregaCajaDeImagen(std::string nombre, double left, double top, double width,
                                          double height) {
    return AgregaYColoca<CajaDeImagen>(std::move(nombre), left, top, width, height);
}

Temporizador& Ventana::AgregaTemporizador(std::string nombre, int intervalo_ms) {
    auto& temporizador = Agrega(std::make_unique<Temporizador>(*this, std::move(nombre)));
    temporizador.Interval(intervalo_ms);
    return temporizador;
}

mirvalo::Control* Ventana::Busca(std::string_view nombre) const {
    for (const auto& control : controles_)
        if (control->Name() == nombre) return control.get();
    return nullptr;
}

Error Ventana::ControlNoEncontrado(std::string_view nombre) {
    return Error(730, "Control '" + std::string(nombre) + "' not found", "Ventana::Obten");
}

void Ventana::Show() {
    abierta_ = true;
    if (!mostrada_antes_) {
        mostrada_antes_ = true;
        if (auto* pantalla = QGuiApplication::primaryScreen()) {
            const QRect area = pantalla->availableGeometry();
            widget_->move(area.center() - QPoint(widget_->width() / 2, widget_->height() / 2));
        }
    }
    widget_->show();
    widget_->activateWindow();
}

void Ventana::Unload() {
    const bool estaba_abierta = abierta_;
    abierta_ = false;
    for (auto& control : controles_)
        if (auto* temporizador = dynamic_cast<Temporizador*>(control.get())) temporizador->Detiene();
    auto& widget = ElWidget(*widget_);
    widget.cerrando_por_codigo = true;
    widget.close();
    widget.cerrando_por_codigo = false;
    if (estaba_abierta) detalle::VentanaCerrada(*this);
}

void Ventana::CerradaPorElUsuario() {
    Unload();
    TerminaElProceso();
}

void Ventana::RecolocaLosControlesDe(const CajaDeImagen& caja) {
    for (auto& control : controles_)
        if (auto* visible = dynamic_cast<ControlVisible*>(control.get());
            visible && visible->Container() == &caja)
            visible->Move(visible->Left(), visible->Top(), visible->Width(), visible->Height());
}

}  // namespace mirvalo
