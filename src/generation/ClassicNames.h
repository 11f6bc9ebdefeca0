#pragma once

#include <string>
#include <vector>

#include "generation/GenerationInputs.h"

// The classic mode: ready-made names printed as one text, no database and no scoring.
namespace lumo {

// The entries of a classic run before shuffling: the items of the sex's given-name list for
// two-character names, the characters of the sex's classic pool for one-character names.
std::vector<std::string> ClassicEntries(Sex sex, int nameLength);

// Lays the entries out as 编辑框_经典名字 shows them: family name + entry + separator (two spaces
// for two-character names, three for one-character ones), and an empty line after every 14th
// (two-character) or 16th (one-character) name. Every entry is printed, repeats included.
std::string LayOutClassicNames(const std::vector<std::string>& entries, int nameLength,
                               const std::string& family);

// A whole classic run's text: the entries shuffled, then laid out.
std::string ClassicText(Sex sex, int nameLength, const std::string& family);

}  // namespace lumo
