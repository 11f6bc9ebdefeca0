// LM_百家姓 from refdata/text/surnames.tsv, a table we write ourselves: one family name per row
// with its origin, the regions where it is common and famous bearers, all in Chinese.
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "RefBuilder.h"
#include "db/Gbk.h"

namespace lumo::refdb {
namespace {

constexpr const char* kHeader = "姓\t姓氏起源\t聚集地\t历史名人";

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

// A family name is one to four Chinese characters (compound names such as 欧阳 or 司马 take two).
bool IsFamilyName(const std::string& utf8) {
    if (utf8.empty() || utf8.size() > 12 || utf8.size() % 3 != 0) return false;
    for (std::size_t i = 0; i < utf8.size(); i += 3) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0xE3 || lead > 0xE9) return false;  // outside U+3000..U+9FFF
    }
    return IsGbkEncodable(utf8);
}

// Checks one row and answers its error, or an empty text when it is sound.
std::string CheckRow(const std::vector<std::string>& f, const std::set<std::string>& seen) {
    if (f.size() != 4) return "expected 4 tab-separated fields, found " + std::to_string(f.size());
    if (!IsFamilyName(f[0])) return "\"" + f[0] + "\" is not a family name of Chinese characters";
    if (seen.count(f[0])) return "family name " + f[0] + " appears twice";
    if (f[1].empty()) return "the origin of " + f[0] + " is empty";
    for (const std::string& text : f)
        if (!IsGbkEncodable(text)) return "a text of " + f[0] + " holds a character GBK cannot encode";
    return {};
}

}  // namespace

bool BuildSurnames(SqliteDatabase& db, const BuildContext& ctx, std::string& error) {
    const std::filesystem::path path = ctx.sourceDir / "text" / "surnames.tsv";
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path.string();
        return false;
    }
    std::string line;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    if (line != kHeader) {
        error = path.string() + ": the first line must be the header \"" + kHeader + "\"";
        return false;
    }
    const std::string sql = "insert into " + Gbk("LM_百家姓") + " values (?, ?, ?, ?, ?)";
    std::set<std::string> seen;
    int id = 0;
    for (int lineNo = 2; std::getline(in, line); ++lineNo) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::vector<std::string> f = SplitTabs(line);
        if (std::string problem = CheckRow(f, seen); !problem.empty()) {
            error = path.string() + " line " + std::to_string(lineNo) + ": " + problem;
            return false;
        }
        seen.insert(f[0]);
        Statement st = db.Query(sql, {SqlParam::Integer(++id), SqlParam::Text(Utf8ToGbk(f[0])),
                                      SqlParam::Text(Utf8ToGbk(f[1])), SqlParam::Text(Utf8ToGbk(f[2])),
                                      SqlParam::Text(Utf8ToGbk(f[3]))});
        if (!st || !db.Finalize(st)) {
            error = "cannot insert the family name " + f[0];
            return false;
        }
    }
    if (id == 0) {
        error = path.string() + " holds no family name";
        return false;
    }
    return true;
}

}  // namespace lumo::refdb
