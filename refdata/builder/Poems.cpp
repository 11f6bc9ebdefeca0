// LM_全唐诗 and LM_Poet from the Tang poems of the npm package chinese-poetry
// (dist/quantangshi/poet.tang.<N>.json, read in the order of N), converted to simplified
// characters; the editors' notes go to LM_诗词注记, the verse of the poems of 唐诗三百首 is the
// reading readers know, and the poets of that anthology open the list of poets.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "PoemsFamiliar.h"
#include "PoemsJson.h"
#include "PoemsText.h"
#include "PoemsVerse.h"
#include "RefBuilder.h"
#include "db/Gbk.h"

namespace lumo::refdb {
namespace {

// The one poet name under which the anonymous poems stand, last in the list of poets.
const std::string kAnonymous = "佚名";

// The collection's names for a poem without a known author: 不详, 无名氏, 缺名, 无名僧 …
bool IsAnonymous(const std::string& author) {
    return author == kAnonymous || author == "不详" || author == "缺名" || author == "失撰人名" ||
           author.rfind("无名", 0) == 0;
}

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

struct RawPoem {
    std::string id, title, author, content;  // as the package writes them
};

// Reads one poem object as the package writes it; answers false when a field is missing or
// of the wrong kind. The text keeps the package's lines as they stand, joined without separator.
bool ReadPoem(const JsonValue& v, RawPoem& poem) {
    const JsonValue* title = v.Find("title");
    const JsonValue* author = v.Find("author");
    const JsonValue* lines = v.Find("paragraphs");
    const JsonValue* id = v.Find("id");
    if (!title || !title->IsString() || !author || !author->IsString() || !lines ||
        lines->kind != JsonValue::Kind::Array)
        return false;
    poem.id = id && id->IsString() ? id->text : std::string();
    poem.title = title->text;
    poem.author = author->text;
    poem.content.clear();
    for (const JsonValue& line : lines->items) {
        if (!line.IsString()) return false;
        poem.content += line.text;
    }
    return true;
}

struct Tally {
    int read = 0, damaged = 0, noVerse = 0, notGbk = 0, duplicates = 0, withNotes = 0,
        notesDropped = 0;
};

// Converts, splits and checks one poem; answers false when it cannot be kept.
bool Prepare(const RawPoem& raw, Simplifier& simplifier, GbkCharacters& gbk, Poem& poem,
             Tally& tally) {
    SplitPoem split = SplitVerse(simplifier.Simplify(raw.content));
    if (!split.damage.empty()) return ++tally.damaged, false;
    if (VerseInitials(split.verse).empty()) return ++tally.noVerse, false;
    poem.sourceId = raw.id;
    poem.title = simplifier.Simplify(raw.title);
    poem.author = simplifier.Simplify(raw.author);
    // Untitled pieces keep the title the tradition gives them, so that the list shows a name.
    if (poem.title.empty()) poem.title = "无题";
    if (IsAnonymous(poem.author)) poem.author = kAnonymous;
    if (!gbk.AllEncodable(Utf8Characters(split.verse)) ||
        !gbk.AllEncodable(Utf8Characters(poem.title)) ||
        !gbk.AllEncodable(Utf8Characters(poem.author)))
        return ++tally.notGbk, false;
    poem.verse = std::move(split.verse);
    tally.withNotes += !split.notes.empty();
    poem.notes.clear();
    // A remark quoting a character GBK lacks goes; the verse it belongs to stays.
    for (std::string& note : split.notes) {
        if (gbk.AllEncodable(Utf8Characters(note)))
            poem.notes.push_back(std::move(note));
        else
            ++tally.notesDropped;
    }
    return true;
}

bool ReadCollection(const std::vector<std::filesystem::path>& files, Simplifier& simplifier,
                    std::vector<Poem>& poems, Tally& tally, std::string& error) {
    GbkCharacters gbk;
    // The same poet's same verse under a second entry is the same poem: the first entry stays.
    std::set<std::pair<std::string, std::string>> seen;
    for (const auto& file : files) {
        JsonValue root;
        if (!ReadJsonFile(file, root, error)) return false;
        if (root.kind != JsonValue::Kind::Array) {
            error = file.string() + ": expected an array of poems";
            return false;
        }
        for (std::size_t i = 0; i < root.items.size(); ++i) {
            RawPoem raw;
            if (!ReadPoem(root.items[i], raw)) {
                error = file.string() + ": poem " + std::to_string(i + 1) +
                        " lacks a text title, author or list of lines";
                return false;
            }
            ++tally.read;
            Poem poem;
            if (!Prepare(raw, simplifier, gbk, poem, tally)) continue;
            std::string key;
            for (const std::string& ch : VerseCharacters(poem.verse)) key += ch;
            if (!seen.emplace(poem.author, key).second) {
                ++tally.duplicates;
                continue;
            }
            poems.push_back(std::move(poem));
        }
    }
    return true;
}

struct PoetTally {
    std::string name;   // GBK, as stored
    int firstSeen = 0;  // order of the poet's first poem: the Id
    int poems = 0;
    int familiar = 0;  // poems in 唐诗三百首
};

bool WritePoems(SqliteDatabase& db, const std::vector<Poem>& poems,
                std::map<std::string, PoetTally>& poets, std::string& error) {
    const std::string poemSql = "insert into " + Gbk("LM_全唐诗") + " values (?, ?, ?, ?, ?, ?)";
    const std::string noteSql = "insert into " + Gbk("LM_诗词注记") + " values (?, ?)";
    long long id = 0;
    for (const Poem& p : poems) {
        ++id;
        std::string author = Utf8ToGbk(p.author);
        Statement st = db.Query(
            poemSql,
            {SqlParam::Integer(id), SqlParam::Text(Utf8ToGbk(p.title)), SqlParam::Text(author),
             SqlParam::Text(Utf8ToGbk(p.verse)), SqlParam::Text(Utf8ToGbk(VerseInitials(p.verse))),
             SqlParam::Integer(static_cast<long long>(Utf8Characters(p.verse).size()))});
        if (!st || !db.Finalize(st)) {
            error = "cannot insert the poem " + p.title;
            return false;
        }
        if (!p.notes.empty()) {
            std::string notes;
            for (const std::string& n : p.notes) notes += (notes.empty() ? "" : "\n") + n;
            Statement ns =
                db.Query(noteSql, {SqlParam::Integer(id), SqlParam::Text(Utf8ToGbk(notes))});
            if (!ns || !db.Finalize(ns)) {
                error = "cannot insert the notes of " + p.title;
                return false;
            }
        }
        PoetTally& tally = poets[author];
        if (tally.poems++ == 0) tally = {author, static_cast<int>(id), 1, 0};
        tally.familiar += p.familiarRank != 0;
    }
    return true;
}

// Readers look for the poets they know: the poets of 唐诗三百首 come first, by how many of their
// poems it holds, then every other poet by number of poems; equal counts follow each other in the
// order of their GBK names (for common characters the order of their pinyin). The anonymous
// poems stand under one entry at the end.
bool WritePoets(SqliteDatabase& db, const std::map<std::string, PoetTally>& poets,
                std::string& error) {
    const std::string anonymous = Utf8ToGbk(kAnonymous);
    std::vector<const PoetTally*> ranked;
    for (const auto& [name, tally] : poets) ranked.push_back(&tally);
    std::stable_sort(ranked.begin(), ranked.end(), [&](const PoetTally* a, const PoetTally* b) {
        bool aLast = a->name == anonymous, bLast = b->name == anonymous;
        if (aLast != bLast) return bLast;
        if (a->familiar != b->familiar) return a->familiar > b->familiar;
        return a->poems > b->poems;
    });
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
    const std::filesystem::path package = ctx.nodeModules / "chinese-poetry" / "dist";
    std::vector<std::filesystem::path> files = PoemFiles(package / "quantangshi");
    if (files.empty()) {
        error = "no poet.tang.*.json under " + (package / "quantangshi").string() +
                " (run npm ci in refdata/)";
        return false;
    }
    Simplifier simplifier;
    if (!simplifier.IsOpen()) {
        error = "OpenCC cannot open its t2s conversion";
        return false;
    }
    std::vector<Poem> poems;
    Tally tally;
    FamiliarCounts familiar;
    if (!ReadCollection(files, simplifier, poems, tally, error) ||
        !TakeFamiliarReadings(package / "mengxue" / "tangshisanbaishou.json",
                              ctx.sourceDir / "poems" / "familiar.tsv", simplifier, poems, familiar,
                              error))
        return false;
    std::map<std::string, PoetTally> poets;
    if (!WritePoems(db, poems, poets, error)) return false;
    std::cout << "lumo-refdb: poems: kept " << poems.size() << " of " << tally.read << " by "
              << poets.size() << " poets; left out " << tally.damaged
              << " with lost characters or notes inside the verse, " << tally.noVerse
              << " without verse, " << tally.notGbk << " with characters GBK lacks; "
              << tally.duplicates << " duplicates dropped; notes moved out of " << tally.withNotes
              << " poems (" << tally.notesDropped
              << " notes dropped for GBK); 唐诗三百首: " << familiar.matched << " matched, "
              << familiar.readings << " familiar readings taken, " << familiar.added << " added, "
              << familiar.duplicates << " further entries of them dropped\n";
    return WritePoets(db, poets, error);
}

}  // namespace lumo::refdb
