#include "reports/CharacterPages.h"

#include <array>
#include <vector>

#include "content/FileOutput.h"
#include "content/GbkText.h"
#include "db/Gbk.h"
#include "db/ReferenceSchema.h"
#include "numerology/CharNotes.h"
#include "numerology/Characters.h"
#include "reports/PageTemplates.h"

namespace lumo {
namespace {

// The given columns of the first row of a one-key query; empty texts when there is no row.
std::vector<std::string> FirstRow(SqliteDatabase& db, const std::string& sql,
                                  const std::string& key, const std::vector<int>& columns) {
    std::vector<std::string> values(columns.size());
    Statement st = db.Query(sql, {SqlParam::Text(key)});
    if (!st) return values;
    for (std::size_t i = 0; i < columns.size(); ++i) values[i] = db.ColumnText(st, columns[i]);
    db.Finalize(st);
    return values;
}

// The explanation as the page shows it: its lines kept apart (the English gloss stands on a line
// of its own), and the character's 「不宜取名」 in red — the reviewed list's reason when the text
// does not already give one.
std::string MarkedBasicText(SqliteDatabase& db, const std::string& character, std::string text) {
    const std::string mark = UnsuitableMark(LookupCharNote(db, character));
    const std::string word = Gbk("不宜取名");
    if (!mark.empty() && !gbk::Contains(text, word))
        text += (text.empty() ? "" : Gbk("　")) + mark + Gbk("。");
    const std::size_t at = gbk::Find(text, word);
    if (at != std::string::npos) {
        // From the mark to the end of its sentence.
        std::size_t end = gbk::Find(text, Gbk("。"), at);
        end = end == std::string::npos ? text.size() : end + 2;
        text = text.substr(0, at) + "<font color=\"#CC0000\"><b>" + text.substr(at, end - at) +
               "</b></font>" + text.substr(end);
    }
    return gbk::ReplaceAll(text, "\n", "<br />");
}

}  // namespace

std::string CharacterPageText(SqliteDatabase& db, const std::string& character) {
    const std::vector<int> columns = {cnword::kPinyin2, cnword::kSimplifiedStrokes,
                                      cnword::kRadical, cnword::kKangxiStrokes,
                                      cnword::kBasic,   cnword::kDetail,
                                      cnword::kElement, cnword::kTraditional};
    std::vector<std::string> v =
        FirstRow(db, Gbk("select * from LM_CNWord where 汉字=?"), character, columns);
    static const std::array<const char*, 8> kPlaceholders = {
        "{拼音}",     "{简体笔划}", "{部首}", "{繁体笔划}",
        "{基本解释}", "{详细解释}", "{五行}", "{繁体}"};
    // A character the table lacks says so instead of showing empty labels.
    if (v[1].empty() && !character.empty()) v[4] = Gbk("字库未收录此字。");
    v[4] = MarkedBasicText(db, character, v[4]);
    std::string page = gbk::ReplaceAll(CharacterPageTemplate(), Gbk("{汉字}"), character);
    for (std::size_t i = 0; i < kPlaceholders.size(); ++i)
        page = gbk::ReplaceAll(page, Gbk(kPlaceholders[i]), v[i]);
    return page;
}

int CharacterPage(SqliteDatabase& db, const std::string& character, int n,
                  const DataFolder& folder) {
    WriteFileAtomically(folder.File("temp" + std::to_string(n) + ".html"),
                        CharacterPageText(db, character));
    return 1;
}

std::string SurnamePageText(SqliteDatabase& db, const std::string& familyName) {
    std::vector<std::string> v = FirstRow(db, Gbk("select * from LM_百家姓 where 姓=?"), familyName,
                                          {surname::kOrigin, surname::kRegions, surname::kFamous});
    std::string page = gbk::ReplaceAll(SurnamePageTemplate(), Gbk("{姓氏}"), familyName);
    page = gbk::ReplaceAll(page, Gbk("{姓氏起源}"), v[0]);
    page = gbk::ReplaceAll(page, Gbk("{聚集地}"), v[1]);
    return gbk::ReplaceAll(page, Gbk("{历史名人}"), v[2]);
}

void SurnamePage(SqliteDatabase& db, const std::string& familyName, const DataFolder& folder) {
    WriteFileAtomically(folder.File("temp5.html"), SurnamePageText(db, familyName));
}

std::string LookUpCharacter(SqliteDatabase& db, const std::string& typedText,
                            const DataFolder& folder) {
    // Spaces are slips of the keyboard; several characters give one entry each, on one page.
    const std::vector<std::string> chars = SplitCharacters(WithoutSpaces(typedText));
    std::string page = CharacterPageText(db, chars.empty() ? typedText : chars.front());
    if (chars.size() > 1) {
        const std::string open = "<body", close = "</body>";
        const std::size_t end = page.rfind(close);
        std::string bodies;
        for (std::size_t i = 1; i < chars.size(); ++i) {
            const std::string next = CharacterPageText(db, chars[i]);
            const std::size_t from = next.find('>', next.find(open)) + 1, to = next.rfind(close);
            bodies += "<hr />" + next.substr(from, to - from);
        }
        if (end != std::string::npos) page.insert(end, bodies);
        page = gbk::ReplaceAll(page, "<title>" + chars.front() + "</title>",
                               "<title>" + WithoutSpaces(typedText) + "</title>");
    }
    WriteFileAtomically(folder.File("temp.html"), page);
    return Gbk(" 汉字[ ") + (chars.empty() ? typedText : WithoutSpaces(typedText)) +
           Gbk(" ]的详细解释");
}

}  // namespace lumo
