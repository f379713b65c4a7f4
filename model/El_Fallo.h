#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace mirvalo {

class DM_WebAPI_V1;

// The failure log: every failure a procedure catches is reported to the server at once, under the
// run's download id. Fire and forget: a report that cannot be sent is lost.
class El_Fallo {
public:
    // `idDescarga` yields the configuration's download id when a report is made (0 until the
    // configuration loaded).
    explicit El_Fallo(std::function<int32_t()> idDescarga);
    ~El_Fallo();
    El_Fallo(const El_Fallo&) = delete;
    El_Fallo& operator=(const El_Fallo&) = delete;

    // Sends a failure report: the reporting screen's or class's type name, the procedure's name,
    // the error number and the whole error description. Never raises, and never reports its own
    // failure, so a failing report cannot start another one.
    void RegistrarFallo(std::string_view Modulo, std::string_view Procedimiento, int32_t NoFallo,
                        std::string_view Fallo) noexcept;

private:
    std::function<int32_t()> idDescarga_;
    std::unique_ptr<DM_WebAPI_V1> cliente_;  // the latest report's client
};

}  // namespace mirvalo
