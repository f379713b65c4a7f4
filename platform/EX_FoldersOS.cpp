#include "platform/EX_FoldersOS.h"

#include "platform/Error.h"

namespace mirvalo {

std::string EX_FoldersOS::GetSpecialfolder(int32_t csidl) const {
    try {
        std::optional<std::filesystem::path> carpeta = sistema::CarpetaEspecial(csidl);
        return carpeta ? carpeta->string() : std::string();
    } catch (const Error&) {
        // The shell's lookup answers failure with no path, never with an error.
        return {};
    }
}

}  // namespace mirvalo
