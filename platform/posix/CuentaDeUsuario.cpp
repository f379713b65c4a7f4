#include "platform/CuentaDeUsuario.h"

#include "platform/posix/CuentaDeUsuario.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace mirvalo::sistema {
namespace {

void AgregaNombre(gid_t grupo, std::vector<std::string>& nombres) {
    std::vector<char> memoria(1024);
    group datos{};
    group* encontrado = nullptr;
    // The entry may not fit the buffer: grow it within a sane limit.
    while (getgrgid_r(grupo, &datos, memoria.data(), memoria.size(), &encontrado) == ERANGE &&
           memoria.size() < (1u << 20))
        memoria.resize(memoria.size() * 2);
    if (encontrado && encontrado->gr_name &&
        std::find(nombres.begin(), nombres.end(), encontrado->gr_name) == nombres.end())
        nombres.emplace_back(encontrado->gr_name);
}

std::vector<gid_t> GruposDelProceso() {
    const int cuantos = getgroups(0, nullptr);
    if (cuantos <= 0) return {getegid()};
    std::vector<gid_t> grupos(static_cast<std::size_t>(cuantos));
    const int leidos = getgroups(cuantos, grupos.data());
    grupos.resize(leidos > 0 ? static_cast<std::size_t>(leidos) : 0);
    grupos.push_back(getegid());
    return grupos;
}

std::vector<gid_t> GruposDeLaBaseDeDatos() {
    const passwd* cuenta = getpwuid(getuid());
    if (!cuenta || !cuenta->pw_name) return {};
    int cuantos = 32;
    std::vector<gid_t> grupos;
    // getgrouplist says how many it needs when the list is too small; never past what it allows.
    for (int intento = 0; intento < 4; ++intento) {
        grupos.resize(static_cast<std::size_t>(cuantos));
        int capacidad = cuantos;
        if (getgrouplist(cuenta->pw_name, cuenta->pw_gid, grupos.data(), &capacidad) >= 0) {
            grupos.resize(static_cast<std::size_t>(capacidad));
            return grupos;
        }
        if (capacidad <= cuantos) break;
        cuantos = capacidad;
    }
    return {};
}

}  // namespace

bool EsAdministradorSegun(uid_t usuario, const std::vector<std::string>& grupos) {
    if (usuario == 0) return true;
    return std::any_of(grupos.begin(), grupos.end(), [](const std::string& grupo) {
        return grupo == "sudo" || grupo == "wheel" || grupo == "admin";
    });
}

std::vector<std::string> GruposDeLaCuenta() {
    std::vector<std::string> nombres;
    for (gid_t grupo : GruposDelProceso()) AgregaNombre(grupo, nombres);
    for (gid_t grupo : GruposDeLaBaseDeDatos()) AgregaNombre(grupo, nombres);
    return nombres;
}

bool EsCuentaDeAdministrador() {
    // The real user id is the account; the effective one may be elevated or dropped.
    return EsAdministradorSegun(getuid(), GruposDeLaCuenta()) || geteuid() == 0;
}

}  // namespace mirvalo::sistema
