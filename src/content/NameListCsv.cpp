#include "content/NameListCsv.h"

#include "content/FileOutput.h"
#include "db/Gbk.h"
#include "numerology/CharInfo.h"
#include "numerology/Characters.h"

namespace lumo {
namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

// One CSV field of a GBK text, in UTF-8.
std::string Field(const std::string& gbk) {
    std::string utf8 = GbkToUtf8(gbk);
    if (utf8.find_first_of(",\"\r\n") == std::string::npos) return utf8;
    std::string quoted = "\"";
    for (char c : utf8) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string Line(const std::vector<std::string>& gbkFields) {
    std::string line;
    for (std::size_t i = 0; i < gbkFields.size(); ++i) line += (i ? "," : "") + Field(gbkFields[i]);
    return line + "\r\n";
}

PinyinOf ReadingsOf(SqliteDatabase& db) {
    return [&db](const std::string& name) { return NamePinyin(db, name); };
}

}  // namespace

std::string NamePinyin(SqliteDatabase& db, const std::string& gbkName) {
    std::string pinyin;
    for (const std::string& c : SplitCharacters(gbkName)) {
        std::string reading = LookupCharInfo(db, c).pinyin;
        reading = reading.substr(0, reading.find(','));
        pinyin += (pinyin.empty() ? "" : " ") + (reading.empty() ? c : reading);
    }
    return pinyin;
}

std::string NameListCsv(const std::vector<NameRow>& rows, const PinyinOf& pinyinOf) {
    std::string csv = kByteOrderMark;
    csv += Line({Gbk("编号"), Gbk("姓名"), Gbk("拼音"), Gbk("简体笔划"), Gbk("繁体笔划"),
                 Gbk("五行"), Gbk("五格"), Gbk("三才"), Gbk("评分")});
    for (const NameRow& r : rows) {
        if (r.number.empty()) break;
        csv += Line({r.number, r.name, pinyinOf(r.name), r.simplifiedStrokes, r.traditionalStrokes,
                     r.elements, r.grids, r.threeTalents, r.score});
    }
    return csv;
}

std::string ClassicNamesCsv(const std::string& gbkText, const PinyinOf& pinyinOf) {
    std::string csv = kByteOrderMark + Line({Gbk("姓名"), Gbk("拼音")});
    std::size_t at = 0;
    while (at < gbkText.size()) {
        std::size_t start = gbkText.find_first_not_of(" \t\r\n", at);
        if (start == std::string::npos) break;
        // GBK's second bytes are never spaces or line breaks, so a byte search cannot split one.
        std::size_t end = gbkText.find_first_of(" \t\r\n", start);
        if (end == std::string::npos) end = gbkText.size();
        std::string name = gbkText.substr(start, end - start);
        csv += Line({name, pinyinOf(name)});
        at = end;
    }
    return csv;
}

bool ExportNameListCsv(const std::vector<NameRow>& rows, SqliteDatabase& db,
                       const std::filesystem::path& file) {
    return WriteFileAtomically(file, NameListCsv(rows, ReadingsOf(db)));
}

bool ExportClassicNamesCsv(const std::string& gbkText, SqliteDatabase& db,
                           const std::filesystem::path& file) {
    return WriteFileAtomically(file, ClassicNamesCsv(gbkText, ReadingsOf(db)));
}

}  // namespace lumo
