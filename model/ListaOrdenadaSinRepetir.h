#pragma once
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace mirvalo {

// Collects the texts a catalogue list shows: each text once, the test for "the same text" made in
// upper case (the first one met stays, as written), and the result sorted ordinally, UTF-16 code
// unit by code unit, so "Z..." comes before "c..." and "É..." after both.
//
// Catalogues on real servers can be long, so a text is looked up in a hash set of the upper-case
// forms already taken and the sort is done once at the end: n log n in all, with exactly the order
// that inserting the distinct texts one by one and sorting them stably gives.
class ListaOrdenadaSinRepetir {
public:
    // Takes `texto` unless a text equal to it in upper case was taken before.
    void Agrega(std::string_view texto);

    // The texts taken, sorted; the collection is left empty.
    std::vector<std::string> Ordenada();

private:
    std::vector<std::string> textos_;
    std::unordered_set<std::string> enMayusculas_;
};

}  // namespace mirvalo
