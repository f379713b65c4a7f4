#pragma once
// The forms layer: windows and the controls the screens use, on Qt 6 Widgets. Screens include
// this header (never a Qt one); everything is in namespace mirvalo.
//
//   Aplicacion          the process's window system; Ejecuta runs the event loop
//   Pantalla            base of a screen: owns its Ventana, Form_Load, opened with Pantalla::Abre<T>
//   Ventana             a wizard window; adds controls by kind, name and place in twips, finds them
//   Etiqueta            label: Caption, Alignment, AutoSize, WordWrap, BackStyle, BorderStyle
//   CajaDeTexto         text box: Text, MaxLength, Alignment, on_cambio, on_tecla(int& codigo)
//   ListaDesplegable    drop-down list without typing: AddItem, Clear, List, ListIndex, on_click
//   ListaMultiple       multi-select list box: AddItem, RemoveItem, Clear, List, Selected
//   CajaDeImagen        picture box: container, BorderStyle, drawing (Cls, ScaleWidth, DrawMode,
//                       TextWidth, Print, CajaRellena, Refresh), pictures (CargaImagen)
//   Temporizador        timer: Interval, Enabled, on_tick
//   ControlVisible      what all visible controls share: Left/Top/Width/Height, Move, Visible,
//                       Container, BackColor, ForeColor, Font*, MuestraElCursorDeMano,
//                       on_click, on_movimiento
//   Color, RGB(r, g, b) colours as 0x00BBGGRR
//   PreguntaSiNo, TerminaElProceso
//   Ctrl_Button, ConfiguraLaVentana, DibujaLaFranjaOficial, ExisteElControl, MuestraElProgreso
//   DejaCorrerEventos   (platform/Eventos.h) lets pending window events run; cheap to call often
// Tests drive all of it through ui/Simulacion.h.
//
// A screen, in short:
//
//   class frm_Ejemplo : public Pantalla {
//   public:
//       frm_Ejemplo() : Pantalla("frm_Ejemplo", 11910, 4815) {
//           auto& titulo = Me().AgregaEtiqueta("lblTitulo", 360, 585, 3705, 480);
//           titulo.AutoSize(true);
//           titulo.BackStyle(EstiloDeFondo::Transparente);
//           titulo.FontSize(18);
//           auto& id = Me().AgregaCajaDeTexto("txtIdMirvalo", 5033, 2400, 1935, 420);
//           id.MaxLength(10);
//           id.Alignment(Alineacion::Centro);
//           id.on_cambio = [this] { Me().Obten<Etiqueta>("lblError").Visible(false); };
//           id.on_tecla = [this](int& codigo) { if (codigo == 13) btnSiguiente_Click(); };
//           Me().AgregaCajaDeImagen("picBotonSiguiente", 5033, 3120, 1935, 495);
//           Me().AgregaTemporizador("tmrInicio", 100).on_tick = [this] { tmrInicio_Timer(); };
//           Me().on_movimiento = [this] { btnSiguiente.Apagar(); };
//       }
//   private:
//       void Form_Load() override {
//           ConfiguraLaVentana(Me(), "Asistente 2020");
//           btnSiguiente.Container(Me(), Me().Obten<CajaDeImagen>("picBotonSiguiente"));
//           btnSiguiente.Text("Siguiente");
//           btnSiguiente.on_click = [this] { btnSiguiente_Click(); };
//           Me().Obten<Temporizador>("tmrInicio").Enabled(true);
//       }
//       void tmrInicio_Timer() { Me().Obten<Temporizador>("tmrInicio").Enabled(false); /* work */ }
//       void btnSiguiente_Click() { Pantalla::Abre<frm_Otra>(); Me().Unload(); }
//       Ctrl_Button btnSiguiente;  // the base class's window outlives it
//   };
//
// and a test driving it:
//
//   simulacion::AseguraLaAplicacion();
//   simulacion::SimulaLaTerminacion();
//   auto& pantalla = Pantalla::Abre<frm_Ejemplo>();
//   simulacion::Escribe(pantalla.Me(), "txtIdMirvalo", "abc\r");
//   ASSERT_TRUE(simulacion::EsperaHasta([] { return simulacion::VentanaAbierta("frm_Otra"); }));
//   auto captura = simulacion::Captura(*simulacion::VentanaAbierta("frm_Otra"));

#include "platform/Eventos.h"
#include "ui/Aplicacion.h"
#include "ui/CajaDeImagen.h"
#include "ui/CajaDeTexto.h"
#include "ui/Color.h"
#include "ui/Control.h"
#include "ui/Ctrl_Button.h"
#include "ui/Dialogos.h"
#include "ui/DownloadManager.h"
#include "ui/Etiqueta.h"
#include "ui/ListaDesplegable.h"
#include "ui/ListaMultiple.h"
#include "ui/Pantalla.h"
#include "ui/Temporizador.h"
#include "ui/Ventana.h"
