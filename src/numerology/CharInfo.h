#pragma once

#include <string>
#include <vector>

#include "db/SqliteDatabase.h"

namespace lumo {

// A character's attributes as stored in LM_CNWord. All texts GBK.
struct CharInfo {
    std::string hanzi;
    std::string traditional;
    int simplifiedStrokes = 0;
    int kangxiStrokes = 0;
    std::string pinyin;   // 拼音2, with tone marks
    std::string radical;
    std::string element;  // one of 金 木 水 火 土, or empty
    std::string basic;
    std::string detail;
};

// A character counts only when its row exists, it has an element and a simplified stroke count.
bool IsListed(const CharInfo& info);

// Reads one character's row; a missing row (or a database that is not ready) gives empty texts
// and zero counts, which is the unlisted result.
CharInfo LookupCharInfo(SqliteDatabase& db, const std::string& character);

// One entry of a generation run's cache: the four values that scoring needs.
struct CachedChar {
    std::string hanzi;
    int simplifiedStrokes = 0;
    int kangxiStrokes = 0;
    std::string element;
};

// Index-aligned with the run's character pool; filled once per run, read by scoring.
using CharInfoCache = std::vector<CachedChar>;

CachedChar ToCachedChar(const CharInfo& info);

// First entry whose character matches exactly; an absent character reads as unlisted.
const CachedChar& FindInCache(const CharInfoCache& cache, const std::string& character);

}  // namespace lumo
