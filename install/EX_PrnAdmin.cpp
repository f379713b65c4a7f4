#include "install/EX_PrnAdmin.h"

#include <exception>

#include "platform/ImpresoraAdministracion.h"

namespace mirvalo {

bool EX_PrnAdmin::AddPrinter(const std::string& sPrinterName, const std::string& sPortName,
                             const std::string& sDriver, const std::string& sComment) const {
    try {
        impresoras::Impresora registro;
        registro.comentario = sComment;
        registro.controlador = sDriver;
        if (!PrinterPortExists(sPortName)) CreatePrinterPort(sPortName);
        registro.puerto = sPortName;
        registro.nombre = sPrinterName;
        registro.procesador = "WinPrint";
        impresoras::AgregaImpresora(registro);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void EX_PrnAdmin::CreatePrinterPort(const std::string& sPortName) const {
    impresoras::AgregaPuerto({sPortName, impresoras::PuertoLocal});
}

void EX_PrnAdmin::DeletePrinter(const std::string& sPrinterName) const {
    try {
        for (const impresoras::Impresora& impresora : impresoras::Impresoras()) {
            if (impresora.nombre != sPrinterName) continue;
            const std::string puerto = impresora.puerto;
            try {
                impresoras::EliminaImpresora(impresora.nombre);
            } catch (const std::exception&) {
            }
            try {
                DeletePrinterPort(puerto);
            } catch (const std::exception&) {
            }
            return;
        }
    } catch (const std::exception&) {
        // Without the printer collection there is nothing to delete.
    }
}

void EX_PrnAdmin::DeletePrinterPort(const std::string& sPortName) const {
    for (const impresoras::Puerto& puerto : impresoras::Puertos()) {
        if (puerto.nombre != sPortName) continue;
        if (!NotUsedPort(sPortName).empty()) return;
        impresoras::EliminaPuerto(puerto.nombre);
        return;
    }
}

std::string EX_PrnAdmin::NotUsedPort(const std::string& sPortName) const {
    for (const impresoras::Impresora& impresora : impresoras::Impresoras()) {
        if (impresora.puerto == sPortName) return impresora.nombre;
    }
    return {};
}

bool EX_PrnAdmin::PrinterExists(const std::string& sPrinterName) const {
    for (const impresoras::Impresora& impresora : impresoras::Impresoras()) {
        if (impresora.nombre == sPrinterName) return true;
    }
    return false;
}

bool EX_PrnAdmin::PrinterPortExists(const std::string& sPortName) const {
    for (const impresoras::Puerto& puerto : impresoras::Puertos()) {
        if (puerto.nombre == sPortName) return true;
    }
    return false;
}

}  // namespace mirvalo
