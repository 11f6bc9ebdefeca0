#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "db/Gbk.h"
#include "db/SqliteDatabase.h"

// Small tools shared by the character and numerology steps of lumo-refdb: our TSV sources,
// UTF-8 code points, and writing rows through the table layouts.
namespace lumo::refdb {

// One TSV source: rows of cells (UTF-8) with the line number of each row for messages.
struct TsvTable {
    std::vector<std::vector<std::string>> rows;
    std::vector<int> lines;
};

// Reads a TSV file whose first line must be exactly `header`. Every other non-empty line must have
// as many cells as the header. A missing file is an error unless `missingIsEmpty`.
bool ReadTsv(const std::filesystem::path& file, const std::vector<std::string>& header,
             TsvTable& table, std::string& error, bool missingIsEmpty = false);

// "file:line: " for messages about one row.
std::string Where(const std::filesystem::path& file, int line);

std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(char32_t cp);
std::string EncodeUtf8(std::u32string_view cps);

// The single code point of a one-character text, or 0.
char32_t SingleCodePoint(std::string_view utf8);

// Inserts one row into `table` (GBK name) with one "?" per parameter; texts in the parameters are
// GBK as SqlParam wants them.
void InsertRow(SqliteDatabase& db, const std::string& table, const std::vector<SqlParam>& values);

// Text parameter from UTF-8.
inline SqlParam Utf8Param(std::string_view utf8) { return SqlParam::Text(Utf8ToGbk(utf8)); }

// Rows of a table (GBK name), to check that every insert landed.
int CountRows(SqliteDatabase& db, const std::string& table);

// The five element characters, UTF-8.
bool IsElement(std::string_view utf8);

// The five rating words of the numerology tables (大吉 吉 中 凶 大凶), UTF-8.
bool IsRating(std::string_view utf8);

}  // namespace lumo::refdb
