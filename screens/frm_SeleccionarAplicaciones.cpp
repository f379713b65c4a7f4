#include "screens/frm_SeleccionarAplicaciones.h"

#include <algorithm>
#include <exception>

#include "core/DM_Core.h"
#include "core/Pantallas.h"
#include "core/RegistroDeFallos.h"
#include "core/Ventanas.h"

namespace mirvalo {
namespace {

constexpr const char* Modulo = "frm_SeleccionarAplicaciones";
constexpr int OpcionCompradas = 0;
constexpr int OpcionTodas = 1;

bool EstaEnLaLista(const ListaMultiple& lista, const std::string& texto) {
    for (int i = 0; i < lista.ListCount(); ++i)
        if (lista.List(i) == texto) return true;
    return false;
}

std::vector<std::string> TextosSeleccionados(const ListaMultiple& lista) {
    std::vector<std::string> textos;
    for (int i = 0; i < lista.ListCount(); ++i)
        if (lista.Selected(i)) textos.push_back(lista.List(i));
    return textos;
}

// From the bottom up, so that the positions still to visit stay valid.
void QuitaLosSeleccionados(ListaMultiple& lista) {
    for (int i = lista.ListCount() - 1; i >= 0; --i)
        if (lista.Selected(i)) lista.RemoveItem(i);
}

}  // namespace

frm_SeleccionarAplicaciones::frm_SeleccionarAplicaciones()
    : Pantalla("frm_SeleccionarAplicaciones", 11910, 6315),
      lblTitulo(Me().AgregaEtiqueta("lblTitulo", 360, 585, 7455, 480)),
      Label1(Me().AgregaEtiqueta("Label1", 360, 1200, 8265, 255)),
      cmbOpciones(Me().AgregaListaDesplegable("cmbOpciones", 360, 1800, 4335, 375)),
      lstAplicacionesDisponibles(
          Me().AgregaListaMultiple("lstAplicacionesDisponibles", 360, 2400, 4335, 2580)),
      lstAplicacionesADescargar(
          Me().AgregaListaMultiple("lstAplicacionesADescargar", 7200, 2400, 4335, 2580)),
      picBotonAgregar(Me().AgregaCajaDeImagen("picBotonAgregar", 5040, 3120, 1935, 495)),
      picBotonQuitar(Me().AgregaCajaDeImagen("picBotonQuitar", 5040, 3840, 1935, 495)),
      picBotonAnterior(Me().AgregaCajaDeImagen("picBotonAnterior", 360, 5280, 2175, 615)),
      picBotonSiguiente(Me().AgregaCajaDeImagen("picBotonSiguiente", 9360, 5280, 2175, 615)) {
    AgregaLaFranjaOficial(Me());

    lblTitulo.AutoSize(true);
    lblTitulo.BackStyle(EstiloDeFondo::Transparente);
    lblTitulo.FontSize(18);
    lblTitulo.Caption("Selecciona el material didáctico para descargar");

    Label1.AutoSize(true);
    Label1.BackStyle(EstiloDeFondo::Transparente);
    Label1.Caption(
        "* Si no agregas material didáctico, la descarga solamente incluirá los instaladores del sistema.");

    cmbOpciones.on_click = [this] { cmbOpciones_Click(); };
    Me().on_movimiento = [this] { Form_MouseMove(); };
}

void frm_SeleccionarAplicaciones::Form_Load() {
    try {
        ConfiguraLaVentana(Me());
        CreaLosBotones();
        CargaLasOpcionesDelcmbOpciones();
        Core().Descarga.GuardarDetalle(400, true, "");
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "Form_Load", fallo);
    }
}

// A button that cannot be made leaves the screen without it; the rest of the load goes on.
void frm_SeleccionarAplicaciones::CreaLosBotones() {
    try {
        constexpr Color Azul = RGB(0, 79, 142);
        constexpr Color Verde = RGB(108, 171, 22);
        constexpr Color Rojo = RGB(200, 50, 0);
        PreparaElBoton(btnAnterior, Me(), picBotonAnterior, "Anterior", Azul,
                       [this] { btnAnterior_Click(); });
        botones_.push_back(&btnAnterior);
        PreparaElBoton(btnSiguiente, Me(), picBotonSiguiente, "Siguiente", Verde,
                       [this] { btnSiguiente_Click(); });
        botones_.push_back(&btnSiguiente);
        PreparaElBoton(btnAgregar, Me(), picBotonAgregar, "Agregar >>", Verde,
                       [this] { btnAgregar_Click(); });
        botones_.push_back(&btnAgregar);
        PreparaElBoton(btnQuitar, Me(), picBotonQuitar, "<< Quitar", Rojo, [this] { btnQuitar_Click(); });
        botones_.push_back(&btnQuitar);
    } catch (const std::exception&) {
    }
}

