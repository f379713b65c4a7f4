#pragma once
#include <memory>
#include <string_view>

#include "platform/jet/TablaJet.h"

namespace mirvalo::jet {

// A Jet database opened as the Jet OLE DB 4.0 provider opens it for reading: from a connection
// string, without locking the file against others, refusing a wrong database password. Failures
// are mirvalo::Error with the numbers and texts of the Windows data-access layer (ErroresJet.h).
class BaseDeDatosJet {
public:
    static BaseDeDatosJet Abre(std::string_view cadenaDeConexion);

    BaseDeDatosJet(BaseDeDatosJet&&) noexcept;
    BaseDeDatosJet& operator=(BaseDeDatosJet&&) noexcept;
    ~BaseDeDatosJet();

    // Every row of a table (name without regard to case), with every column, in stored order.
    TablaJet LeeLaTabla(std::string_view nombre);

private:
    struct Estado;
    explicit BaseDeDatosJet(std::unique_ptr<Estado> estado);
    std::unique_ptr<Estado> estado_;
};

}  // namespace mirvalo::jet
