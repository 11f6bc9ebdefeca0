#include "numerology/CharInfo.h"

#include "db/Gbk.h"
#include "db/ReferenceSchema.h"

namespace lumo {

bool IsListed(const CharInfo& info) { return !info.element.empty() && info.simplifiedStrokes != 0; }

CharInfo LookupCharInfo(SqliteDatabase& db, const std::string& character) {
    static const std::string sql = Gbk("select * from LM_CNWord where 汉字=?");
    Statement st = db.Query(sql, {SqlParam::Text(character)});
    CharInfo info;
    info.hanzi = character;
    info.traditional = db.ColumnText(st, cnword::kTraditional);
    info.simplifiedStrokes = db.ColumnInt(st, cnword::kSimplifiedStrokes);
    info.kangxiStrokes = db.ColumnInt(st, cnword::kKangxiStrokes);
    info.pinyin = db.ColumnText(st, cnword::kPinyin2);
    info.radical = db.ColumnText(st, cnword::kRadical);
    info.element = db.ColumnText(st, cnword::kElement);
    info.basic = db.ColumnText(st, cnword::kBasic);
    info.detail = db.ColumnText(st, cnword::kDetail);
    db.Finalize(st);
    return info;
}

CachedChar ToCachedChar(const CharInfo& info) {
    return {info.hanzi, info.simplifiedStrokes, info.kangxiStrokes, info.element};
}

const CachedChar& FindInCache(const CharInfoCache& cache, const std::string& character) {
    static const CachedChar unlisted{};
    for (const CachedChar& entry : cache)
        if (entry.hanzi == character) return entry;
    return unlisted;
}

}  // namespace lumo
