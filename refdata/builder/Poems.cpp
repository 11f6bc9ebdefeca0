// LM_全唐诗 and LM_Poet from the Tang poems of the npm package chinese-poetry
// (dist/quantangshi/poet.tang.<N>.json, read in the order of N), converted to simplified
// characters. Poems keep the package's order; poets are ranked by their number of poems.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "PoemsJson.h"
#include "PoemsText.h"
#include "RefBuilder.h"
#include "db/Gbk.h"

namespace lumo::refdb {
namespace {

struct Poem {
    std::string title, author, content;  // UTF-8, simplified
};

struct PoetTally {
    std::string name;   // GBK, as stored
    int firstSeen = 0;  // order of the poet's first poem: the Id
    int poems = 0;
};

// The poem files in the order of the number in their names (0, 1000, 2000 …).
std::vector<std::filesystem::path> PoemFiles(const std::filesystem::path& dir) {
    std::vector<std::pair<long, std::filesystem::path>> numbered;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        std::string name = entry.path().filename().string();
        const std::string prefix = "poet.tang.", suffix = ".json";
        if (name.size() <= prefix.size() + suffix.size() || name.rfind(prefix, 0) != 0 ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        std::string number =
            name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        if (number.find_first_not_of("0123456789") != std::string::npos) continue;
        numbered.emplace_back(std::stol(number), entry.path());
    }
    std::sort(numbered.begin(), numbered.end());
    std::vector<std::filesystem::path> files;
    for (auto& [n, path] : numbered) files.push_back(std::move(path));
    return files;
}

bool ReadJsonFile(const std::filesystem::path& path, JsonValue& root, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path.string();
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (!ParseJson(text.str(), root, error)) {
        error = path.string() + " " + error;
        return false;
    }
    return true;
}

// Reads one poem object as the package writes it; answers false when a field is missing or
// of the wrong kind. The text keeps the package's lines as they stand, joined without separator.
bool ReadPoem(const JsonValue& v, Poem& poem) {
    const JsonValue* title = v.Find("title");
    const JsonValue* author = v.Find("author");
    const JsonValue* lines = v.Find("paragraphs");
    if (!title || !title->IsString() || !author || !author->IsString() || !lines ||
        lines->kind != JsonValue::Kind::Array)
        return false;
    poem.title = title->text;
    poem.author = author->text;
    poem.content.clear();
    for (const JsonValue& line : lines->items) {
        if (!line.IsString()) return false;
        poem.content += line.text;
    }
    return true;
}

class PoemWriter {
  public:
    PoemWriter(SqliteDatabase& db)
        : db_(db), sql_("insert into " + Gbk("LM_全唐诗") + " values (?, ?, ?, ?, ?, ?)") {}

    // Converts the poem and stores it; answers false when it cannot be kept (no verse, or a
    // character GBK cannot hold even in its original form). Sets `failed` on a database error.
    bool Add(Poem poem, bool& failed) {
        poem.content = simplifier_.Simplify(poem.content);
        std::string initials = VerseInitials(poem.content);
        if (initials.empty()) return false;
        poem.title = simplifier_.Simplify(poem.title);
        poem.author = simplifier_.Simplify(poem.author);
        // Untitled pieces keep the title the tradition gives them, so that the list shows a name.
        if (poem.title.empty()) poem.title = "无题";
        std::vector<std::string> chars = Utf8Characters(poem.content);
        if (!gbk_.AllEncodable(chars) || !gbk_.AllEncodable(Utf8Characters(poem.title)) ||
            !gbk_.AllEncodable(Utf8Characters(poem.author)))
            return false;
        std::string author = Utf8ToGbk(poem.author);
        Statement st =
            db_.Query(sql_, {SqlParam::Integer(++id_), SqlParam::Text(Utf8ToGbk(poem.title)),
                             SqlParam::Text(author), SqlParam::Text(Utf8ToGbk(poem.content)),
                             SqlParam::Text(Utf8ToGbk(initials)),
                             SqlParam::Integer(static_cast<long long>(chars.size()))});
        if (!st || !db_.Finalize(st)) {
            failed = true;
            return false;
        }
        PoetTally& tally = poets_[author];
        if (tally.poems++ == 0) tally = {author, static_cast<int>(poets_.size()), 1};
        return true;
    }

    bool Ready() const { return simplifier_.IsOpen(); }
    int Count() const { return id_; }
    const std::map<std::string, PoetTally>& Poets() const { return poets_; }

  private:
    SqliteDatabase& db_;
    std::string sql_;
    Simplifier simplifier_;
    GbkCharacters gbk_;
    std::map<std::string, PoetTally> poets_;  // by GBK name
    int id_ = 0;
};

// The poets with most poems come first; poets with as many poems follow each other in the order
// of their GBK names, which for common characters is the order of their pinyin.
bool WritePoets(SqliteDatabase& db, const std::map<std::string, PoetTally>& poets,
                std::string& error) {
    std::vector<const PoetTally*> ranked;
    for (const auto& [name, tally] : poets) ranked.push_back(&tally);
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const PoetTally* a, const PoetTally* b) { return a->poems > b->poems; });
    const std::string sql = "insert into LM_Poet values (?, ?, ?, ?)";
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        const PoetTally& p = *ranked[i];
        Statement st = db.Query(sql, {SqlParam::Integer(p.firstSeen), SqlParam::Text(p.name),
                                      SqlParam::Text(std::to_string(p.poems)),
                                      SqlParam::Integer(static_cast<long long>(i + 1))});
        if (!st || !db.Finalize(st)) {
            error = "cannot insert the poet " + GbkToUtf8(p.name);
            return false;
        }
    }
    return true;
}

}  // namespace

bool BuildPoems(SqliteDatabase& db, const BuildContext& ctx, std::string& error) {
    const std::filesystem::path dir = ctx.nodeModules / "chinese-poetry" / "dist" / "quantangshi";
    std::vector<std::filesystem::path> files = PoemFiles(dir);
    if (files.empty()) {
        error = "no poet.tang.*.json under " + dir.string() + " (run npm ci in refdata/)";
        return false;
    }
    PoemWriter writer(db);
    if (!writer.Ready()) {
        error = "OpenCC cannot open its t2s conversion";
        return false;
    }
    int read = 0;
    for (const auto& file : files) {
        JsonValue root;
        if (!ReadJsonFile(file, root, error)) return false;
        if (root.kind != JsonValue::Kind::Array) {
            error = file.string() + ": expected an array of poems";
            return false;
        }
        for (std::size_t i = 0; i < root.items.size(); ++i) {
            Poem poem;
            if (!ReadPoem(root.items[i], poem)) {
                error = file.string() + ": poem " + std::to_string(i + 1) +
                        " lacks a text title, author or list of lines";
                return false;
            }
            ++read;
            bool failed = false;
            writer.Add(std::move(poem), failed);
            if (failed) {
                error = file.string() + ": cannot insert poem " + std::to_string(i + 1);
                return false;
            }
        }
    }
    std::cout << "lumo-refdb: poems: kept " << writer.Count() << " of " << read << " by "
              << writer.Poets().size() << " poets\n";
    return WritePoets(db, writer.Poets(), error);
}

}  // namespace lumo::refdb
