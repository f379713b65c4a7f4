#include "tools/jet4/EscritorJet4.h"

#include <cerrno>
#include <cstdio>
#include <stdexcept>

#include "platform/Error.h"
#include "platform/Texto.h"
#include "tools/jet4/CabeceraJet4.h"
#include "tools/jet4/DefinicionDeTablaJet4.h"
#include "tools/jet4/FilaJet4.h"

namespace mirvalo::jet4 {
namespace {

constexpr uint32_t PaginaDeMapas = 1;
constexpr uint32_t PaginaDelCatalogo = 2;  // where every reader looks for MSysObjects
constexpr std::size_t CabeceraDePaginaDeDatos = 14;
constexpr std::size_t BytesDeUnMapa = 64;
constexpr std::size_t PaginasPorMapa = (BytesDeUnMapa - 5) * 8;
constexpr int32_t TipoTabla = 1;
constexpr uint32_t IndicadoresDeSistema = 0x80000002;

// Rows are stored from the end of the page towards its header; the header lists where each starts.
Bytes ComponeLaPaginaDeDatos(uint32_t paginaDeLaDefinicion, const std::vector<Bytes>& filas) {
    Bytes pagina(TamanoDePagina, 0);
    pagina[0] = 0x01;
    pagina[1] = 0x01;
    Pon32(pagina, 4, paginaDeLaDefinicion);
    Pon16(pagina, 12, static_cast<uint32_t>(filas.size()));
    std::size_t inicio = TamanoDePagina;
    for (std::size_t i = 0; i < filas.size(); ++i) {
        inicio -= filas[i].size();
        std::copy(filas[i].begin(), filas[i].end(), pagina.begin() + static_cast<std::ptrdiff_t>(inicio));
        Pon16(pagina, CabeceraDePaginaDeDatos + 2 * i, static_cast<uint32_t>(inicio));
    }
    Pon16(pagina, 2, static_cast<uint32_t>(inicio - CabeceraDePaginaDeDatos - 2 * filas.size()));
    return pagina;
}

// Appends data pages holding `filas`, as many rows on each as fit; returns the pages' numbers.
std::vector<uint32_t> AgregaPaginasDeDatos(std::vector<Bytes>& paginas, uint32_t paginaDeLaDefinicion,
                                           const std::vector<Bytes>& filas) {
    std::vector<uint32_t> numeros;
    std::vector<Bytes> enLaPagina;
    std::size_t ocupado = CabeceraDePaginaDeDatos;
    auto cierra = [&] {
        numeros.push_back(static_cast<uint32_t>(paginas.size()));
        paginas.push_back(ComponeLaPaginaDeDatos(paginaDeLaDefinicion, enLaPagina));
        enLaPagina.clear();
        ocupado = CabeceraDePaginaDeDatos;
    };
    for (const Bytes& fila : filas) {
        if (ocupado + 2 + fila.size() > TamanoDePagina) cierra();
        enLaPagina.push_back(fila);
        ocupado += 2 + fila.size();
    }
    if (!enLaPagina.empty()) cierra();
    return numeros;
}

// A page usage map of type 0: the first page it covers, then one bit per page from there on.
Bytes ComponeElMapa(const std::vector<uint32_t>& paginasDeDatos) {
    Bytes mapa(BytesDeUnMapa, 0);
    if (paginasDeDatos.empty()) return mapa;
    const uint32_t primera = paginasDeDatos.front();
    Pon32(mapa, 1, primera);
    for (uint32_t p : paginasDeDatos) {
        const uint32_t bit = p - primera;
        if (bit >= PaginasPorMapa) throw std::invalid_argument("la tabla ocupa demasiadas páginas");
        mapa[5 + bit / 8] |= static_cast<uint8_t>(1u << (bit % 8));
    }
    return mapa;
}

std::vector<Bytes> ComponeLasFilas(const Tabla& tabla) {
    const DisposicionDeColumnas disposicion = DisponeLasColumnas(tabla.columnas);
    std::vector<Bytes> filas;
    for (const auto& valores : tabla.filas) {
        filas.push_back(ComponeLaFila(tabla.columnas, disposicion, valores));
        if (filas.back().size() + 2 + CabeceraDePaginaDeDatos > TamanoDePagina)
            throw std::invalid_argument("una fila de " + tabla.nombre + " no cabe en una página");
    }
    return filas;
}

Tabla DefinicionDelCatalogo() {
    return Tabla{"MSysObjects",
                 {{"Id", TipoDeColumna::EnteroLargo},
                  {"ParentId", TipoDeColumna::EnteroLargo},
                  {"Name", TipoDeColumna::Texto, 255},
                  {"Type", TipoDeColumna::Entero},
                  {"Flags", TipoDeColumna::EnteroLargo},
                  {"LvProp", TipoDeColumna::ObjetoOle}},
                 {}};
}

void CompruebaLosNombres(const std::vector<Tabla>& tablas) {
    std::vector<std::string> vistos{"MSysObjects"};
    for (const Tabla& t : tablas) {
        const std::size_t largo = texto::Longitud(t.nombre);
        if (largo == 0 || largo > 64) throw std::invalid_argument("nombre de tabla no válido: " + t.nombre);
        for (const std::string& v : vistos)
            if (texto::IgualesSinMayusculas(v, t.nombre))
                throw std::invalid_argument("nombre de tabla repetido: " + t.nombre);
        vistos.push_back(t.nombre);
    }
}

struct TablaColocada {
    uint32_t paginaDeLaDefinicion = 0;
    std::vector<uint32_t> paginasDeDatos;
    uint32_t filas = 0;
};

}  // namespace

Bytes ComponeElArchivo(const ArchivoJet4& archivo) {
    CompruebaLosNombres(archivo.tablas);
    std::vector<Bytes> paginas(3);
    paginas[0] = ComponeLaCabecera(archivo.contrasena, archivo.fechaDeCreacion);

    std::vector<TablaColocada> colocadas;
    for (const Tabla& tabla : archivo.tablas) {
        TablaColocada c;
        c.paginaDeLaDefinicion = static_cast<uint32_t>(paginas.size());
        paginas.emplace_back();  // composed once its maps have a place
        const std::vector<Bytes> filas = ComponeLasFilas(tabla);
        c.filas = static_cast<uint32_t>(filas.size());
        c.paginasDeDatos = AgregaPaginasDeDatos(paginas, c.paginaDeLaDefinicion, filas);
        colocadas.push_back(std::move(c));
    }

    // The catalogue lists itself, as a system table, and every table by its definition page.
    Tabla catalogo = DefinicionDelCatalogo();
    catalogo.filas.push_back({int32_t{PaginaDelCatalogo}, int32_t{0}, std::string("MSysObjects"), TipoTabla,
                              static_cast<int32_t>(IndicadoresDeSistema), std::monostate{}});
    for (std::size_t i = 0; i < archivo.tablas.size(); ++i)
        catalogo.filas.push_back({static_cast<int32_t>(colocadas[i].paginaDeLaDefinicion), int32_t{0},
                                  archivo.tablas[i].nombre, TipoTabla, int32_t{0}, std::monostate{}});
    TablaColocada delCatalogo;
    delCatalogo.paginaDeLaDefinicion = PaginaDelCatalogo;
    const std::vector<Bytes> filasDelCatalogo = ComponeLasFilas(catalogo);
    delCatalogo.filas = static_cast<uint32_t>(filasDelCatalogo.size());
    delCatalogo.paginasDeDatos = AgregaPaginasDeDatos(paginas, PaginaDelCatalogo, filasDelCatalogo);

    // Page 1 holds two maps per table, the pages it uses and those with free space; all of a
    // table's pages are taken as having room, which readers do not mind.
    std::vector<Bytes> mapas;
    auto define = [&](const Tabla& tabla, const TablaColocada& c, bool deSistema) {
        DatosDeLaDefinicion datos;
        datos.filas = c.filas;
        datos.deSistema = deSistema;
        datos.mapaDePaginasUsadas = PunteroDeFila(PaginaDeMapas, static_cast<uint8_t>(mapas.size()));
        mapas.push_back(ComponeElMapa(c.paginasDeDatos));
        datos.mapaDePaginasLibres = PunteroDeFila(PaginaDeMapas, static_cast<uint8_t>(mapas.size()));
        mapas.push_back(ComponeElMapa(c.paginasDeDatos));
        paginas[c.paginaDeLaDefinicion] = ComponeLaDefinicionDeTabla(tabla.columnas, datos);
    };
    const std::size_t mapasQueCaben = (TamanoDePagina - CabeceraDePaginaDeDatos) / (BytesDeUnMapa + 2);
    if (2 * (archivo.tablas.size() + 1) > mapasQueCaben) throw std::invalid_argument("demasiadas tablas");
    define(catalogo, delCatalogo, true);
    for (std::size_t i = 0; i < archivo.tablas.size(); ++i) define(archivo.tablas[i], colocadas[i], false);
    paginas[PaginaDeMapas] = ComponeLaPaginaDeDatos(0, mapas);

    Bytes bytes;
    bytes.reserve(paginas.size() * TamanoDePagina);
    for (const Bytes& p : paginas) bytes.insert(bytes.end(), p.begin(), p.end());
    return bytes;
}

void EscribeElArchivo(const std::filesystem::path& ruta, const ArchivoJet4& archivo) {
    const Bytes bytes = ComponeElArchivo(archivo);
    std::FILE* f = std::fopen(ruta.c_str(), "wb");
    if (!f) throw Error::DesdeErrno(errno, "fopen " + ruta.string());
    const std::size_t escritos = std::fwrite(bytes.data(), 1, bytes.size(), f);
    const int errorDeEscritura = escritos == bytes.size() ? 0 : errno;
    if (std::fclose(f) != 0 || errorDeEscritura != 0)
        throw Error::DesdeErrno(errorDeEscritura ? errorDeEscritura : errno, "fwrite " + ruta.string());
}

}  // namespace mirvalo::jet4
