// LM_八一灵动数 and LM_三才配置 from our own texts in refdata/text/. Every row is checked before it
// is written: a malformed row stops the build with its file and line.
#include <iostream>
#include <set>

#include "CharSources.h"
#include "RefBuilder.h"
#include "db/Gbk.h"
#include "db/ReferenceSchema.h"

namespace lumo::refdb {
namespace {

// The texts of both tables are ours and complete; an empty or non-GBK cell is a mistake.
bool CheckTexts(const std::filesystem::path& file, int line, const std::vector<std::string>& header,
                const std::vector<std::string>& row, std::size_t firstText, std::string& error) {
    for (std::size_t i = firstText; i < row.size(); ++i) {
        if (row[i].empty()) {
            error = Where(file, line) + header[i] + " is empty";
            return false;
        }
        if (!IsGbkEncodable(row[i])) {
            error = Where(file, line) + header[i] + " holds a character GBK cannot encode";
            return false;
        }
    }
    return true;
}

// The layout's columns are the header of the source file, so the two cannot drift apart.
std::vector<std::string> HeaderOf(const std::string& tableUtf8) {
    std::vector<std::string> header;
    for (const ColumnDef& c : FindReferenceTable(Utf8ToGbk(tableUtf8))->columns)
        header.push_back(GbkToUtf8(c.name));
    return header;
}

// A source still being written may be absent; the tests insist on the full tables.
bool ReadTable(const std::filesystem::path& file, const std::vector<std::string>& header,
               TsvTable& table, std::string& error) {
    if (!ReadTsv(file, header, table, error, true)) return false;
    if (!std::filesystem::exists(file))
        std::cerr << "lumo-refdb: warning: " << file << " is missing\n";
    return true;
}

bool Finish(SqliteDatabase& db, const std::string& tableUtf8, std::size_t rows,
            std::size_t expected, std::string& error) {
    if (static_cast<std::size_t>(CountRows(db, Utf8ToGbk(tableUtf8))) != rows) {
        error = tableUtf8 + ": not every row was written";
        return false;
    }
    if (rows != expected)
        std::cerr << "lumo-refdb: warning: " << tableUtf8 << " has " << rows << " of " << expected
                  << " rows\n";
    return true;
}

}  // namespace

bool BuildNumbers81(SqliteDatabase& db, const BuildContext& ctx, std::string& error) {
    const std::filesystem::path file = ctx.sourceDir / "text" / "numbers81.tsv";
    const std::vector<std::string> header = HeaderOf("LM_八一灵动数");
    TsvTable table;
    if (!ReadTable(file, header, table, error)) return false;
    std::set<int> seen;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const std::vector<std::string>& row = table.rows[r];
        const int line = table.lines[r];
        int id = 0;
        try {
            std::size_t used = 0;
            id = std::stoi(row[numbers::kId], &used);
            if (used != row[numbers::kId].size()) id = 0;
        } catch (...) {
            id = 0;
        }
        if (id < 1 || id > 81 || !seen.insert(id).second) {
            error = Where(file, line) +
                    "Id must be a number from 1 to 81 that occurs once, not \"" +
                    row[numbers::kId] + "\"";
            return false;
        }
        if (!IsRating(row[numbers::kRating])) {
            error = Where(file, line) + "吉凶 must be 大吉, 吉, 中, 凶 or 大凶, not \"" +
                    row[numbers::kRating] + "\"";
            return false;
        }
        if (!CheckTexts(file, line, header, row, numbers::kRating, error)) return false;
        std::vector<SqlParam> values{SqlParam::Integer(id)};
        for (std::size_t i = numbers::kRating; i < row.size(); ++i)
            values.push_back(Utf8Param(row[i]));
        InsertRow(db, Utf8ToGbk("LM_八一灵动数"), values);
    }
    return Finish(db, "LM_八一灵动数", table.rows.size(), 81, error);
}

bool BuildThreeTalents(SqliteDatabase& db, const BuildContext& ctx, std::string& error) {
    const std::filesystem::path file = ctx.sourceDir / "text" / "three_talents.tsv";
    std::vector<std::string> header = HeaderOf("LM_三才配置");
    header.erase(header.begin());  // the Id is the row's place in the file
    TsvTable table;
    if (!ReadTable(file, header, table, error)) return false;
    std::set<std::string> seen;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const std::vector<std::string>& row = table.rows[r];
        const int line = table.lines[r];
        const std::string& key = row[0];
        std::u32string cps = DecodeUtf8(key);
        bool valid = cps.size() == 3;
        for (char32_t cp : cps) valid = valid && IsElement(EncodeUtf8(cp));
        if (!valid || !seen.insert(key).second) {
            error = Where(file, line) + "三才 must be three of 金木水火土 and occur once, not \"" +
                    key + "\"";
            return false;
        }
        if (!IsRating(row[1])) {
            error =
                Where(file, line) + "吉凶 must be 大吉, 吉, 中, 凶 or 大凶, not \"" + row[1] + "\"";
            return false;
        }
        if (!CheckTexts(file, line, header, row, 1, error)) return false;
        std::vector<SqlParam> values{SqlParam::Integer(static_cast<std::int64_t>(r) + 1)};
        for (const std::string& cell : row) values.push_back(Utf8Param(cell));
        InsertRow(db, Utf8ToGbk("LM_三才配置"), values);
    }
    return Finish(db, "LM_三才配置", table.rows.size(), 125, error);
}

}  // namespace lumo::refdb
