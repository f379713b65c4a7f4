#pragma once
#include <string>

namespace mirvalo {

class DM_Core;
class SecurityFolder;

// Fourth installation step (604), the only one that can stop the run: the printer "Mirvalo" on a
// local port that is the file "PrinterOut.txt" of the printer folder windir\PrintingMV. The
// security tool opens the folder's permissions and tells the default printer first, and makes that
// printer the default again once "Mirvalo" has been added.
class PasoImpresora {
public:
    PasoImpresora(DM_Core& core, const SecurityFolder& herramienta)
        : core_(core), herramienta_(herramienta) {}

    // The step; reports 604 itself, possibly twice (permissions failed, then printer added). False
    // only when the printer could not be added: then error kind 4 is stored in the configuration
    // and the run must end on the error screen. Any other failure is reported and gives true.
    bool InstalarLaImpresoraMirvalo();

    // The default printer's name as the security tool writes it, unchanged; empty when the tool is
    // missing, does not answer in time, or its log cannot be read.
    std::string ObtenLaImpresoraPredeterminada();

private:
    DM_Core& core_;
    const SecurityFolder& herramienta_;
};

}  // namespace mirvalo
