#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "db/SqliteDatabase.h"
#include "generation/NameRow.h"

namespace lumo {

// The pinyin of a GBK text's characters, each its main reading (the first of 拼音2), separated
// by spaces: 李涛涛 gives "lǐ tāo tāo". A character without a reading stands as itself.
std::string NamePinyin(SqliteDatabase& db, const std::string& gbkName);

// Answers the pinyin (GBK) of a GBK name.
using PinyinOf = std::function<std::string(const std::string&)>;

// A list as a CSV file that spreadsheets open as it is: UTF-8 with a byte-order mark, CR LF line
// ends, a field quoted (quotes doubled) when it holds a comma, a quote or a line break. The header
// is 编号,姓名,拼音,简体笔划,繁体笔划,五行,五格,三才,评分; the rows stop where NameListText's do
// (at the first row whose 编号 is empty).
std::string NameListCsv(const std::vector<NameRow>& rows, const PinyinOf& pinyinOf);

// The classic names' text as a CSV of the same kind, header 姓名,拼音: one row per name, the
// names being the text's runs of characters between spaces and line breaks.
std::string ClassicNamesCsv(const std::string& gbkText, const PinyinOf& pinyinOf);

// Write those files whole (replacing them), with the database's readings.
bool ExportNameListCsv(const std::vector<NameRow>& rows, SqliteDatabase& db,
                       const std::filesystem::path& file);
bool ExportClassicNamesCsv(const std::string& gbkText, SqliteDatabase& db,
                           const std::filesystem::path& file);

}  // namespace lumo
