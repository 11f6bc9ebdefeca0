#pragma once

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "db/SqliteDatabase.h"
#include "generation/GenerationInputs.h"
#include "generation/NameRow.h"

// The English-name mode: English given names whose index letters sound like the initial of the
// baby's Chinese given name.
namespace lumo {

// InitialLetterMap: a pinyin initial to the index letters of LM_EName (a→i, c→s, j→g, k→ch,
// o→a, q→ch, x→sh, y→e, z→th); any other initial stays as it is.
std::string MapInitialLetter(const std::string& initial);

// The index key of a given name: the 声母 of its first character in lower case, or when that is
// empty the first letter of its 拼音1 as stored, mapped by InitialLetterMap. Empty when the
// character has no row. No value when the given name has no first character (spaces only).
std::optional<std::string> EnglishNameKey(SqliteDatabase& db, const std::string& givenName);

// The rows of LM_EName, in table order, whose index (EIndex2, or EIndex when that is empty)
// equals the key, whose Sex equals the gender code and whose name has a length in `lengths`;
// numbered from 1. Stops early, with the rows found so far, when `stop` becomes true.
std::vector<EnglishRow> EnglishRowsFor(SqliteDatabase& db, const std::string& key,
                                       EnglishGender gender, EnglishLengthRange lengths = {},
                                       const std::atomic<bool>* stop = nullptr);

}  // namespace lumo
