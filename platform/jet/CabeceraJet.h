#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace mirvalo::jet {

enum class VersionJet { Jet3, Jet4 };

// What the first page of a database tells before any table is read.
struct CabeceraJet {
    VersionJet version = VersionJet::Jet4;
    std::u16string contrasena;  // the database password; empty when there is none

    // Reads the page 0 bytes (at least the first 0x98). nullopt when they are not the start of a
    // Jet 3 or Jet 4 database (Access 2007 and later files are not for the Jet 4 provider).
    static std::optional<CabeceraJet> Lee(std::span<const uint8_t> primeraPagina);
};

}  // namespace mirvalo::jet
