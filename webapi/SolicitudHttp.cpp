#include "webapi/SolicitudHttp.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <mutex>

#include "platform/Error.h"
#include "platform/Texto.h"
#include "webapi/ErroresHttp.h"

namespace mirvalo {
namespace {

void IniciaCurlUnaVez() {
    static std::once_flag hecho;
    std::call_once(hecho, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct LiberaCurl {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct LiberaLista {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

struct Recepcion {
    std::string bytes;
    bool excedida = false;
};

size_t Recibe(char* datos, size_t tamano, size_t cantidad, void* usuario) {
    auto& recepcion = *static_cast<Recepcion*>(usuario);
    const size_t total = tamano * cantidad;
    if (recepcion.bytes.size() + total > SolicitudHttp::TamanoMaximoDeRespuesta) {
        recepcion.excedida = true;
        return 0;  // ends the transfer with a write error
    }
    recepcion.bytes.append(datos, total);
    return total;
}

Error ErrorDeTransporte(CURLcode codigo, const char* mensaje, const std::string& direccion) {
    std::string llamada = "curl_easy_perform(" + direccion + "): ";
    llamada += (mensaje != nullptr && *mensaje != '\0') ? mensaje : curl_easy_strerror(codigo);
    namespace h = errores::http;
    switch (codigo) {
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY:
            return Error(h::NombreNoResuelto, "The server name or address could not be resolved", llamada);
        case CURLE_COULDNT_CONNECT:
            return Error(h::NoSePudoConectar, "A connection with the server could not be established",
                         llamada);
        case CURLE_OPERATION_TIMEDOUT: return Error(h::TiempoAgotado, "The operation timed out", llamada);
        case CURLE_GOT_NOTHING:
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
        case CURLE_PARTIAL_FILE:
            return Error(h::ConexionInterrumpida, "The connection with the server was terminated abnormally",
                         llamada);
        // The scheme was checked before sending, so here this is an answer in no HTTP version we speak.
        case CURLE_UNSUPPORTED_PROTOCOL:
        case CURLE_WEIRD_SERVER_REPLY:
        case CURLE_BAD_CONTENT_ENCODING:
        case CURLE_HTTP2:
        case CURLE_HTTP2_STREAM:
        case CURLE_HTTP3:
            return Error(h::RespuestaNoValida, "The server returned an invalid or unrecognized response",
                         llamada);
        case CURLE_URL_MALFORMAT: return Error(h::DireccionNoValida, "The URL is invalid", llamada);
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CERTPROBLEM:
        case CURLE_SSL_CIPHER:
        case CURLE_SSL_CACERT_BADFILE:
            return Error(h::ErrorDeSeguridad, "A security error occurred", llamada);
        case CURLE_OUT_OF_MEMORY: return Error::Estandar(errores::SinMemoria, llamada);
        default: return Error(h::ErrorInterno, "An internal error occurred", llamada);
    }
}

using Encabezados = std::vector<std::pair<std::string, std::string>>;

// The headers as libcurl takes them, in their order, plus the empty values that remove the ones
// libcurl would add on its own.
std::unique_ptr<curl_slist, LiberaLista> ListaDeEncabezados(const Encabezados& encabezados) {
    std::unique_ptr<curl_slist, LiberaLista> lista;
    const auto agrega = [&lista](const std::string& linea) {
        curl_slist* nueva = curl_slist_append(lista.get(), linea.c_str());
        if (nueva == nullptr) throw Error::Estandar(errores::SinMemoria, "curl_slist_append");
        (void)lista.release();  // `nueva` is the same list, grown (or its first node)
        lista.reset(nueva);
    };
    bool conTipo = false;
    for (const auto& [nombre, valor] : encabezados) {
        agrega(nombre + ": " + valor);
        conTipo = conTipo || texto::IgualesSinMayusculas(nombre, "Content-Type");
    }
    agrega("Expect:");
    if (!conTipo) agrega("Content-Type:");  // libcurl would announce a form otherwise
    return lista;
}

// Raises the Windows client's error for an address that is not "http" or "https", which libcurl
// would report under the same code as an answer it cannot read.
void CompruebaElEsquema(const std::string& direccion) {
    const auto separador = direccion.find("://");
    if (separador == std::string::npos)
        throw Error(errores::http::DireccionNoValida, "The URL is invalid", "address " + direccion);
    const std::string esquema = direccion.substr(0, separador);
    if (!texto::IgualesSinMayusculas(esquema, "http") && !texto::IgualesSinMayusculas(esquema, "https"))
        throw Error(errores::http::ProtocoloDesconocido, "The URL does not use a recognized protocol",
                    "address " + direccion);
}

// The declared character set of a Content-Type value, in lower case; empty when none.
std::string JuegoDeCaracteres(const char* tipoDeContenido) {
    if (tipoDeContenido == nullptr) return {};
    std::string tipo;
    for (const char* c = tipoDeContenido; *c != '\0'; ++c)
        tipo += static_cast<char>(*c >= 'A' && *c <= 'Z' ? *c - 'A' + 'a' : *c);
    const auto inicio = tipo.find("charset=");
    if (inicio == std::string::npos) return {};
    std::string juego = tipo.substr(inicio + 8);
    const auto fin = juego.find_first_of("; \t");
    if (fin != std::string::npos) juego.resize(fin);
    if (juego.size() >= 2 && juego.front() == '"' && juego.back() == '"')
        juego = juego.substr(1, juego.size() - 2);
    return juego;
}

std::string Decodifica(std::string bytes, const std::string& juego) {
    // Windows-1252 is read as ISO-8859-1: the two agree on every letter of Spanish text and
    // differ only in the typographic signs of 0x80 to 0x9F.
    if (juego == "iso-8859-1" || juego == "latin1" || juego == "iso_8859-1" || juego == "windows-1252") {
        std::string utf8;
        for (unsigned char b : bytes) texto::AgregaUtf8(utf8, b);
        return utf8;
    }
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
    // The round trip replaces every malformed sequence, so the text is valid UTF-8 from here on.
    return texto::DesdeUtf16(texto::AUtf16(bytes));
}

}  // namespace

SolicitudHttp::SolicitudHttp(std::string metodo, std::string direccion, TiemposDeEspera tiempos)
    : metodo_(std::move(metodo)), direccion_(std::move(direccion)), tiempos_(tiempos) {}

void SolicitudHttp::EstableceEncabezado(std::string nombre, std::string valor) {
    encabezados_.emplace_back(std::move(nombre), std::move(valor));
}

void SolicitudHttp::Envia(std::string_view cuerpo) {
    estado_ = 0;
    texto_.clear();
    CompruebaElEsquema(direccion_);
    IniciaCurlUnaVez();

    std::unique_ptr<CURL, LiberaCurl> curl(curl_easy_init());
    if (!curl) throw Error::Estandar(errores::SinMemoria, "curl_easy_init");
    CURL* c = curl.get();

    const auto lista = ListaDeEncabezados(encabezados_);

    char mensaje[CURL_ERROR_SIZE] = {};
    Recepcion recepcion;
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, mensaje);
    curl_easy_setopt(c, CURLOPT_URL, direccion_.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_PROXY, "");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(tiempos_.conexion.count()));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME,
                     static_cast<long>(std::max<long long>(1, tiempos_.sinDatos.count())));
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, lista.get());
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, Recibe);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &recepcion);
    if (metodo_ == "HEAD") {
        curl_easy_setopt(c, CURLOPT_NOBODY, 1L);
    } else {
        // A custom method with post fields sends the body whatever the method, GET included.
        curl_easy_setopt(c, CURLOPT_CUSTOMREQUEST, metodo_.c_str());
        curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(cuerpo.size()));
        // Never a null pointer: libcurl would then read the body from its default reader.
        curl_easy_setopt(c, CURLOPT_POSTFIELDS, cuerpo.empty() ? "" : cuerpo.data());
    }

    const CURLcode resultado = curl_easy_perform(c);
    if (recepcion.excedida)
        throw Error::Estandar(errores::SinMemoria, "answer from " + direccion_ + " larger than " +
                                                       std::to_string(TamanoMaximoDeRespuesta) + " bytes");
    if (resultado != CURLE_OK) throw ErrorDeTransporte(resultado, mensaje, direccion_);

    long estado = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &estado);
    char* tipo = nullptr;
    curl_easy_getinfo(c, CURLINFO_CONTENT_TYPE, &tipo);
    estado_ = static_cast<int>(estado);
    texto_ = Decodifica(std::move(recepcion.bytes), JuegoDeCaracteres(tipo));
}

}  // namespace mirvalo
