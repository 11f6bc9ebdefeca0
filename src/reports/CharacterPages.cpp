#include "reports/CharacterPages.h"

#include <array>
#include <vector>

#include "content/FileOutput.h"
#include "content/GbkText.h"
#include "db/Gbk.h"
#include "db/ReferenceSchema.h"
#include "numerology/CharNotes.h"
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

}  // namespace

std::string CharacterPageText(SqliteDatabase& db, const std::string& character) {
    const std::vector<int> columns = {cnword::kPinyin2, cnword::kSimplifiedStrokes,
                                      cnword::kRadical, cnword::kKangxiStrokes,
                                      cnword::kBasic,   cnword::kDetail};
    std::vector<std::string> v =
        FirstRow(db, Gbk("select * from LM_CNWord where 汉字=?"), character, columns);
    static const std::array<const char*, 6> kPlaceholders = {
        "{拼音}", "{简体笔划}", "{部首}", "{繁体笔划}", "{基本解释}", "{详细解释}"};
    // A character the reviewed list advises against says so above its explanation, in red.
    const std::string mark = UnsuitableMark(LookupCharNote(db, character));
    if (!mark.empty())
        v[4] = Gbk("<font color=\"#CC0000\"><b>") + mark + Gbk("</b></font><br />") + v[4];
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
    WriteFileAtomically(folder.File("temp.html"), CharacterPageText(db, typedText));
    return Gbk(" 汉字[ ") + typedText + Gbk(" ]的详细解释");
}

}  // namespace lumo
