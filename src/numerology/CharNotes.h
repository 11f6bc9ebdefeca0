#pragma once

#include <map>
#include <string>
#include <vector>

#include "db/SqliteDatabase.h"

// The reviewed notes the reference data keeps beside each character (LM_用字注记): where its
// element came from, and why it is unsuitable for a given name. Texts are GBK.
namespace lumo {

struct CharNote {
    std::string elementOrigin;  // 审定, 例外, 部首 or 读音; empty for a character without a note
    std::string unsuitable;  // the reason, or empty
};

CharNote LookupCharNote(SqliteDatabase& db, const std::string& character);

// Every unsuitable character with its reason, read once per generation run.
using UnsuitableChars = std::map<std::string, std::string>;
UnsuitableChars LoadUnsuitableChars(SqliteDatabase& db);

// The characters of `chars` that `skip` holds, in order, each once.
std::vector<std::string> UnsuitableAmong(const std::vector<std::string>& chars,
                                         const UnsuitableChars& skip);

// Removes the characters that `skip` holds, keeping the order of the rest.
void DropUnsuitable(std::vector<std::string>& chars, const UnsuitableChars& skip);

// 「不宜取名：理由」, the mark the dictionary and the character pages show; empty when suitable.
std::string UnsuitableMark(const CharNote& note);

}  // namespace lumo
