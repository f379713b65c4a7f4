// The engine is mdbtools' libmdb. glib.h must come before mdbtools.h: the latter includes it
// inside its extern "C" block, where glib's C++ templates do not compile.
#include <glib.h>
#include <mdbtools.h>

#include "platform/jet/BaseDeDatosJet.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/SistemaRaiz.h"
#include "platform/Texto.h"
#include "platform/jet/CabeceraJet.h"
#include "platform/jet/CadenaDeConexionJet.h"
#include "platform/jet/ErroresJet.h"

namespace mirvalo::jet {
namespace {

constexpr int MascaraDeDesplazamiento = 0x1FFF;  // a row's offset without its flag bits
constexpr std::size_t TamanoDePaginaJet4 = 4096;

struct CierraMdb {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct LiberaTabla {
    void operator()(MdbTableDef* tabla) const { mdb_free_tabledef(tabla); }
};

std::vector<uint8_t> LeeLaPrimeraPagina(const std::string& ruta, std::string_view rutaComoSeDio) {
    std::FILE* f = std::fopen(ruta.c_str(), "rb");
    if (!f) {
        if (errno == ENOENT || errno == ENOTDIR) throw errores::ArchivoNoEncontrado(rutaComoSeDio);
        throw errores::ArchivoNoAccesible(rutaComoSeDio);
    }
    std::vector<uint8_t> pagina(TamanoDePaginaJet4);
    pagina.resize(std::fread(pagina.data(), 1, pagina.size(), f));
    std::fclose(f);
    return pagina;
}

int32_t Entero16(const uint8_t* p) {
    return static_cast<int16_t>(p[0] | (p[1] << 8));
}
int32_t Entero32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                                (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24));
}
template <typename T>
T Copia(const uint8_t* p) {
    T v;
    std::memcpy(&v, p, sizeof v);  // little-endian host, as the format
    return v;
}

// Jet 4 text is UCS-2, or "compressed" when it starts with FF FE: then single bytes stand for
// U+0000..U+00FF, and a 0 byte switches between that and two-byte units.
std::string TextoJet4(const uint8_t* p, std::size_t n) {
    std::u16string unidades;
    if (n >= 2 && p[0] == 0xFF && p[1] == 0xFE) {
        bool comprimido = true;
        for (std::size_t i = 2; i < n;) {
            if (p[i] == 0) {
                comprimido = !comprimido;
                ++i;
            } else if (comprimido) {
                unidades.push_back(p[i++]);
            } else {
                if (i + 1 >= n) break;
                unidades.push_back(static_cast<char16_t>(p[i] | (p[i + 1] << 8)));
                i += 2;
            }
        }
    } else {
        for (std::size_t i = 0; i + 1 < n; i += 2)
            unidades.push_back(static_cast<char16_t>(p[i] | (p[i + 1] << 8)));
    }
    return texto::DesdeUtf16(unidades);
}

std::string TextoDeLibmdb(MdbHandle* mdb, const MdbField& campo, int tipo) {
    char* t = mdb_col_to_string(mdb, mdb->pg_buf, campo.start, tipo, campo.siz);
    std::string texto = t ? t : "";
    g_free(t);
    return texto;
}

ValorJet ValorDelCampo(MdbHandle* mdb, const MdbColumn& columna, const MdbField& campo) {
    // A boolean has no NULL: its value is the bit that marks other columns as present.
    if (columna.col_type == MDB_BOOL) return !campo.is_null;
    // Only the row's null mask tells NULL from an empty text: both have no bytes.
    if (campo.is_null) return std::monostate{};
    const auto* p = static_cast<const uint8_t*>(campo.value);
    const auto n = static_cast<std::size_t>(campo.siz);
    auto tiene = [&](std::size_t bytes) { return p != nullptr && n >= bytes; };
    switch (columna.col_type) {
        case MDB_BYTE:
            if (tiene(1)) return int32_t{p[0]};
            break;
        case MDB_INT:
            if (tiene(2)) return Entero16(p);
            break;
        case MDB_LONGINT:
            if (tiene(4)) return Entero32(p);
            break;
        case MDB_FLOAT:
            if (tiene(4)) return static_cast<double>(Copia<float>(p));
            break;
        case MDB_DOUBLE:
        case MDB_DATETIME:
            if (tiene(8)) return Copia<double>(p);
            break;
        case MDB_MONEY:
            if (tiene(8)) return static_cast<double>(Copia<int64_t>(p)) / 10000.0;
            break;
        case MDB_TEXT:
            if (mdb->f->jet_version == MDB_VER_JET3) return TextoDeLibmdb(mdb, campo, MDB_TEXT);
            return p ? TextoJet4(p, n) : std::string();
        case MDB_MEMO: return TextoDeLibmdb(mdb, campo, MDB_MEMO);
        default: return p ? std::string(reinterpret_cast<const char*>(p), n) : std::string();
    }
    throw Error(errores::ErrorNoEspecificado,
                "Unrecognized database format: a field is shorter than its type.", "leer fila");
}

}  // namespace

