#pragma once
#include <string>

namespace mirvalo {

// Printer administration: a thin layer over the spooler's printer and port collections. It keeps
// no state; every operation reads the collections afresh. Names are compared exactly (same
// characters, same letter case), and each walk stops at the first match in collection order.
class EX_PrnAdmin {
public:
    // Adds a printer on a port (created first when no port of that name exists) with the
    // "WinPrint" print processor. False on any failure; a port created on the way stays.
    bool AddPrinter(const std::string& sPrinterName, const std::string& sPortName, const std::string& sDriver,
                    const std::string& sComment) const;

    // Adds a local port (a device or a file path). Raises Error on failure.
    void CreatePrinterPort(const std::string& sPortName) const;

    // Deletes the first printer of that name, then its port if no other printer uses it. Every
    // failure is ignored: the failing action is skipped and the next one runs.
    void DeletePrinter(const std::string& sPrinterName) const;

    // Deletes the first port of that name unless a printer uses it. Raises Error on failure.
    void DeletePrinterPort(const std::string& sPortName) const;

    // The name of the first printer whose port is sPortName; empty when no printer uses it.
    // (It names a user of the port, whatever its name suggests.) Raises Error on failure.
    std::string NotUsedPort(const std::string& sPortName) const;

    bool PrinterExists(const std::string& sPrinterName) const;   // raises Error on failure
    bool PrinterPortExists(const std::string& sPortName) const;  // raises Error on failure
};

}  // namespace mirvalo
