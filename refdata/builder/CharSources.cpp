#include "CharSources.h"

#include <fstream>

namespace lumo::refdb {
namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    while (true) {
        std::size_t tab = line.find('\t', start);
        cells.push_back(
            line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return cells;
}

std::string Joined(const std::vector<std::string>& cells) {
    std::string text;
    for (const std::string& c : cells) text += (text.empty() ? "" : " | ") + c;
    return text;
}

}  // namespace

std::string Where(const std::filesystem::path& file, int line) {
    return file.filename().string() + ":" + std::to_string(line) + ": ";
}

bool ReadTsv(const std::filesystem::path& file, const std::vector<std::string>& header,
             TsvTable& table, std::string& error, bool missingIsEmpty) {
    table = {};
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        if (missingIsEmpty && !std::filesystem::exists(file)) return true;
        error = "cannot read " + file.string();
        return false;
    }
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (number == 1) {
            if (line.rfind("\xEF\xBB\xBF", 0) == 0)
                line.erase(0, 3);  // a byte-order mark from an editor
            if (SplitTabs(line) != header) {
                error = Where(file, 1) + "header must be: " + Joined(header);
                return false;
            }
            continue;
        }
        if (line.empty()) continue;
        std::vector<std::string> cells = SplitTabs(line);
        if (cells.size() != header.size()) {
            error = Where(file, number) + "expected " + std::to_string(header.size()) +
                    " columns, found " + std::to_string(cells.size());
            return false;
        }
        table.rows.push_back(std::move(cells));
        table.lines.push_back(number);
    }
    if (number == 0) {
        error = file.string() + " is empty";
        return false;
    }
    return true;
}

std::u32string DecodeUtf8(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        auto b = static_cast<unsigned char>(s[i]);
        int n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + static_cast<std::size_t>(n) > s.size()) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t cp = n == 1 ? b : n == 2 ? (b & 0x1F) : n == 3 ? (b & 0x0F) : (b & 0x07);
        for (int k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(cp);
        i += static_cast<std::size_t>(n);
    }
    return out;
}

std::string EncodeUtf8(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view cps) {
    std::string out;
    for (char32_t cp : cps) out += EncodeUtf8(cp);
    return out;
}

char32_t SingleCodePoint(std::string_view utf8) {
    std::u32string cps = DecodeUtf8(utf8);
    return cps.size() == 1 ? cps[0] : 0;
}

void InsertRow(SqliteDatabase& db, const std::string& table, const std::vector<SqlParam>& values) {
    std::string sql = "insert into " + table + " values (";
    for (std::size_t i = 0; i < values.size(); ++i) sql += i ? ",?" : "?";
    sql += ")";
    db.Finalize(db.Query(sql, values));
}

int CountRows(SqliteDatabase& db, const std::string& table) {
    Statement st = db.Query("select count(*) from " + table);
    int n = db.ColumnInt(st, 0);
    db.Finalize(st);
    return n;
}

bool IsElement(std::string_view utf8) {
    return utf8 == "金" || utf8 == "木" || utf8 == "水" || utf8 == "火" || utf8 == "土";
}

bool IsRating(std::string_view utf8) {
    return utf8 == "大吉" || utf8 == "吉" || utf8 == "中" || utf8 == "凶" || utf8 == "大凶";
}

}  // namespace lumo::refdb
