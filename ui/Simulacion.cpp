#include "ui/Simulacion.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#include "ui/Aplicacion.h"
#include "ui/qt/Conversion.h"
#include "ui/qt/Escala.h"
#include "ui/qt/Manejadores.h"
#include "ui/qt/Registro.h"
#include "ui/qt/RespuestasSimuladas.h"

namespace mirvalo::detalle {
std::function<bool(const std::string&, const std::string&)>& RespuestaSimulada() {
    static std::function<bool(const std::string&, const std::string&)> respuesta;
    return respuesta;
}
}  // namespace mirvalo::detalle

namespace mirvalo::simulacion {

namespace {

// Lets posted events (repaints, released screens, queued calls) run before an action returns.
void Asienta() {
    if (detalle::ManejadoresEnCurso() == 0) QCoreApplication::processEvents();
}

ControlVisible& ControlDe(Ventana& ventana, std::string_view nombre) {
    return ventana.Obten<ControlVisible>(nombre);
}

// A point of the widget's own surface, not covered by a control inside it: the middle when it is
// free, else the free point nearest to it.
QPoint PuntoPropio(const QWidget& widget) {
    const QPoint centro = widget.rect().center();
    if (!widget.childAt(centro)) return centro;
    QPoint mejor = centro;
    int mejor_distancia = -1;
    for (int y = 0; y < widget.height(); ++y)
        for (int x = 0; x < widget.width(); ++x) {
            const QPoint punto(x, y);
            if (widget.childAt(punto)) continue;
            const int distancia = (punto - centro).manhattanLength();
            if (mejor_distancia < 0 || distancia < mejor_distancia)
                mejor = punto, mejor_distancia = distancia;
        }
    return mejor;
}

// A pointer event as the window system delivers it: to the widget under the point, passed on to
// its containers while no one takes it.
void EnviaRaton(QWidget& widget, QEvent::Type tipo, const QPoint& punto, Qt::MouseButton boton,
                Qt::MouseButtons botones) {
    QMouseEvent evento(tipo, QPointF(punto), QPointF(widget.mapToGlobal(punto)), boton, botones,
                       Qt::NoModifier);
    detalle::Invoca([&] { QApplication::sendEvent(&widget, &evento); });
}

void ClicEn(QWidget& widget, const QPoint& punto) {
    EnviaRaton(widget, QEvent::MouseButtonPress, punto, Qt::LeftButton, Qt::LeftButton);
    EnviaRaton(widget, QEvent::MouseButtonRelease, punto, Qt::LeftButton, Qt::NoButton);
}

void EnviaTecla(QWidget& widget, int codigo) {
    int tecla = Qt::Key_unknown;
    QString texto = QString(QChar(codigo));
    switch (codigo) {
        case 13:
            tecla = Qt::Key_Return;
            texto = QStringLiteral("\r");
            break;
        case 8: tecla = Qt::Key_Backspace; break;
        case 27: tecla = Qt::Key_Escape; break;
        case 9: tecla = Qt::Key_Tab; break;
        default:
            if (QChar(codigo).isLetterOrNumber() && codigo < 128) tecla = QChar(codigo).toUpper().unicode();
            if (codigo == ' ') tecla = Qt::Key_Space;
            break;
    }
    QKeyEvent pulsada(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
    QKeyEvent soltada(QEvent::KeyRelease, tecla, Qt::NoModifier, texto);
    detalle::Invoca([&] {
        QApplication::sendEvent(&widget, &pulsada);
        QApplication::sendEvent(&widget, &soltada);
    });
}

Imagen DesdeQImage(const QImage& origen) {
    const QImage rgb = origen.convertToFormat(QImage::Format_RGB32);
    Imagen imagen;
    imagen.ancho = rgb.width();
    imagen.alto = rgb.height();
    imagen.pixeles.reserve(static_cast<std::size_t>(imagen.ancho) * static_cast<std::size_t>(imagen.alto));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* fila = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) imagen.pixeles.push_back(detalle::DesdeQRgb(fila[x]));
    }
    return imagen;
}

}  // namespace

void AseguraLaAplicacion() {
    if (Aplicacion::Existe()) return;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char nombre[] = "mirvalo";
    static char* argv[] = {nombre, nullptr};
    // Lives until the process ends: the toolkit must not be torn down by static destructors.
    static auto* aplicacion = new Aplicacion(argc, argv);
    (void)aplicacion;
}

std::vector<Ventana*> VentanasAbiertas() {
    std::vector<Ventana*> abiertas;
    for (auto* ventana : detalle::Ventanas())
        if (ventana->Visible()) abiertas.push_back(ventana);
    return abiertas;
}

Ventana* VentanaAbierta(std::string_view nombre) {
    for (auto* ventana : VentanasAbiertas())
        if (ventana->Name() == nombre) return ventana;
    return nullptr;
}

