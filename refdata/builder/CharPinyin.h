#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "UnihanData.h"

// Readings of a character and the pieces of a syllable the table stores (拼音1, 拼音2, 声母, 韵母).
namespace lumo::refdb {

// The readings with tone marks, the main one first. A character of the 2013 general-standard
// dictionary (kTGHZ2013) takes exactly that dictionary's readings: it lists neither readings that
// belong to another character (市 fú is 巿's) nor tone sandhi (七 qí, 一 yí, 不 bú), which the
// Xiandai Hanyu Cidian's entries in Unihan (kXHC1983) carry. The main reading is the one modern
// texts use most (kHanyuPinlu's counts), else kMandarin's, never a neutral tone when a full one
// exists. Other characters: kMandarin, then kXHC1983; only when neither lists the character, the
// Hanyu Da Zidian's (at most three). Every reading is GBK-encodable. Empty when Unihan has none.
std::vector<std::string> ReadingsOf(const UnihanEntry& entry);

// "lǘ" → "lv", "qiáng" → "qiang": plain lower-case letters, ü written v as on a keyboard.
std::string PlainPinyin(std::string_view toned);

// Splits a plain syllable into initial and final. y and w count as initials; a syllable that
// starts with a vowel has an empty initial. "zhang" → zh + ang, "yan" → y + an, "an" → "" + an.
void SplitSyllable(const std::string& plain, std::string& initial, std::string& final);

}  // namespace lumo::refdb
