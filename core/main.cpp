#include "core/PantallasDelAsistente.h"
#include "core/frm_Splash.h"
#include "ui/Aplicacion.h"

int main(int argc, char** argv) {
    mirvalo::Aplicacion aplicacion(argc, argv);
    mirvalo::RegistraLasPantallas();
    mirvalo::Pantalla::Abre<mirvalo::frm_Splash>();
    return aplicacion.Ejecuta();
}
