#include "numerology/CharNotes.h"

#include <algorithm>

#include "db/Gbk.h"
#include "db/ReferenceSchema.h"

namespace lumo {

CharNote LookupCharNote(SqliteDatabase& db, const std::string& character) {
    static const std::string sql = Gbk("select * from LM_用字注记 where 汉字=?");
    Statement st = db.Query(sql, {SqlParam::Text(character)});
    CharNote note{db.ColumnText(st, charnote::kElementOrigin),
                  db.ColumnText(st, charnote::kUnsuitable)};
    db.Finalize(st);
    return note;
}

UnsuitableChars LoadUnsuitableChars(SqliteDatabase& db) {
    static const std::string sql = Gbk("select * from LM_用字注记 where 不宜取名<>''");
    UnsuitableChars out;
    Statement st = db.Query(sql);
    // Query leaves the statement on its first row; a database without notes has no rows at all.
    for (bool row = !db.ColumnText(st, charnote::kHanzi).empty(); row; row = db.NextRow(st))
        out.emplace(db.ColumnText(st, charnote::kHanzi), db.ColumnText(st, charnote::kUnsuitable));
    db.Finalize(st);
    return out;
}

std::vector<std::string> UnsuitableAmong(const std::vector<std::string>& chars,
                                         const UnsuitableChars& skip) {
    std::vector<std::string> found;
    for (const std::string& c : chars)
        if (skip.count(c) && std::find(found.begin(), found.end(), c) == found.end())
            found.push_back(c);
    return found;
}

void DropUnsuitable(std::vector<std::string>& chars, const UnsuitableChars& skip) {
    if (skip.empty()) return;
    chars.erase(std::remove_if(chars.begin(), chars.end(),
                               [&skip](const std::string& c) { return skip.count(c) > 0; }),
                chars.end());
}

std::string UnsuitableMark(const CharNote& note) {
    return note.unsuitable.empty() ? std::string() : Gbk("不宜取名：") + note.unsuitable;
}

}  // namespace lumo
