#pragma once

namespace mirvalo {

class DM_Core;

// Fifth installation step (605): removes what Windows keeps of the product's folder in the
// current user's virtual store, under "Program Files (x86)" and under "Program Files".
class PasoAlmacenVirtual {
public:
    explicit PasoAlmacenVirtual(DM_Core& core) : core_(core) {}

    // The step; reports 605 itself. Only the product's own folders are ever deleted: without an
    // installation name (a platform other than local or cloud) nothing is.
    void EliminaVirtualStore();

private:
    DM_Core& core_;
};

}  // namespace mirvalo
