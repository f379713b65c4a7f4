#include "platform/LnkFormato.h"

#include <array>
#include <limits>
#include <string_view>

#include "platform/Error.h"
#include "platform/Texto.h"

namespace mirvalo::lnk {
namespace {

// Header constants of the Shell Link format.
constexpr uint32_t TamanoDelEncabezado = 0x4C;
constexpr std::array<uint8_t, 16> ClaseShellLink = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                    0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr uint32_t TieneLinkInfo = 0x00000002;
constexpr uint32_t TieneCarpetaDeTrabajo = 0x00000010;
constexpr uint32_t TieneUbicacionDelIcono = 0x00000040;
constexpr uint32_t EsUnicode = 0x00000080;
constexpr uint32_t MostrarNormal = 1;  // SW_SHOWNORMAL

// LinkInfo with the optional Unicode offsets, so paths outside the ANSI code page survive.
constexpr uint32_t TamanoDelEncabezadoLinkInfo = 0x24;
constexpr uint32_t VolumenYRutaLocal = 0x1;
constexpr uint32_t UnidadFija = 3;  // DRIVE_FIXED
constexpr uint32_t TamanoDelEncabezadoDelVolumen = 0x10;

void Agrega16(std::string& bytes, uint16_t valor) {
    bytes.push_back(static_cast<char>(valor & 0xFF));
    bytes.push_back(static_cast<char>(valor >> 8));
}

void Agrega32(std::string& bytes, uint32_t valor) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((valor >> (8 * i)) & 0xFF));
}

void Agrega64(std::string& bytes, uint64_t valor) {
    Agrega32(bytes, static_cast<uint32_t>(valor));
    Agrega32(bytes, static_cast<uint32_t>(valor >> 32));
}

void Escribe32En(std::string& bytes, std::size_t posicion, uint32_t valor) {
    for (int i = 0; i < 4; ++i) bytes[posicion + i] = static_cast<char>((valor >> (8 * i)) & 0xFF);
}

void AgregaUtf16(std::string& bytes, std::u16string_view texto) {
    for (char16_t unidad : texto) Agrega16(bytes, unidad);
}

// Windows-1252, the ANSI code page of a Spanish Windows; what it cannot hold becomes '?', as the
// system's own conversion does.
char AnsiDe(char16_t unidad) {
    if (unidad < 0x80 || (unidad >= 0xA0 && unidad <= 0xFF)) return static_cast<char>(unidad);
    static constexpr std::array<char16_t, 32> zona80 = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (std::size_t i = 0; i < zona80.size(); ++i) {
        if (zona80[i] != 0 && zona80[i] == unidad) return static_cast<char>(0x80 + i);
    }
    return '?';
}

void AgregaAnsiConNulo(std::string& bytes, std::u16string_view texto) {
    for (char16_t unidad : texto) bytes.push_back(AnsiDe(unidad));
    bytes.push_back('\0');
}

std::u16string Utf16Acotado(std::string_view texto, std::string_view campo) {
    std::u16string utf16 = texto::AUtf16(texto);
    // The string data counts its characters in 16 bits; leave room for the terminator of LinkInfo.
    if (utf16.size() >= std::numeric_limits<uint16_t>::max()) {
        throw Error::Estandar(errores::LlamadaNoValida, std::string("lnk::Codifica ") + std::string(campo));
    }
    return utf16;
}

std::string LinkInfo(std::u16string_view destino) {
    std::string info;
    Agrega32(info, 0);  // LinkInfoSize, filled in at the end
    Agrega32(info, TamanoDelEncabezadoLinkInfo);
    Agrega32(info, VolumenYRutaLocal);
    Agrega32(info, TamanoDelEncabezadoLinkInfo);  // VolumeIDOffset: right after the header
    const std::size_t posicionDeOffsets = info.size();
    for (int i = 0; i < 5; ++i) Agrega32(info, 0);  // the remaining offsets, filled in below

    // VolumeID of a fixed drive without a label.
    Agrega32(info, TamanoDelEncabezadoDelVolumen + 1);
    Agrega32(info, UnidadFija);
    Agrega32(info, 0);  // serial number unknown
    Agrega32(info, TamanoDelEncabezadoDelVolumen);
    info.push_back('\0');

    const auto rutaLocal = static_cast<uint32_t>(info.size());
    AgregaAnsiConNulo(info, destino);
    const auto sufijo = static_cast<uint32_t>(info.size());
    info.push_back('\0');
    const auto rutaLocalUnicode = static_cast<uint32_t>(info.size());
    AgregaUtf16(info, destino);
    Agrega16(info, 0);
    const auto sufijoUnicode = static_cast<uint32_t>(info.size());
    Agrega16(info, 0);

    Escribe32En(info, 0, static_cast<uint32_t>(info.size()));
    Escribe32En(info, posicionDeOffsets, rutaLocal);
    Escribe32En(info, posicionDeOffsets + 4, 0);  // no network location
    Escribe32En(info, posicionDeOffsets + 8, sufijo);
    Escribe32En(info, posicionDeOffsets + 12, rutaLocalUnicode);
    Escribe32En(info, posicionDeOffsets + 16, sufijoUnicode);
    return info;
}

void AgregaCadena(std::string& bytes, std::u16string_view texto) {
    Agrega16(bytes, static_cast<uint16_t>(texto.size()));
    AgregaUtf16(bytes, texto);
}

}  // namespace

std::string Codifica(const Contenido& contenido) {
    const std::u16string destino = Utf16Acotado(contenido.destino, "destino");
    const std::u16string carpeta = Utf16Acotado(contenido.carpetaDeTrabajo, "carpetaDeTrabajo");
    const std::u16string icono = Utf16Acotado(contenido.icono, "icono");

    uint32_t banderas = EsUnicode;
    if (!destino.empty()) banderas |= TieneLinkInfo;
    if (!carpeta.empty()) banderas |= TieneCarpetaDeTrabajo;
    if (!icono.empty()) banderas |= TieneUbicacionDelIcono;

    std::string bytes;
    Agrega32(bytes, TamanoDelEncabezado);
    bytes.append(reinterpret_cast<const char*>(ClaseShellLink.data()), ClaseShellLink.size());
    Agrega32(bytes, banderas);
    Agrega32(bytes, contenido.atributosDelDestino);
    Agrega64(bytes, contenido.creacion);
    Agrega64(bytes, contenido.acceso);
    Agrega64(bytes, contenido.escritura);
    Agrega32(bytes, contenido.tamanoDelDestino);
    Agrega32(bytes, static_cast<uint32_t>(contenido.indiceDelIcono));
    Agrega32(bytes, MostrarNormal);
    Agrega16(bytes, 0);  // no hot key
    Agrega16(bytes, 0);  // reserved
    Agrega32(bytes, 0);
    Agrega32(bytes, 0);

    if (!destino.empty()) bytes += LinkInfo(destino);
    // String data in the format's order: name, relative path, working folder, arguments, icon.
    if (!carpeta.empty()) AgregaCadena(bytes, carpeta);
    if (!icono.empty()) AgregaCadena(bytes, icono);
    Agrega32(bytes, 0);  // terminal block: no extra data
    return bytes;
}

}  // namespace mirvalo::lnk