void frm_SeleccionarAplicaciones::Form_MouseMove() {
    for (Ctrl_Button* boton : botones_) boton->Apagar();
}

void frm_SeleccionarAplicaciones::CargaLasOpcionesDelcmbOpciones() {
    try {
        cmbOpciones.AddItem("Aplicaciones compradas");
        cmbOpciones.AddItem("Todas las aplicaciones");
        for (const std::string& suite : Core().Institucion.ObtenerSuites()) cmbOpciones.AddItem(suite);
        // Choosing the entry fills the available list, as the user's choice would.
        cmbOpciones.ListIndex(OpcionCompradas);
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "CargaLasOpcionesDelcmbOpciones", fallo);
    }
}

void frm_SeleccionarAplicaciones::cmbOpciones_Click() {
    try {
        CargaLasAplicaciones();
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "cmbOpciones_Click", fallo);
    }
}

std::vector<std::string> frm_SeleccionarAplicaciones::AplicacionesDeLaOpcion() const {
    const El_Institucion& institucion = Core().Institucion;
    const int opcion = cmbOpciones.ListIndex();
    if (opcion == OpcionCompradas) return institucion.ObtenerAplicacionesCompradas();
    if (opcion == OpcionTodas) return institucion.ObtenerTodasLasAplicaciones();
    if (opcion > OpcionTodas) return institucion.ObtenerAplicacionesPorSuite(cmbOpciones.Text());
    return {};
}

// The applications already chosen are not offered again.
void frm_SeleccionarAplicaciones::CargaLasAplicaciones() {
    try {
        const std::vector<std::string> aplicaciones = AplicacionesDeLaOpcion();
        lstAplicacionesDisponibles.Clear();
        for (const std::string& aplicacion : aplicaciones)
            if (!EstaEnLaLista(lstAplicacionesADescargar, aplicacion))
                lstAplicacionesDisponibles.AddItem(aplicacion);
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "CargaLasAplicaciones", fallo);
    }
}

void frm_SeleccionarAplicaciones::btnAgregar_Click() {
    try {
        if (lstAplicacionesDisponibles.SelCount() == 0) return;
        for (const std::string& aplicacion : TextosSeleccionados(lstAplicacionesDisponibles))
            lstAplicacionesADescargar.AddItem(aplicacion);
        QuitaLosSeleccionados(lstAplicacionesDisponibles);
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "btnAgregar", fallo);
    }
}

// The removed applications come back to the available list when they belong to the chosen
// option; what the user had selected there stays selected.
void frm_SeleccionarAplicaciones::btnQuitar_Click() {
    try {
        if (lstAplicacionesADescargar.SelCount() == 0) return;
        QuitaLosSeleccionados(lstAplicacionesADescargar);
        const std::vector<std::string> seleccionadas = TextosSeleccionados(lstAplicacionesDisponibles);
        CargaLasAplicaciones();
        for (int i = 0; i < lstAplicacionesDisponibles.ListCount(); ++i)
            if (std::find(seleccionadas.begin(), seleccionadas.end(), lstAplicacionesDisponibles.List(i)) !=
                seleccionadas.end())
                lstAplicacionesDisponibles.Selected(i, true);
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "btnQuitar_Click", fallo);
    }
}

void frm_SeleccionarAplicaciones::btnAnterior_Click() {
    try {
        pantallas::EntregaA(Me(), "frm_ElegirDescargarInstalar");
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "btnAnterior_Click", fallo);
    }
}

// Every catalogue entry whose list text was chosen is added, so one text can bring several
// entries (the same application in two suites...).
void frm_SeleccionarAplicaciones::btnSiguiente_Click() {
    try {
        if (lstAplicacionesADescargar.ListCount() > 0) {
            std::string descripcion;
            for (int i = 0; i < lstAplicacionesADescargar.ListCount(); ++i)
                descripcion += lstAplicacionesADescargar.List(i) + ",";
            DM_Core& core = Core();
            for (const El_Aplicacion& aplicacion : core.Institucion.ObtenerAplicaciones())
                if (EstaEnLaLista(lstAplicacionesADescargar, TextoDeLista(aplicacion)))
                    core.Descarga.AgregarAplicacionALaDescarga(aplicacion.IdAplicacion, aplicacion.IdNivel);
            core.Descarga.GuardarDetalle(401, true, descripcion);
        }
        pantallas::EntregaA(Me(), "frm_Descargar");
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "btnSiguiente", fallo);
    }
}

}  // namespace mirvalo
