// A plain file server on 127.0.0.1 for the download benchmark: both clients fetch the same bytes
// from it. HTTP/1.0: one answer per connection, with its Content-Length, then the connection is
// closed. The body goes out with sendfile, so the server costs as little as possible.
//
//   bench_download_servidor FOLDER     prints the port it listens on, then serves until killed
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/sendfile.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

namespace {

std::filesystem::path carpeta;

void Envia(int conexion, const std::string& texto) {
    std::size_t enviados = 0;
    while (enviados < texto.size()) {
        const ssize_t n = ::send(conexion, texto.data() + enviados, texto.size() - enviados, MSG_NOSIGNAL);
        if (n <= 0) return;
        enviados += static_cast<std::size_t>(n);
    }
}

void Atiende(int conexion) {
    std::string peticion;
    char bufer[4096];
    while (peticion.find("\r\n\r\n") == std::string::npos && peticion.size() < 65536) {
        const ssize_t n = ::recv(conexion, bufer, sizeof bufer, 0);
        if (n <= 0) break;
        peticion.append(bufer, static_cast<std::size_t>(n));
    }
    const auto inicio = peticion.find(' ');
    const auto fin = peticion.find(' ', inicio + 1);
    const std::string ruta = inicio == std::string::npos || fin == std::string::npos
                                 ? ""
                                 : peticion.substr(inicio + 1, fin - inicio - 1);
    const bool segura = ruta.starts_with('/') && ruta.find("..") == std::string::npos;
    const int archivo = segura ? ::open((carpeta / ruta.substr(1)).c_str(), O_RDONLY | O_CLOEXEC) : -1;
    struct stat datos {};
    if (archivo < 0 || ::fstat(archivo, &datos) != 0 || !S_ISREG(datos.st_mode)) {
        Envia(conexion, "HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n");
    } else {
        Envia(conexion, "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                            std::to_string(datos.st_size) + "\r\n\r\n");
        off_t desde = 0;
        while (desde < datos.st_size)
            if (::sendfile(conexion, archivo, &desde, static_cast<std::size_t>(datos.st_size - desde)) <= 0)
                break;
    }
    if (archivo >= 0) ::close(archivo);
    ::shutdown(conexion, SHUT_WR);
    // Waits for the client to close, so the last bytes are never lost to a reset.
    while (::recv(conexion, bufer, sizeof bufer, 0) > 0) {
    }
    ::close(conexion);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    carpeta = argv[1];
    const int escucha = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int si = 1;
    ::setsockopt(escucha, SOL_SOCKET, SO_REUSEADDR, &si, sizeof si);
    sockaddr_in direccion{};
    direccion.sin_family = AF_INET;
    direccion.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t largo = sizeof direccion;
    if (::bind(escucha, reinterpret_cast<sockaddr*>(&direccion), sizeof direccion) != 0 ||
        ::listen(escucha, 128) != 0 ||
        ::getsockname(escucha, reinterpret_cast<sockaddr*>(&direccion), &largo) != 0) {
        std::perror("bind/listen on 127.0.0.1");
        return 1;
    }
    std::printf("%d\n", ntohs(direccion.sin_port));
    std::fflush(stdout);
    while (true) {
        const int conexion = ::accept4(escucha, nullptr, nullptr, SOCK_CLOEXEC);
        if (conexion >= 0) std::thread(Atiende, conexion).detach();
    }
}
