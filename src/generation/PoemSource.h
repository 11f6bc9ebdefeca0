#pragma once

#include <string>
#include <vector>

#include "db/SqliteDatabase.h"

// The poetry page's reads of LM_Poet and LM_全唐诗, and the poem preview page. Texts are GBK.
namespace lumo {

// Every poet, most poems first (OrderId).
std::vector<std::string> PoetNames(SqliteDatabase& db);

// The titles of one poet's poems, in table order.
std::vector<std::string> PoemTitles(SqliteDatabase& db, const std::string& poet);

// The first poem of that title in table order; empty texts when there is none.
struct PoemText {
    std::string content;   // 内容, punctuation kept
    std::string initials;  // 首字母
};
PoemText PoemByTitle(SqliteDatabase& db, const std::string& title);

// The preview page: heading "poet:title", every "。" followed by a line break, declared gb2312.
std::string PoemPreviewPage(const std::string& poet, const std::string& title, const std::string& content);

// One entry per character of the poem without "，" and "。", with whether 首字母 holds it. Compared
// character by character: a byte search could match across two GBK characters.
struct PoemCharacter {
    std::string text;
    bool marked = false;
};
std::vector<PoemCharacter> PoemCharacters(const PoemText& poem);

}  // namespace lumo
