#include "generation/PoemSource.h"

#include <algorithm>

#include "db/Gbk.h"
#include "db/ReferenceSchema.h"
#include "numerology/Characters.h"

namespace lumo {
namespace {

// Column `column` of every row of the statement, which is finalised.
std::vector<std::string> ColumnOfRows(SqliteDatabase& db, Statement st, int column) {
    std::vector<std::string> values;
    if (!st) return values;
    for (bool more = !db.ColumnText(st, 0).empty(); more; more = db.NextRow(st))
        values.push_back(db.ColumnText(st, column));
    db.Finalize(st);
    return values;
}

std::string Without(std::string text, const std::string& mark) {
    for (std::size_t at; (at = text.find(mark)) != std::string::npos;) text.erase(at, mark.size());
    return text;
}

}  // namespace

std::vector<std::string> PoetNames(SqliteDatabase& db) {
    static const std::string sql = Gbk("select * from LM_Poet order by OrderId ASC");
    return ColumnOfRows(db, db.Query(sql), poet::kPoet);
}

std::vector<std::string> PoemTitles(SqliteDatabase& db, const std::string& poetName) {
    static const std::string sql = Gbk("select * from LM_全唐诗 where 作者=?");
    return ColumnOfRows(db, db.Query(sql, {SqlParam::Text(poetName)}), poem::kTitle);
}

PoemText PoemByTitle(SqliteDatabase& db, const std::string& title) {
    static const std::string sql = Gbk("select * from LM_全唐诗 where 标题=?");
    Statement st = db.Query(sql, {SqlParam::Text(title)});
    PoemText p{db.ColumnText(st, poem::kContent), db.ColumnText(st, poem::kInitials)};
    db.Finalize(st);
    return p;
}

std::string PoemPreviewPage(const std::string& poetName, const std::string& title, const std::string& content) {
    static const std::string period = Gbk("。");
    std::string text = content;
    for (std::size_t at = 0; (at = text.find(period, at)) != std::string::npos; at += period.size() + 4)
        text.insert(at + period.size(), "<br>");
    const std::string heading = poetName + ":" + title;
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\"><title>" + heading +
           "</title></head><body><b>" + heading + "</b><br><br>" + text + "</body><html>";
}

std::vector<PoemCharacter> PoemCharacters(const PoemText& poem) {
    std::vector<std::string> marks = SplitCharacters(poem.initials);
    std::vector<PoemCharacter> out;
    for (std::string& c : SplitCharacters(Without(Without(poem.content, Gbk("，")), Gbk("。")))) {
        bool marked = std::find(marks.begin(), marks.end(), c) != marks.end();
        out.push_back({std::move(c), marked});
    }
    return out;
}

}  // namespace lumo
