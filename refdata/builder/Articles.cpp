// LM_育儿百科 and LM_算命风水 from refdata/articles/<分类ID>.txt, one file per category:
//   分类标题<TAB>title
//   表<TAB>育儿百科 | 算命风水
//   === article title
//   body lines (simple HTML) up to the next "=== " line or the end of the file
// 内容 is the body lines joined with "\n". IDs count from 1 in each table, in file-name order and
// then in article order, so a rebuild gives every article the same ID.
#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "RefBuilder.h"
#include "db/Gbk.h"

namespace lumo::refdb {
namespace {

struct Article {
    std::string title;
    std::string content;
};

struct Category {
    std::string id;     // the file name without ".txt"
    std::string title;  // 分类标题
    std::string table;  // 育儿百科 or 算命风水
    std::vector<Article> articles;
};

const std::map<std::string, std::string> kTablePrefix = {{"育儿百科", "yr"}, {"算命风水", "sm"}};

// "key<TAB>value" with the expected key; answers the value, or an empty text.
std::string HeaderValue(const std::string& line, const std::string& key) {
    if (line.rfind(key + "\t", 0) != 0) return {};
    return line.substr(key.size() + 1);
}

void TrimLine(std::string& line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
}

// Drops blank lines at the end of the article's body.
void CloseArticle(std::vector<Article>& articles) {
    if (articles.empty()) return;
    std::string& c = articles.back().content;
    while (!c.empty() && (c.back() == '\n' || c.back() == ' ')) c.pop_back();
}

bool ReadCategory(const std::filesystem::path& path, Category& cat, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    auto fail = [&](int lineNo, const std::string& what) {
        error = path.string() + " line " + std::to_string(lineNo) + ": " + what;
        return false;
    };
    std::string line;
    if (!std::getline(in, line)) return fail(1, "the file is empty");
    TrimLine(line);
    cat.title = HeaderValue(line, "分类标题");
    if (cat.title.empty()) return fail(1, "expected \"分类标题<TAB>category title\"");
    if (!IsGbkEncodable(cat.title)) return fail(1, "a character GBK cannot encode");
    if (!std::getline(in, line)) return fail(2, "expected \"表<TAB>育儿百科\" or \"表<TAB>算命风水\"");
    TrimLine(line);
    cat.table = HeaderValue(line, "表");
    auto prefix = kTablePrefix.find(cat.table);
    if (prefix == kTablePrefix.end()) return fail(2, "expected \"表<TAB>育儿百科\" or \"表<TAB>算命风水\"");
    if (cat.id.rfind(prefix->second, 0) != 0)
        return fail(2, "a file of " + cat.table + " must be named " + prefix->second + "NN.txt");
    for (int lineNo = 3; std::getline(in, line); ++lineNo) {
        TrimLine(line);
        if (line.rfind("=== ", 0) == 0) {
            CloseArticle(cat.articles);
            if (!cat.articles.empty() && cat.articles.back().content.empty())
                return fail(lineNo, "the article \"" + cat.articles.back().title + "\" has no text");
            std::string title = line.substr(4);
            while (!title.empty() && title.back() == ' ') title.pop_back();
            if (title.empty()) return fail(lineNo, "an article without a title");
            cat.articles.push_back({title, {}});
        } else if (cat.articles.empty()) {
            if (!line.empty()) return fail(lineNo, "text before the first \"=== title\" line");
        } else if (!line.empty() || !cat.articles.back().content.empty()) {
            std::string& c = cat.articles.back().content;
            if (!c.empty()) c += '\n';
            c += line;
        }
        if (!IsGbkEncodable(line)) return fail(lineNo, "a character GBK cannot encode");
    }
    CloseArticle(cat.articles);
    if (!cat.articles.empty() && cat.articles.back().content.empty()) {
        error = path.string() + ": the last article \"" + cat.articles.back().title + "\" has no text";
        return false;
    }
    return true;
}

bool ReadCategories(const std::filesystem::path& dir, std::vector<Category>& out, std::string& error) {
    std::error_code ec;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".txt") files.push_back(entry.path());
    if (ec) {
        error = "cannot read the folder " + dir.string();
        return false;
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        Category cat;
        cat.id = file.stem().string();
        if (!ReadCategory(file, cat, error)) return false;
        out.push_back(std::move(cat));
    }
    if (out.empty()) {
        error = dir.string() + " holds no category file";
        return false;
    }
    return true;
}

// Category titles and article titles must each be unique within their table: the reader looks
// articles up by title alone.
bool CheckUnique(const std::vector<Category>& cats, std::string& error) {
    std::map<std::string, std::set<std::string>> categoryTitles, articleTitles;
    for (const Category& cat : cats) {
        if (!categoryTitles[cat.table].insert(cat.title).second) {
            error = cat.id + ".txt: the category " + cat.title + " has a second file";
            return false;
        }
        for (const Article& a : cat.articles) {
            if (!articleTitles[cat.table].insert(a.title).second) {
                error = cat.id + ".txt: the title \"" + a.title + "\" is used twice in " + cat.table;
                return false;
            }
        }
    }
    return true;
}

}  // namespace

bool BuildArticles(SqliteDatabase& db, const BuildContext& ctx, std::string& error) {
    std::vector<Category> cats;
    if (!ReadCategories(ctx.sourceDir / "articles", cats, error) || !CheckUnique(cats, error)) return false;
    std::map<std::string, int> nextId;
    for (const Category& cat : cats) {
        const std::string sql = "insert into " + Gbk("LM_" + cat.table) + " values (?, ?, ?, ?, ?)";
        for (const Article& a : cat.articles) {
            Statement st = db.Query(sql, {SqlParam::Integer(++nextId[cat.table]), SqlParam::Text(cat.id),
                                          SqlParam::Text(Utf8ToGbk(cat.title)),
                                          SqlParam::Text(Utf8ToGbk(a.title)),
                                          SqlParam::Text(Utf8ToGbk(a.content))});
            if (!st || !db.Finalize(st)) {
                error = cat.id + ".txt: cannot insert the article \"" + a.title + "\"";
                return false;
            }
        }
    }
    return true;
}

}  // namespace lumo::refdb
