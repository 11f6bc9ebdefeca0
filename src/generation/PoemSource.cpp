#include "generation/PoemSource.h"

#include <sqlite3.h>

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

// A GBK character that is a Chinese character: GB2312's characters (rows B0–F7) and GBK's added
// characters (lead bytes 81–A0, and AA–FE with a low trail byte). The symbol rows A1–A9 and the
// user-defined areas hold no characters of a verse.
bool IsChineseCharacter(const std::string& c) {
    if (c.size() != 2) return false;
    auto lead = static_cast<unsigned char>(c[0]), trail = static_cast<unsigned char>(c[1]);
    if (lead >= 0xB0 && lead <= 0xF7 && trail >= 0xA1) return true;
    if (lead >= 0x81 && lead <= 0xA0) return true;
    return lead >= 0xAA && lead <= 0xFE && trail < 0xA1;
}

std::string EscapedHtml(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else if (c == '\n')
            out += "<br>";
        else
            out += c;
    }
    return out;
}

}  // namespace

std::vector<std::string> PoetNames(SqliteDatabase& db) {
    static const std::string sql = Gbk("select * from LM_Poet order by OrderId ASC");
    return ColumnOfRows(db, db.Query(sql), poet::kPoet);
}

std::vector<std::string> PoemTitles(SqliteDatabase& db, const std::string& poetName) {
    static const std::string sql = Gbk("select * from LM_全唐诗 where 作者=? order by Id");
    return ColumnOfRows(db, db.Query(sql, {SqlParam::Text(poetName)}), poem::kTitle);
}

PoemText PoemOfPoet(SqliteDatabase& db, const std::string& poetName, int index) {
    static const std::string sql =
        Gbk("select * from LM_全唐诗 where 作者=? order by Id limit 1 offset ?");
    static const std::string notesSql = Gbk("select * from LM_诗词注记 where Id=?");
    Statement st =
        db.Query(sql, {SqlParam::Text(poetName), SqlParam::Integer(index < 0 ? 0 : index)});
    if (index < 0 || !st || sqlite3_data_count(st) == 0) {
        db.Finalize(st);
        return {};
    }
    PoemText p{db.ColumnText(st, poem::kContent), db.ColumnText(st, poem::kInitials), {}};
    long long id = db.ColumnInt(st, poem::kId);
    db.Finalize(st);
    Statement ns = db.Query(notesSql, {SqlParam::Integer(id)});
    if (ns && sqlite3_data_count(ns) > 0) p.notes = db.ColumnText(ns, poemnote::kNotes);
    db.Finalize(ns);
    return p;
}

std::string PoemPreviewPage(const std::string& poetName, const std::string& title,
                            const std::string& content, const std::string& notes) {
    static const std::string period = Gbk("。");
    std::string text = content;
    for (std::size_t at = 0; (at = text.find(period, at)) != std::string::npos;
         at += period.size() + 4)
        text.insert(at + period.size(), "<br>");
    const std::string heading = poetName + ":" + title;
    if (!notes.empty()) text += Gbk("<br><small><b>注</b><br>") + EscapedHtml(notes) + "</small>";
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
           "charset=gb2312\"><title>" +
           heading + "</title></head><body><b>" + heading + "</b><br><br>" + text + "</body><html>";
}

std::vector<PoemCharacter> PoemCharacters(const PoemText& poem) {
    std::vector<std::string> marks = SplitCharacters(poem.initials);
    std::vector<PoemCharacter> out;
    for (std::string& c : SplitCharacters(poem.content)) {
        if (!IsChineseCharacter(c)) continue;
        bool marked = std::find(marks.begin(), marks.end(), c) != marks.end();
        out.push_back({std::move(c), marked});
    }
    return out;
}

}  // namespace lumo
