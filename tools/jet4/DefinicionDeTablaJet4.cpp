#include "tools/jet4/DefinicionDeTablaJet4.h"

#include <stdexcept>

#include "platform/Texto.h"
#include "tools/jet4/FilaJet4.h"

namespace mirvalo::jet4 {
namespace {

constexpr uint8_t TablaDeUsuario = 0x4E;
constexpr uint8_t TablaDeSistema = 0x53;
constexpr uint8_t ColumnaFija = 0x01;
constexpr uint8_t ColumnaQueAdmiteNulos = 0x02;
constexpr uint8_t UnicodeComprimido = 0x01;
constexpr uint16_t OrdenGeneral = 0x0409;

}  // namespace

Bytes ComponeLaDefinicionDeTabla(const std::vector<Columna>& columnas, const DatosDeLaDefinicion& datos) {
    if (columnas.empty() || columnas.size() > 255)
        throw std::invalid_argument("una tabla tiene de 1 a 255 columnas");
    const DisposicionDeColumnas disposicion = DisponeLasColumnas(columnas);

    Bytes d(63, 0);
    d[0] = 0x02;
    d[1] = 0x01;
    Pon32(d, 16, datos.filas);
    d[40] = datos.deSistema ? TablaDeSistema : TablaDeUsuario;
    Pon16(d, 41, static_cast<uint32_t>(columnas.size()));  // most columns a row has
    Pon16(d, 43, disposicion.columnasVariables);
    Pon16(d, 45, static_cast<uint32_t>(columnas.size()));
    // 47 and 51: no logical and no physical index.
    Pon32(d, 55, datos.mapaDePaginasUsadas);
    Pon32(d, 59, datos.mapaDePaginasLibres);

    for (std::size_t i = 0; i < columnas.size(); ++i) {
        const Columna& c = columnas[i];
        Bytes descriptor(25, 0);
        descriptor[0] = static_cast<uint8_t>(c.tipo);
        Pon16(descriptor, 5, static_cast<uint32_t>(i));
        Pon16(descriptor, 7, disposicion.indiceVariable[i]);
        Pon16(descriptor, 9, static_cast<uint32_t>(i));
        if (c.tipo == TipoDeColumna::Texto) Pon16(descriptor, 11, OrdenGeneral);
        descriptor[15] =
            static_cast<uint8_t>((disposicion.esFija[i] ? ColumnaFija : 0) | ColumnaQueAdmiteNulos);
        if (c.tipo == TipoDeColumna::Texto && c.textoComprimido) descriptor[16] = UnicodeComprimido;
        Pon16(descriptor, 21, disposicion.desplazamientoFijo[i]);
        Pon16(descriptor, 23, LongitudDeLaColumna(c));
        d.insert(d.end(), descriptor.begin(), descriptor.end());
    }
    for (const Columna& c : columnas) {
        const std::u16string nombre = texto::AUtf16(c.nombre);
        if (nombre.empty() || nombre.size() > 64)
            throw std::invalid_argument("nombre de columna no válido: " + c.nombre);
        Agrega16(d, static_cast<uint32_t>(nombre.size() * 2));
        for (char16_t u : nombre) Agrega16(d, u);
    }
    if (d.size() > TamanoDePagina)
        throw std::invalid_argument("la definición de la tabla no cabe en una página");

    Pon32(d, 8, static_cast<uint32_t>(d.size()));  // length of the definition
    const std::size_t libre = TamanoDePagina - d.size();
    Pon16(d, 2, static_cast<uint32_t>(libre >= 8 ? libre - 8 : 0));
    d.resize(TamanoDePagina, 0);
    return d;
}

}  // namespace mirvalo::jet4
