#include "generation/EnglishNames.h"

#include <sqlite3.h>

#include <cctype>

#include "db/Gbk.h"
#include "db/ReferenceSchema.h"
#include "numerology/Characters.h"

namespace lumo {

std::string MapInitialLetter(const std::string& initial) {
    static const std::pair<const char*, const char*> map[] = {{"a", "i"},  {"c", "s"}, {"j", "g"},
                                                              {"k", "ch"}, {"o", "a"}, {"q", "ch"},
                                                              {"x", "sh"}, {"y", "e"}, {"z", "th"}};
    for (const auto& [from, to] : map)
        if (initial == from) return to;
    return initial;
}

std::optional<std::string> EnglishNameKey(SqliteDatabase& db, const std::string& givenName) {
    std::vector<std::string> chars = SplitCharacters(givenName);
    if (chars.empty()) return std::nullopt;
    static const std::string sql = Gbk("select * from LM_CNWord where 汉字=?");
    Statement st = db.Query(sql, {SqlParam::Text(chars[0])});
    std::string key = db.ColumnText(st, cnword::kInitial);
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (key.empty()) {
        std::vector<std::string> pinyin = SplitCharacters(db.ColumnText(st, cnword::kPinyin1));
        if (!pinyin.empty()) key = pinyin[0];
    }
    db.Finalize(st);
    return MapInitialLetter(key);
}

std::vector<EnglishRow> EnglishRowsFor(SqliteDatabase& db, const std::string& key,
                                       EnglishGender gender, EnglishLengthRange lengths,
                                       const std::atomic<bool>* stop) {
    std::vector<EnglishRow> rows;
    Statement st = db.Query("select * from LM_EName");
    // Query leaves the statement on its first row; a statement without data has no rows at all.
    for (bool row = st && sqlite3_data_count(st) > 0; row; row = db.NextRow(st)) {
        if (stop && stop->load(std::memory_order_relaxed)) break;
        std::string index = db.ColumnText(st, ename::kIndex2);
        if (index.empty()) index = db.ColumnText(st, ename::kIndex);
        if (index != key || db.ColumnInt(st, ename::kSex) != static_cast<int>(gender)) continue;
        std::string name = db.ColumnText(st, ename::kName);
        if (!lengths.Admits(name.size())) continue;
        rows.push_back({std::to_string(rows.size() + 1), std::move(name),
                        db.ColumnText(st, ename::kCnword), db.ColumnText(st, ename::kMean)});
    }
    db.Finalize(st);
    return rows;
}

}  // namespace lumo
