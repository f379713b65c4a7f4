#pragma once
#include <cstdint>
#include <functional>

#include "ui/Formularios.h"

namespace mirvalo {

// The first window of the process. Its load creates the core object and announces the assistant
// to the Web API before the window is first painted; 100 ms later it runs the start-up checks
// (administrator rights, configuration loaded, assistant active, assistant up to date) and either
// ends on the error screen or hands the run over by the kind of assistant the server announced.
class frm_Splash : public Pantalla {
public:
    // Whether the account that runs the assistant is an administrator. The default asks the
    // system; tests give their own, since the emulation cannot make their account anything else.
    using PruebaDeAdministrador = std::function<bool()>;

    frm_Splash();
    explicit frm_Splash(PruebaDeAdministrador esAdministrador);

private:
    void Form_Load() override;
    void tmrInicio_Timer();
    void IniciaLaApp();

    // Stores the error kind, shows the error screen and unloads this window.
    void DetieneConError(int32_t tipo);

    PruebaDeAdministrador esAdministrador_;
    CajaDeImagen& picLogoMV;
    Temporizador& tmrInicio;
};

}  // namespace mirvalo
