#pragma once
#include <string_view>

// Text comparison of the engine's "General" sort order, the one ORDER BY, DISTINCT and = use on
// text: upper and lower case are the same text; accents separate texts but sort next to their
// letter ("a" < "á" < "b"); blanks and punctuation sort before digits, digits before letters.
namespace mirvalo::jet {

// <0, 0, >0. Zero exactly when IgualesParaJet.
int ComparaTextoJet(std::string_view a, std::string_view b);
bool IgualesParaJet(std::string_view a, std::string_view b);

}  // namespace mirvalo::jet
