#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Color.h"
#include "ui/Pantalla.h"
#include "ui/Ventana.h"

// Driving the real windows from tests (and from the screenshot tool): the actions below reach the
// toolkit's widgets as the user's would (pointer and key events), so the screens' handlers run
// exactly as in use. Every action lets the window system settle before it returns.
namespace mirvalo::simulacion {

// Makes sure this process has its Aplicacion, on the offscreen platform unless QT_QPA_PLATFORM
// says otherwise. It lives until the process ends.
void AseguraLaAplicacion();

// Open (shown) wizard windows, oldest first; by name, the first open one or nullptr.
std::vector<Ventana*> VentanasAbiertas();
Ventana* VentanaAbierta(std::string_view nombre);
// The open screen of that class, or nullptr.
template <class P>
P* PantallaAbierta() {
    for (auto* pantalla : Pantalla::Abiertas())
        if (auto* buscada = dynamic_cast<P*>(pantalla)) return buscada;
    return nullptr;
}

// A left click on the named control: in its middle, or where no control inside it covers it
// (a list box: use EligeEnLaLista).
void Clic(Ventana& ventana, std::string_view control);
// The pointer moves onto the named control (chosen as for Clic), or to a point of the window in
// twips, where whatever widget is under that point receives the move.
void MuevePuntero(Ventana& ventana, std::string_view control);
void MuevePunteroA(Ventana& ventana, double x_twips, double y_twips);
// Types a text into the named text box, key by key ("\r" is the Enter key).
void Escribe(Ventana& ventana, std::string_view caja, std::string_view texto);
// Presses one key on the named text box: a character code (13 Enter, 8 Backspace, 27 Escape, or
// the code point of a character).
void PulsaTecla(Ventana& ventana, std::string_view caja, int codigo);
// Drop-down list: the user chooses the entry. List box: a click on the entry (toggles it).
void EligeEnLaLista(Ventana& ventana, std::string_view lista, int indice);
// The user closes the window from its frame.
void CierraComoElUsuario(Ventana& ventana);

// Raises the named timer's tick now, if it is enabled; false when it is not (or not found).
bool DisparaElTemporizador(Ventana& ventana, std::string_view temporizador);
// Runs the event loop until the condition holds (true) or the time is up (false); timers fire.
bool EsperaHasta(const std::function<bool()>& condicion,
                 std::chrono::milliseconds limite = std::chrono::milliseconds(5000));
// Runs the event loop for that long.
void DejaPasar(std::chrono::milliseconds tiempo);
// Runs the action from the event loop once the time has passed: a user's action that arrives while
// long work holds the thread (it runs when that work lets window events run).
void DespuesDe(std::chrono::milliseconds tiempo, std::function<void()> accion);

// What a window or a control shows, pixel by pixel.
struct Imagen {
    int ancho = 0;
    int alto = 0;
    std::vector<Color> pixeles;  // row by row
    Color Pixel(int x, int y) const { return pixeles.at(static_cast<std::size_t>(y * ancho + x)); }
};
Imagen Captura(const Ventana& ventana);
Imagen Captura(const ControlVisible& control);
// A PNG file of the window as shown; false when it cannot be written.
bool GuardaPng(const Ventana& ventana, const std::string& ruta);

// Answers every PreguntaSiNo with this function (title, text) instead of showing a box; an empty
// function shows the box again.
void RespondeALasPreguntas(
    std::function<bool(const std::string& titulo, const std::string& texto)> respuesta);

// Thrown by TerminaElProceso while the termination is simulated. The forms layer catches it at
// the edge of every event handler, so the code that asked to end the process stops there, as it
// would; screens must let it through (catch mirvalo::Error or std::exception, never everything).
struct ProcesoTerminado {};
// While on, TerminaElProceso does not end the process: it notes the end, closes every window,
// stops every timer and unwinds the caller with ProcesoTerminado; events after it are not
// delivered. Turning it on clears the note.
void SimulaLaTerminacion(bool simular = true);
bool SeTerminoElProceso();

}  // namespace mirvalo::simulacion
