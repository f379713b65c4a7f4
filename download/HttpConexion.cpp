#include "download/HttpConexion.h"

#include <curl/curl.h>

#include <algorithm>
#include <mutex>
#include <string>

namespace mirvalo {
namespace {

// How long one wait on the network lasts at most before on_espera runs again.
constexpr int EsperaMaximaMs = 20;
// Large reads from libcurl; the block size of the progress events is independent of it.
constexpr long TamanoDeLectura = 256 * 1024;
constexpr long RedireccionesMaximas = 10;

void IniciaCurlUnaVez() {
    static std::once_flag hecho;
    std::call_once(hecho, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

bool SeEnviaCodificado(unsigned char c) {
    if (c <= 0x20 || c >= 0x7F) return true;
    return std::string_view("\"#<>\\^`{|}").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string CodificaRuta(std::string_view ruta) {
    static constexpr char hex[] = "0123456789abcdef";  // as libcurl writes them
    std::string codificada;
    codificada.reserve(ruta.size());
    for (const char caracter : ruta) {
        const auto c = static_cast<unsigned char>(caracter);
        if (SeEnviaCodificado(c)) {
            codificada += '%';
            codificada += hex[c >> 4];
            codificada += hex[c & 0x0F];
        } else {
            codificada += caracter;
        }
    }
    return codificada;
}

std::string PrimerServidor(std::string_view lista) {
    const auto inicio = lista.find_first_not_of("; ");
    if (inicio == std::string_view::npos) return {};
    lista.remove_prefix(inicio);
    return std::string(lista.substr(0, lista.find_first_of("; ")));
}

std::string ListaConComas(std::string lista) {
    std::replace_if(
        lista.begin(), lista.end(), [](char c) { return c == ';' || c == ' '; }, ',');
    return lista;
}

}  // namespace

struct HttpConexion::Manejadores {
    CURL* peticion = nullptr;
    CURLM* multi = nullptr;
    CURLU* direccion = nullptr;
    curl_slist* encabezados = nullptr;

    ~Manejadores() {
        if (multi != nullptr && peticion != nullptr) curl_multi_remove_handle(multi, peticion);
        if (peticion != nullptr) curl_easy_cleanup(peticion);
        if (multi != nullptr) curl_multi_cleanup(multi);
        if (direccion != nullptr) curl_url_cleanup(direccion);
        if (encabezados != nullptr) curl_slist_free_all(encabezados);
    }
};

HttpConexion::HttpConexion() : manejadores_(std::make_unique<Manejadores>()) {}

HttpConexion::~HttpConexion() = default;

bool HttpConexion::Abre(std::string_view agente, const std::optional<HttpProxy>& proxy) {
    IniciaCurlUnaVez();
    auto& m = *manejadores_;
    m.peticion = curl_easy_init();
    m.multi = curl_multi_init();
    m.direccion = curl_url();
    if (m.peticion == nullptr || m.multi == nullptr || m.direccion == nullptr) return false;

    CURL* p = m.peticion;
    const std::string nombreDelAgente(agente);
    bool bien = curl_easy_setopt(p, CURLOPT_USERAGENT, nombreDelAgente.c_str()) == CURLE_OK;
    if (proxy) {
        const std::string servidor = PrimerServidor(proxy->servidores);
        const std::string excepciones = ListaConComas(proxy->excepciones);
        bien = bien && curl_easy_setopt(p, CURLOPT_PROXY, servidor.c_str()) == CURLE_OK;
        bien = bien && curl_easy_setopt(p, CURLOPT_NOPROXY, excepciones.c_str()) == CURLE_OK;
    } else {
        bien = bien && curl_easy_setopt(p, CURLOPT_PROXY, "") == CURLE_OK;
    }
    return bien;
}

bool HttpConexion::Conecta(std::string_view esquema, std::string_view host, int32_t puerto,
                           std::string_view usuario, std::string_view password) {
    auto& m = *manejadores_;
    if (host.empty() || puerto < 1 || puerto > 65535) return false;
    const std::string esquemaTexto(esquema), hostTexto(host), puertoTexto = std::to_string(puerto);
    // libcurl checks the host here, so "user@host" or a blank never reaches a name lookup.
    if (curl_url_set(m.direccion, CURLUPART_SCHEME, esquemaTexto.c_str(), 0) != CURLUE_OK ||
        curl_url_set(m.direccion, CURLUPART_HOST, hostTexto.c_str(), 0) != CURLUE_OK ||
        curl_url_set(m.direccion, CURLUPART_PORT, puertoTexto.c_str(), 0) != CURLUE_OK)
        return false;
    const std::string usuarioTexto(usuario), passwordTexto(password);
    if (!usuarioTexto.empty() &&
        curl_easy_setopt(m.peticion, CURLOPT_USERNAME, usuarioTexto.c_str()) != CURLE_OK)
        return false;
    if (!passwordTexto.empty() &&
        curl_easy_setopt(m.peticion, CURLOPT_PASSWORD, passwordTexto.c_str()) != CURLE_OK)
        return false;
    return true;
}

bool HttpConexion::PreparaPeticion(std::string_view ruta) {
    auto& m = *manejadores_;
    const std::string rutaCodificada = ruta.empty() ? "/" : CodificaRuta(ruta);
    if (curl_url_set(m.direccion, CURLUPART_PATH, rutaCodificada.c_str(), 0) != CURLUE_OK) return false;

    m.encabezados = curl_slist_append(m.encabezados, "Pragma: no-cache");
    m.encabezados = curl_slist_append(m.encabezados, "Accept:");  // libcurl's own, which the API never sent
    if (m.encabezados == nullptr) return false;

    CURL* p = m.peticion;
    bool bien = curl_easy_setopt(p, CURLOPT_CURLU, m.direccion) == CURLE_OK;
    bien = bien && curl_easy_setopt(p, CURLOPT_HTTPGET, 1L) == CURLE_OK;
    bien = bien &&
           curl_easy_setopt(p, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0)) == CURLE_OK;
    bien = bien && curl_easy_setopt(p, CURLOPT_HTTPHEADER, m.encabezados) == CURLE_OK;
    bien = bien && curl_easy_setopt(p, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK;
    bien = bien && curl_easy_setopt(p, CURLOPT_REDIR_PROTOCOLS_STR, "http,https") == CURLE_OK;
    bien = bien && curl_easy_setopt(p, CURLOPT_FOLLOWLOCATION, 1L) == CURLE_OK;
    bien = bien && curl_easy_setopt(p, CURLOPT_MAXREDIRS, RedireccionesMaximas) == CURLE_OK;
    bien = bien && curl_easy_setopt(p, CURLOPT_IGNORE_CONTENT_LENGTH, 1L) == CURLE_OK;
    bien = bien && curl_easy_setopt(p, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L) == CURLE_OK;
    bien = bien && curl_easy_setopt(p, CURLOPT_NOSIGNAL, 1L) == CURLE_OK;
    bien = bien && curl_easy_setopt(p, CURLOPT_BUFFERSIZE, TamanoDeLectura) == CURLE_OK;
    bien =
        bien && curl_easy_setopt(p, CURLOPT_HEADERFUNCTION, &HttpConexion::AlRecibirEncabezado) == CURLE_OK;
    bien = bien && curl_easy_setopt(p, CURLOPT_HEADERDATA, this) == CURLE_OK;
    bien = bien && curl_easy_setopt(p, CURLOPT_WRITEFUNCTION, &HttpConexion::AlRecibirDatos) == CURLE_OK;
    bien = bien && curl_easy_setopt(p, CURLOPT_WRITEDATA, this) == CURLE_OK;
    return bien;
}

HttpConexion::Final HttpConexion::Ejecuta(const TiemposDeEspera& tiempos) {
    auto& m = *manejadores_;
    const long segundosSinDatos = std::max<long>(1, static_cast<long>(tiempos.sinDatos.count()));
    curl_easy_setopt(m.peticion, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(tiempos.conexion.count()));
    curl_easy_setopt(m.peticion, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m.peticion, CURLOPT_LOW_SPEED_TIME, segundosSinDatos);
    if (curl_multi_add_handle(m.multi, m.peticion) != CURLM_OK) return Final::Fallida;

    int activas = 1;
    while (curl_multi_perform(m.multi, &activas) == CURLM_OK && activas > 0) {
        if (on_espera) on_espera();
        if (curl_multi_poll(m.multi, nullptr, 0, EsperaMaximaMs, nullptr) != CURLM_OK) break;
    }

    CURLcode resultado = CURLE_RECV_ERROR;  // when the loop broke off before the transfer ended
    int pendientes = 0;
    while (CURLMsg* mensaje = curl_multi_info_read(m.multi, &pendientes))
        if (mensaje->msg == CURLMSG_DONE && mensaje->easy_handle == m.peticion)
            resultado = mensaje->data.result;
    if (detenida_) return Final::Detenida;
    return resultado == CURLE_OK ? Final::Completa : Final::Fallida;
}

std::size_t HttpConexion::AlRecibirEncabezado(char* datos, std::size_t tamano, std::size_t cantidad,
                                              void* yo) {
    auto& conexion = *static_cast<HttpConexion*>(yo);
    const std::size_t total = tamano * cantidad;
    auto& encabezados = conexion.encabezados_;
    if (!encabezados.AgregaLinea(std::string_view(datos, total))) return total;
    const bool interino = encabezados.Codigo().starts_with('1');
    if (interino || encabezados.EsRedireccion() || !conexion.on_encabezados) return total;
    if (conexion.on_encabezados(encabezados)) return total;
    conexion.detenida_ = true;
    return 0;
}

std::size_t HttpConexion::AlRecibirDatos(char* datos, std::size_t tamano, std::size_t cantidad, void* yo) {
    auto& conexion = *static_cast<HttpConexion*>(yo);
    const std::size_t total = tamano * cantidad;
    if (!conexion.on_datos || conexion.on_datos(datos, total)) return total;
    conexion.detenida_ = true;
    return CURL_WRITEFUNC_ERROR;
}

}  // namespace mirvalo
