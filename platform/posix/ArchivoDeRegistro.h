#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace mirvalo::registro {

// The emulated registry's file, in the layout of a Windows ".reg" export:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\NET Framework Setup\NDP\v4\Full]
//   "Install"=dword:00000001
//   "Version"="4.8.04084"
//   @="the key's default value"
//
// A key is a line "[full path]", the branch's full name first; its values follow, one a line:
// "name"=dword:<hexadecimal> or "name"="text", with @ for the default value. Inside quotes a
// backslash escapes a quote, a backslash, and n / r for a line feed / carriage return. Blank lines
// and lines starting with ';' are ignored. A key implies every key above it.
struct ValorDeRegistro {
    std::string nombre;
    std::variant<uint32_t, std::string> dato;
};

struct ClaveDeRegistro {
    std::string ruta;  // full path, as first written
    std::vector<ValorDeRegistro> valores;
};

class ArchivoDeRegistro {
public:
    // Error 57 "Device I/O error", naming the line, for a line that is not of the format.
    static ArchivoDeRegistro Lee(std::string_view texto);
    std::string Texto() const;

    bool Existe(std::string_view ruta) const;
    const ClaveDeRegistro* Busca(std::string_view ruta) const;
    // The key, created with every missing key above it.
    ClaveDeRegistro& Crea(std::string_view ruta);
    std::vector<std::string> Subclaves(std::string_view ruta) const;
    void Borra(std::string_view ruta);

    static const ValorDeRegistro* BuscaValor(const ClaveDeRegistro& clave, std::string_view nombre);
    static void EstableceValor(ClaveDeRegistro& clave, ValorDeRegistro valor);
    static void BorraValor(ClaveDeRegistro& clave, std::string_view nombre);

private:
    std::vector<ClaveDeRegistro> claves_;
};

}  // namespace mirvalo::registro
