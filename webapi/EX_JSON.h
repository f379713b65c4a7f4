#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "webapi/ValorJson.h"

namespace mirvalo {

// A lenient, single-pass JSON reader. Beyond standard JSON it accepts keys without quotation
// marks, texts in single quotation marks, comments, parentheses between tokens and missing
// commas. It never throws: what it cannot read it leaves out of the tree and notes in the
// diagnostics text. Positions in the diagnostics count UTF-16 code units from 1.
class EX_JSON {
public:
    // The object or list read from `texto` (complete or not), or nullopt when the input does not
    // begin, after skipping, with "{" or "[". Never throws.
    std::optional<ValorJson> parse(std::string_view texto);
    const std::string& GetParserErrors() const { return errores_; }
    void ClearParserErrors() { errores_.clear(); }

private:
    std::string errores_;
};

}  // namespace mirvalo
