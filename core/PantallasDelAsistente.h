#pragma once
// The assistant's screens, registered by name so that a screen can show the next one without
// depending on its library. This header belongs to the executables that link every screen library
// (the assistant, the end-to-end tests); the core library itself never includes it.
//
// Adding a screen: include its header and add one line to RegistraLasPantallas.

#include "core/Pantallas.h"
#include "download/frm_Descargar.h"
#include "install/frm_Instalar.h"
#include "screens/frm_ElegirDescargarInstalar.h"
#include "screens/frm_Error.h"
#include "screens/frm_Finalizar.h"
#include "screens/frm_SeleccionarAplicaciones.h"
#include "screens/frm_SolicitarIdMirvalo.h"
#include "ui/Pantalla.h"

namespace mirvalo {

inline void RegistraLasPantallas() {
    pantallas::Registra("frm_Error", [] { Pantalla::Abre<frm_Error>(); });
    pantallas::Registra("frm_SolicitarIdMirvalo", [] { Pantalla::Abre<frm_SolicitarIdMirvalo>(); });
    pantallas::Registra("frm_ElegirDescargarInstalar", [] { Pantalla::Abre<frm_ElegirDescargarInstalar>(); });
    pantallas::Registra("frm_SeleccionarAplicaciones", [] { Pantalla::Abre<frm_SeleccionarAplicaciones>(); });
    pantallas::Registra("frm_Descargar", [] { Pantalla::Abre<frm_Descargar>(); });
    pantallas::Registra("frm_Instalar", [] { Pantalla::Abre<frm_Instalar>(); });
    pantallas::Registra("frm_Finalizar", [] { Pantalla::Abre<frm_Finalizar>(); });
}

}  // namespace mirvalo
