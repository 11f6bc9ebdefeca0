#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "UnihanData.h"

// Readings of a character and the pieces of a syllable the table stores (拼音1, 拼音2, 声母, 韵母).
namespace lumo::refdb {

// The readings with tone marks, most common first: kMandarin's mainland reading, then the other
// readings of the 2013 general-standard dictionary (kTGHZ2013) and of the Xiandai Hanyu Cidian
// (kXHC1983); only when neither lists the character, those of the Hanyu Da Zidian (at most three).
// Every reading is GBK-encodable. Empty when Unihan has no reading.
std::vector<std::string> ReadingsOf(const UnihanEntry& entry);

// "lǘ" → "lv", "qiáng" → "qiang": plain lower-case letters, ü written v as on a keyboard.
std::string PlainPinyin(std::string_view toned);

// Splits a plain syllable into initial and final. y and w count as initials; a syllable that
// starts with a vowel has an empty initial. "zhang" → zh + ang, "yan" → y + an, "an" → "" + an.
void SplitSyllable(const std::string& plain, std::string& initial, std::string& final);

}  // namespace lumo::refdb
