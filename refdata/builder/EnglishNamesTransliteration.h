#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "EnglishNamesPhonemes.h"

// Chinese transliteration of English given names by the usual conventions: the name is cut into
// syllables of one consonant and one vowel (a consonant standing alone is a syllable of its own),
// and every syllable is written with the character our syllable table gives it. The vowel comes
// from the pronunciation; where the pronunciation has a weak vowel, the spelling decides
// (Thomas 托马斯, Linda 琳达).
namespace lumo::refdb {

// refdata/english/syllables.tsv: one row per consonant, one column per vowel; a cell holds the
// characters of that syllable, optionally followed by "/" and the form used in women's names.
class SyllableTable {
  public:
    bool Load(const std::filesystem::path& path, std::string& error);
    // The characters of a syllable, or an empty text when the table has none.
    // `onset` is a consonant code ("0" for none); `vowel` a column code ("单" for no vowel).
    std::string Lookup(const std::string& onset, const std::string& vowel, bool female) const;

  private:
    std::map<std::pair<std::string, std::string>, std::pair<std::string, std::string>> cells_;
};

// One syllable before it is written: consonant code and vowel column.
struct Syllable {
    std::string onset;
    std::string vowel;
    bool operator==(const Syllable&) const = default;
};

// Cuts a word (letters only) into syllables from its phonemes and spelling.
std::vector<Syllable> SyllablesOf(const std::string& word, const std::vector<Phoneme>& phonemes);

// Writes the syllables with the table; women's names take the feminine characters.
std::string WriteSyllables(const std::vector<Syllable>& syllables, const SyllableTable& table,
                           bool female);

}  // namespace lumo::refdb
