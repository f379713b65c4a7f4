#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace mirvalo::sandbox {

class ServidorHttp;

// The sample product's files (data/producto), served under /archivos/ with their exact size. A file is
// named by its path relative to the product folder, '/'-separated and case-preserved.
class ArchivosDelProducto {
public:
    explicit ArchivosDelProducto(std::filesystem::path carpeta);

    // The file's absolute path when `relativa` names a regular file inside the product folder; nothing for
    // an absolute path, an empty, "." or ".." component, a backslash or NUL, or a link that leads outside.
    std::optional<std::filesystem::path> Resuelve(const std::string& relativa) const;

    // "/archivos/" + the relative path with every byte outside the URL's unreserved set percent-encoded
    // (accents and blanks included); the '/' separators stay.
    static std::string UrlDe(const std::string& relativa);

    void Registra(ServidorHttp& servidor) const;

private:
    std::filesystem::path carpeta_;
};

}  // namespace mirvalo::sandbox
