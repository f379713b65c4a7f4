#pragma once

namespace mirvalo {

class DM_Core;

// Seventh installation step (607): shortcuts to the product's launcher "CAMVLogIn.exe", with the
// icon "mvicon.ico", on the user's desktop and in the four Start-menu folders.
class PasoAccesosDirectos {
public:
    explicit PasoAccesosDirectos(DM_Core& core) : core_(core) {}

    // The step; reports 607 itself. Once the first shortcut object exists, a shortcut that cannot
    // be made is skipped and the others are still made.
    void CreaElAccesoDirecto();

private:
    DM_Core& core_;
};

}  // namespace mirvalo