void Clic(Ventana& ventana, std::string_view control) {
    auto& widget = ControlDe(ventana, control).Widget();
    ClicEn(widget, PuntoPropio(widget));
    Asienta();
}

void MuevePuntero(Ventana& ventana, std::string_view control) {
    auto& widget = ControlDe(ventana, control).Widget();
    EnviaRaton(widget, QEvent::MouseMove, PuntoPropio(widget), Qt::NoButton, Qt::NoButton);
    Asienta();
}

void MuevePunteroA(Ventana& ventana, double x_twips, double y_twips) {
    QWidget& superficie = ventana.Widget();
    const QPoint punto(detalle::APixeles(x_twips), detalle::APixeles(y_twips));
    QWidget* destino = superficie.childAt(punto);
    if (!destino) destino = &superficie;
    EnviaRaton(*destino, QEvent::MouseMove, destino->mapFrom(&superficie, punto), Qt::NoButton, Qt::NoButton);
    Asienta();
}

void Escribe(Ventana& ventana, std::string_view caja, std::string_view texto) {
    auto& widget = ventana.Obten<CajaDeTexto>(caja).Widget();
    for (const QChar caracter : detalle::AQString(texto)) EnviaTecla(widget, caracter.unicode());
    Asienta();
}

void PulsaTecla(Ventana& ventana, std::string_view caja, int codigo) {
    EnviaTecla(ventana.Obten<CajaDeTexto>(caja).Widget(), codigo);
    Asienta();
}

void EligeEnLaLista(Ventana& ventana, std::string_view lista, int indice) {
    auto& control = ControlDe(ventana, lista);
    if (auto* desplegable = dynamic_cast<QComboBox*>(&control.Widget())) {
        if (indice < 0 || indice >= desplegable->count())
            throw Error(380, "Invalid property value", "EligeEnLaLista");
        // What the toolkit does when the user picks an entry from the open list.
        desplegable->setCurrentIndex(indice);
        detalle::Invoca([&] { emit desplegable->activated(indice); });
    } else if (auto* multiple = dynamic_cast<QListWidget*>(&control.Widget())) {
        auto* elemento = multiple->item(indice);
        if (!elemento) throw Error(381, "Invalid property array index", "EligeEnLaLista");
        multiple->scrollToItem(elemento);
        const QRect area = multiple->visualItemRect(elemento);
        if (area.isValid())
            ClicEn(*multiple->viewport(), area.center());
        else
            elemento->setSelected(!elemento->isSelected());  // a list never laid out (window not shown)
    } else {
        throw Error::Estandar(errores::TiposNoCoinciden, "EligeEnLaLista");
    }
    Asienta();
}

void CierraComoElUsuario(Ventana& ventana) {
    detalle::Invoca([&] { ventana.Widget().close(); });
    Asienta();
}

bool DisparaElTemporizador(Ventana& ventana, std::string_view temporizador) {
    auto* encontrado = ventana.Busca<Temporizador>(temporizador);
    if (!encontrado || !encontrado->Enabled()) return false;
    detalle::Invoca(encontrado->on_tick);
    Asienta();
    return true;
}

// Waits for events without spinning: a short repeating timer wakes the wait up to look at the
// condition and the clock.
bool EsperaHasta(const std::function<bool()>& condicion, std::chrono::milliseconds limite) {
    const auto fin = std::chrono::steady_clock::now() + limite;
    QTimer despertador;
    despertador.start(5);
    while (!condicion()) {
        if (std::chrono::steady_clock::now() >= fin) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void DejaPasar(std::chrono::milliseconds tiempo) {
    const auto fin = std::chrono::steady_clock::now() + tiempo;
    EsperaHasta([&] { return std::chrono::steady_clock::now() >= fin; },
                tiempo + std::chrono::milliseconds(50));
}

void DespuesDe(std::chrono::milliseconds tiempo, std::function<void()> accion) {
    QTimer::singleShot(tiempo, QCoreApplication::instance(),
                       [accion = std::move(accion)] { detalle::Invoca(accion); });
}

Imagen Captura(const Ventana& ventana) {
    return DesdeQImage(ventana.Widget().grab().toImage());
}

Imagen Captura(const ControlVisible& control) {
    return DesdeQImage(control.Widget().grab().toImage());
}

bool GuardaPng(const Ventana& ventana, const std::string& ruta) {
    return ventana.Widget().grab().save(detalle::AQString(ruta), "PNG");
}

void RespondeALasPreguntas(std::function<bool(const std::string&, const std::string&)> respuesta) {
    detalle::RespuestaSimulada() = std::move(respuesta);
}

void SimulaLaTerminacion(bool simular) {
    detalle::SimulaTerminacion(simular);
}

bool SeTerminoElProceso() {
    return detalle::ProcesoTerminado();
}

}  // namespace mirvalo::simulacion
