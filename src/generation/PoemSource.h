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

// The poem at place `index` (0 …) of the poet's list, so that two poems of one title (杂诗, 无题)
// and poems of the same title by other poets are told apart; empty texts when there is none.
struct PoemText {
    std::string content;   // 内容, the verse with its punctuation
    std::string initials;  // 首字母
    std::string notes;     // LM_诗词注记: the editors' remarks, one a line; often empty
};
PoemText PoemOfPoet(SqliteDatabase& db, const std::string& poet, int index);

// The preview page: heading "poet:title", every "。" followed by a line break, declared gb2312;
// the editors' remarks, when the poem has any, follow under 「注」 in smaller print.
std::string PoemPreviewPage(const std::string& poet, const std::string& title,
                            const std::string& content, const std::string& notes = {});

// One entry per Chinese character of the poem, with whether 首字母 holds it: punctuation of any
// kind (，。？！；：、「」《》 …) gets no box. Compared character by character: a byte search could
// match across two GBK characters.
struct PoemCharacter {
    std::string text;
    bool marked = false;
};
std::vector<PoemCharacter> PoemCharacters(const PoemText& poem);

}  // namespace lumo
