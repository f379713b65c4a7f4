#pragma once
#include <cstdint>
#include <string_view>

// The running system's font machinery: the font resource file made for a TrueType font, adding a
// font file to the fonts the system offers, and telling every window that the fonts changed.
// Paths are texts as the assistant writes them; a relative one is taken from the process's
// current folder, as on Windows. On the POSIX emulation the running system's fonts are the
// journal's entries: "AddFontResource" lines for added fonts and a "WM_FONTCHANGE" line for the
// broadcast.
namespace mirvalo::fuentes {

// CreateScalableFontResource: writes the font resource file `recurso` (".FOT") for the TrueType
// file `archivoDeFuente`, taken from `rutaDeLaFuente` when it has no folder. False, with nothing
// written, when the resource file exists already or the font file is missing or no TrueType font.
bool CreaRecursoDeFuenteEscalable(uint32_t oculta, std::string_view recurso, std::string_view archivoDeFuente,
                                  std::string_view rutaDeLaFuente);

// AddFontResource: adds the fonts of a font file (TrueType, OpenType or a collection) to the
// running system; how many were added, 0 when the file is missing or holds no font.
int AgregaRecursoDeFuente(std::string_view archivo);

// SendMessage(HWND_BROADCAST, WM_FONTCHANGE, 0, 0): every top-level window learns the news.
void AnunciaElCambioDeFuentes();

}  // namespace mirvalo::fuentes
