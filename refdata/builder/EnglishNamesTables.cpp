#include "EnglishNamesTables.h"

#include <fstream>
#include <functional>
#include <set>

#include "db/Gbk.h"

namespace lumo::refdb {
namespace {

bool IsName(const std::string& s) {
    if (s.empty() || s.front() == '-' || s.back() == '-' || s.find("--") != std::string::npos)
        return false;
    for (char c : s)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-')) return false;
    return true;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

// Reads a table with a header row; `row` checks and takes each further row and answers its
// problem, or an empty text. Blank lines and lines starting with "#" are skipped.
bool ReadTable(const std::filesystem::path& path, const std::string& header,
               const std::function<std::string(const std::vector<std::string>&)>& row,
               std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path.string();
        return false;
    }
    bool sawHeader = false;
    std::string line;
    for (int lineNo = 1; std::getline(in, line); ++lineNo) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::string problem;
        if (!sawHeader) {
            sawHeader = true;
            if (line != header) problem = "the header must be \"" + header + "\"";
        } else {
            std::vector<std::string> f = SplitTabs(line);
            if (f.size() != SplitTabs(header).size())
                problem = "expected " + std::to_string(SplitTabs(header).size()) +
                          " fields, found " + std::to_string(f.size());
            else if (!IsName(f[0]))
                problem = "\"" + f[0] + "\" is not a name";
            else if (!IsGbkEncodable(line))
                problem = "a character GBK cannot encode";
            else
                problem = row(f);
        }
        if (!problem.empty()) {
            error = path.string() + " line " + std::to_string(lineNo) + ": " + problem;
            return false;
        }
    }
    if (!sawHeader) {
        error = path.string() + " is empty";
        return false;
    }
    return true;
}

// A transliteration: Chinese characters, with "-" between the parts of a double name.
bool IsChinese(const std::string& s) {
    if (s.empty()) return false;
    for (std::size_t i = 0; i < s.size();) {
        if (s[i] == '-') {
            ++i;
            continue;
        }
        auto lead = static_cast<unsigned char>(s[i]);
        if (lead < 0xE3 || lead > 0xE9 || i + 3 > s.size()) return false;
        i += 3;
    }
    return true;
}

}  // namespace

bool ReadNameList(const std::filesystem::path& path, std::vector<std::string>& names,
                  std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path.string() + " (run npm ci in refdata/)";
        return false;
    }
    std::string line;
    for (int lineNo = 1; std::getline(in, line); ++lineNo) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (!IsName(line)) {
            error = path.string() + " line " + std::to_string(lineNo) + ": \"" + line +
                    "\" is not a name";
            return false;
        }
        names.push_back(line);
    }
    if (names.empty()) {
        error = path.string() + " holds no name";
        return false;
    }
    return true;
}

bool ReadReviewedTransliterations(const std::filesystem::path& path,
                                  std::map<std::string, std::string>& out, std::string& error) {
    return ReadTable(
        path, "Name\tCnword",
        [&](const std::vector<std::string>& f) -> std::string {
            if (!IsChinese(f[1]))
                return "\"" + f[1] + "\" is not a transliteration in Chinese characters";
            if (!out.emplace(f[0], f[1]).second) return f[0] + " appears twice";
            return {};
        },
        error);
}

bool ReadNameNotes(const std::filesystem::path& path, std::vector<NameNotes>& out,
                   std::string& error) {
    std::set<std::string> seen;
    return ReadTable(
        path, "Name\tLanguag\tMorphology\tMean",
        [&](const std::vector<std::string>& f) -> std::string {
            if (f[1].empty() || f[3].empty())
                return "the language and the meaning of " + f[0] + " must be given";
            if (!seen.insert(f[0]).second) return f[0] + " appears twice";
            out.push_back({f[0], f[1], f[2], f[3]});
            return {};
        },
        error);
}

}  // namespace lumo::refdb
