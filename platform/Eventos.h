#pragma once
#include <functional>

namespace mirvalo {

// Long work (catalogue and file lists, transfers, waits) lets pending window events run at fixed
// points, so windows repaint and a cancel click is heard. The layers below the windows call
// DejaCorrerEventos(); the forms layer installs the pump that does the work. Without a pump
// (engines used without windows, most tests) the call does nothing.
void DejaCorrerEventos();
void EstableceBombaDeEventos(std::function<void()> bomba);

}  // namespace mirvalo
