#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "webapi/ValorJson.h"

// The Web API's transfer records: one public field per key of a request or an answer, named like
// the key. They carry no behaviour; the client writes and reads them.
namespace mirvalo {

struct Dto_IniciaRq {
    int16_t Id = 0;
};

struct Dto_IniciaRp {
    int32_t Id = 0;
    std::string Nombre;
    bool Activa = false;
    int16_t Revision = 0;
    int16_t TipoAsistente = 0;
    int16_t TipoPlataforma = 0;
    std::string NombrePlataforma;
    std::string VersionPlataforma;
};

struct Dto_InstitucionRq {
    std::string IDMirvalo;
};

struct Dto_InstitucionRp {
    int16_t IdVersion = 0;
    std::string Version;
    // The decoded items, each meant to be a keyed object; the institution reads their keys.
    ListaJson Aplicaciones;
};

struct Dto_Aplicacion {
    int16_t IdAplicacion = 0;
    std::string IdNivel;
};

struct Dto_ArchivosRq {
    int32_t IdDescargas = 0;
    int16_t IdTipoPlataforma = 0;
    int16_t IdTipoAsistente = 0;
    std::vector<Dto_Aplicacion> Aplicaciones;
};

struct Dto_FalloRq {
    int32_t Id_Descarga = 0;
    std::string Modulo;
    std::string Procedimiento;
    int32_t NoError = 0;
    std::string DescripcionError;
};

struct Dto_DetalleRq {
    int32_t Id_Descarga = 0;
    int32_t Id_Paso = 0;
    int16_t Status = 0;  // 1 done, 0 failed
    std::string Descripcion;
};

}  // namespace mirvalo
