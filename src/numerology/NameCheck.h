#pragma once

#include <optional>
#include <string>
#include <vector>

#include "db/SqliteDatabase.h"

// Whether a typed text can stand as a family name or a given name, and what a score cannot
// represent about a name. Texts are GBK.
namespace lumo {

// True for one GBK character in a Chinese-character area (GB2312 hanzi and the GBK extensions);
// punctuation, symbols, full-width letters and ASCII are not.
bool IsChineseCharacter(const std::string& character);

// The longest names a box accepts, in characters. The family-name table's longest entries have two
// characters; four leave room for a joined family name (张王) typed by hand. Only the first two
// characters of either part enter the score, so four is plenty for a given name as well.
inline constexpr std::size_t kFamilyNameMaxChars = 4;
inline constexpr std::size_t kGivenNameMaxChars = 4;

// The message for a family name longer than kFamilyNameMaxChars; nothing otherwise.
std::optional<std::string> FamilyNameLengthProblem(const std::string& family);
// The same for a given name and kGivenNameMaxChars.
std::optional<std::string> GivenNameLengthProblem(const std::string& given);

// The message for a family name that is too long or not made of Chinese characters ("Li",
// "李 ", "李1"); nothing for a valid one. An empty text is left to the callers, who ask for it by
// name.
std::optional<std::string> FamilyNameProblem(const std::string& family);
// The same for a given name.
std::optional<std::string> GivenNameProblem(const std::string& given);

// What the score of a name leaves out, one sentence each: a family name or a given name of more
// than two characters (only the first two enter the grids), and every character the dictionary
// does not list (it counts 0 strokes). Empty when the score can be trusted.
std::vector<std::string> ScoringWarnings(SqliteDatabase& db, const std::string& family,
                                         const std::string& given);

}  // namespace lumo