struct BaseDeDatosJet::Estado {
    std::unique_ptr<MdbHandle, CierraMdb> mdb;
    std::string ruta;  // as the connection string gave it, for the messages
};

BaseDeDatosJet::BaseDeDatosJet(std::unique_ptr<Estado> estado) : estado_(std::move(estado)) {}
BaseDeDatosJet::BaseDeDatosJet(BaseDeDatosJet&&) noexcept = default;
BaseDeDatosJet& BaseDeDatosJet::operator=(BaseDeDatosJet&&) noexcept = default;
BaseDeDatosJet::~BaseDeDatosJet() = default;

BaseDeDatosJet BaseDeDatosJet::Abre(std::string_view cadenaDeConexion) {
    const CadenaDeConexionJet partes = CadenaDeConexionJet::Lee(cadenaDeConexion);
    if (!texto::IgualesSinMayusculas(partes.proveedor, "Microsoft.Jet.OLEDB.4.0"))
        throw errores::ProveedorDesconocido();

    if (partes.origenDeDatos.empty()) throw errores::ArchivoNoEncontrado(partes.origenDeDatos);
    const std::string ruta = sistema::RutaNativa(partes.origenDeDatos).string();

    // libmdb does not check the database password: the engine's check is done here, on page 0.
    const std::vector<uint8_t> primeraPagina = LeeLaPrimeraPagina(ruta, partes.origenDeDatos);
    const auto cabecera = CabeceraJet::Lee(primeraPagina);
    if (!cabecera) throw errores::FormatoNoReconocido(partes.origenDeDatos);
    if (!cabecera->contrasena.empty() && cabecera->contrasena != texto::AUtf16(partes.contrasena))
        throw errores::ContrasenaIncorrecta();

    // Read-only and without a lock: others may read and write the file meanwhile.
    auto estado = std::make_unique<Estado>();
    estado->ruta = partes.origenDeDatos;
    estado->mdb.reset(mdb_open(ruta.c_str(), MDB_NOFLAGS));
    if (!estado->mdb) throw errores::FormatoNoReconocido(partes.origenDeDatos);
    // The catalogue is read once: reading it again frees the entries that open tables point to.
    if (!mdb_read_catalog(estado->mdb.get(), MDB_TABLE))
        throw errores::FormatoNoReconocido(partes.origenDeDatos);
    return BaseDeDatosJet(std::move(estado));
}

TablaJet BaseDeDatosJet::LeeLaTabla(std::string_view nombre) {
    MdbHandle* mdb = estado_->mdb.get();
    MdbCatalogEntry* entrada = nullptr;
    for (guint i = 0; mdb->catalog && i < mdb->catalog->len; ++i) {
        auto* e = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (e->object_type == MDB_TABLE && texto::IgualesSinMayusculas(e->object_name, nombre)) {
            entrada = e;
            break;
        }
    }
    if (!entrada) throw errores::TablaInexistente(nombre);

    std::unique_ptr<MdbTableDef, LiberaTabla> tabla(mdb_read_table(entrada));
    if (!tabla) throw errores::FormatoNoReconocido(estado_->ruta);
    // The column descriptors are read from the page the table definition left loaded: at once.
    if (!mdb_read_columns(tabla.get())) throw errores::FormatoNoReconocido(estado_->ruta);

    TablaJet resultado;
    for (guint i = 0; i < tabla->num_cols; ++i) {
        const auto* c = static_cast<MdbColumn*>(g_ptr_array_index(tabla->columns, i));
        resultado.columnas.push_back({c->name, static_cast<TipoJet>(c->col_type)});
    }

    std::vector<MdbField> campos(tabla->num_cols);
    mdb_rewind_table(tabla.get());
    while (mdb_fetch_row(tabla.get())) {
        // mdb_fetch_row leaves the row's page loaded and its index just behind cur_row; the row
        // is taken apart again here because the bound values lose NULL.
        int inicio = 0;
        size_t longitud = 0;
        if (mdb_find_row(mdb, static_cast<int>(tabla->cur_row) - 1, &inicio, &longitud) != 0)
            throw errores::FormatoNoReconocido(estado_->ruta);
        if (mdb_crack_row(tabla.get(), inicio & MascaraDeDesplazamiento, longitud, campos.data()) < 0)
            throw errores::FormatoNoReconocido(estado_->ruta);
        std::vector<ValorJet> fila;
        fila.reserve(tabla->num_cols);
        for (guint i = 0; i < tabla->num_cols; ++i) {
            const auto* c = static_cast<MdbColumn*>(g_ptr_array_index(tabla->columns, campos[i].colnum));
            fila.push_back(ValorDelCampo(mdb, *c, campos[i]));
        }
        resultado.filas.push_back(std::move(fila));
    }
    return resultado;
}

}  // namespace mirvalo::jet
