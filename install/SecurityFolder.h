#pragma once
#include <chrono>
#include <string>
#include <string_view>

namespace mirvalo {

class DM_Core;

// The product's security tool "SecurityFolder.exe", a separate program that arrives with the
// download and does what needs rights on folders, printers and registry keys. It is started with
// three arguments, an operation word, its argument and a log file, and signals that it is done by
// creating the log file; nothing else about it is awaited.
class SecurityFolder {
public:
    static constexpr std::chrono::milliseconds EsperaNormal{std::chrono::seconds(60)};

    // `espera` is how long a call waits for the tool's log file.
    explicit SecurityFolder(DM_Core& core, std::chrono::milliseconds espera = EsperaNormal);

    // The tool's installation path from the download set; empty text when it is not part of it.
    std::string Ruta() const;

    // Starts the tool at `ruta` and waits for `log` to appear. The three arguments reach the tool
    // exactly as given, one each: no shell and no command line parses them. A tool that cannot be
    // started is not told apart from one that never answers.
    bool Llama(std::string_view ruta, std::string_view operacion, std::string_view argumento,
               std::string_view log) const;

    // True as soon as a file exists at `ruta`, false once the wait is over. Window events run
    // between the tests, four times a second. A failure is logged and gives false.
    bool EsperaAQueExistaElArchivo(std::string_view ruta) const;

private:
    DM_Core& core_;
    std::chrono::milliseconds espera_;
};

}  // namespace mirvalo
