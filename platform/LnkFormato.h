#pragma once
#include <cstdint>
#include <string>

namespace mirvalo::lnk {

// What a Windows shortcut file records about its target, as the shell fills it in when it saves a
// shortcut: the target's path, the folder the target starts in, where its icon comes from, and a
// snapshot of the target's attributes, size and times (all zero when the target does not exist).
struct Contenido {
    std::string destino;  // a full path; empty for a shortcut without a target
    std::string carpetaDeTrabajo;
    std::string icono;
    int32_t indiceDelIcono = 0;
    uint32_t atributosDelDestino = 0;  // FILE_ATTRIBUTE_* bits
    uint32_t tamanoDelDestino = 0;     // low 32 bits of the size, as the format keeps it
    uint64_t creacion = 0;             // FILETIME: 100 ns units since 1601-01-01 UTC
    uint64_t acceso = 0;
    uint64_t escritura = 0;
};

inline constexpr uint32_t AtributoSoloLectura = 0x01;
inline constexpr uint32_t AtributoCarpeta = 0x10;
inline constexpr uint32_t AtributoArchivo = 0x20;

// The bytes of a Shell Link (".lnk") file: the header, a LinkInfo block with the target as a local
// path on a fixed drive (ANSI and Unicode), and the working folder and icon location as Unicode
// string data. Raises Error 5 when a text is too long for the format's 16-bit lengths.
std::string Codifica(const Contenido& contenido);

}  // namespace mirvalo::lnk
