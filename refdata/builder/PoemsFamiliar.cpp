#include "PoemsFamiliar.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "CharSources.h"
#include "PoemsJson.h"
#include "PoemsVerse.h"

namespace lumo::refdb {
namespace {

// Up to this many characters read differently, a match needs no review: the anthology and the
// collection differ in a variant reading or two (床前明月光 / 床前看月光).
constexpr int kFewCharacters = 3;

struct AnthologyPoem {
    std::string title, author, verse;
    std::vector<std::string> notes;
};

// The anthology writes its notes in ASCII parentheses "(明年 一作：年年)", a few stops in ASCII
// (",", "?", "!", ":") and spaces before its notes; and a verse now and then ends a line on "，"
// where the next line starts a new sentence. Here the notes stand in full-width parentheses, the
// verse has full-width stops and no spaces, and a line ends on "。".
std::string AnthologyVerse(const JsonValue& lines) {
    static const std::map<std::string, std::string> fullWidth = {
        {"(", "（"}, {")", "）"}, {",", "，"}, {"?", "？"}, {"!", "！"}, {":", "："}};
    std::string verse;
    int depth = 0;
    for (const JsonValue& line : lines.items) {
        std::string text;
        for (std::string ch : Utf8Characters(line.text)) {
            if (auto f = fullWidth.find(ch); f != fullWidth.end()) ch = f->second;
            depth += ch == "（" ? 1 : ch == "）" && depth > 0 ? -1 : 0;
            if (ch == " " && depth == 0) continue;
            text += ch;
        }
        const std::string comma = "，";
        if (text.size() >= comma.size() &&
            text.compare(text.size() - comma.size(), comma.size(), comma) == 0)
            text.replace(text.size() - comma.size(), comma.size(), "。");
        verse += text;
    }
    return verse;
}

bool ReadAnthology(const std::filesystem::path& file, Simplifier& simplifier,
                   std::vector<AnthologyPoem>& out, std::string& error) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    JsonValue root;
    if (!in || !ParseJson(text.str(), root, error)) {
        error = "cannot read " + file.string() + " " + error;
        return false;
    }
    const JsonValue* sections = root.Find("content");
    if (!sections || sections->kind != JsonValue::Kind::Array) {
        error = file.string() + ": no list of sections";
        return false;
    }
    for (const JsonValue& section : sections->items) {
        const JsonValue* poems = section.Find("content");
        if (!poems || poems->kind != JsonValue::Kind::Array) continue;
        for (const JsonValue& p : poems->items) {
            const JsonValue* title = p.Find("chapter");
            const JsonValue* author = p.Find("author");
            const JsonValue* lines = p.Find("paragraphs");
            if (!title || !title->IsString() || !author || !author->IsString() || !lines ||
                lines->kind != JsonValue::Kind::Array) {
                error = file.string() + ": poem " + std::to_string(out.size() + 1) +
                        " lacks a title, author or lines";
                return false;
            }
            SplitPoem split = SplitVerse(simplifier.Simplify(AnthologyVerse(*lines)));
            if (!split.damage.empty()) {
                error = file.string() + ": " + title->text + ": " + split.damage;
                return false;
            }
            out.push_back({simplifier.Simplify(title->text), simplifier.Simplify(author->text),
                           split.verse, split.notes});
        }
    }
    return true;
}

struct Match {
    int index = -1;  // into the collection
    int difference = 0;
};

// The entry with the fewest characters read differently: among the poet's own entries first,
// then among all (the anthology and the collection name a few poets differently).
Match BestMatch(const std::vector<std::string>& verse, const std::string& author,
                const std::vector<Poem>& poems,
                const std::vector<std::vector<std::string>>& characters) {
    Match best;
    for (int pass = 0; pass < 2 && best.index < 0; ++pass) {
        for (std::size_t i = 0; i < poems.size(); ++i) {
            if (pass == 0 && poems[i].author != author) continue;
            const auto& other = characters[i];
            if (other.size() * 2 < verse.size() || other.size() > verse.size() * 2) continue;
            int d = VerseDifference(verse, other);
            // More than a third read differently is another poem.
            if (d * 3 > static_cast<int>(std::max(verse.size(), other.size()))) continue;
            if (best.index < 0 || d < best.difference) best = {static_cast<int>(i), d};
        }
    }
    return best;
}

struct Decision {
    std::string verdict;  // 采用, 新增, 不取, or 全唐诗:<package id>
    std::vector<std::pair<std::string, std::string>> fixes;  // misprints of the anthology: 灸→炙
    int line = 0;
    bool used = false;
};

// "采用 灸→炙 栏杆→阑干": the verdict, then the anthology's misprints with their correction.
bool ParseDecision(const std::string& text, Decision& d) {
    std::istringstream words(text);
    words >> d.verdict;
    if (d.verdict != "采用" && d.verdict != "新增" && d.verdict != "不取" &&
        d.verdict.rfind("全唐诗:", 0) != 0)
        return false;
    const std::string arrow = "→";
    for (std::string fix; words >> fix;) {
        std::size_t at = fix.find(arrow);
        if (at == 0 || at == std::string::npos || at + arrow.size() == fix.size()) return false;
        d.fixes.emplace_back(fix.substr(0, at), fix.substr(at + arrow.size()));
    }
    return true;
}

bool Fix(std::string& verse, const std::pair<std::string, std::string>& fix) {
    std::size_t at = verse.find(fix.first);
    if (at == std::string::npos) return false;
    for (; at != std::string::npos; at = verse.find(fix.first, at + fix.second.size()))
        verse.replace(at, fix.first.size(), fix.second);
    return true;
}

}  // namespace

bool TakeFamiliarReadings(const std::filesystem::path& anthology,
                          const std::filesystem::path& reviewFile, Simplifier& simplifier,
                          std::vector<Poem>& poems, FamiliarCounts& counts, std::string& error) {
    std::vector<AnthologyPoem> familiar;
    if (!ReadAnthology(anthology, simplifier, familiar, error)) return false;
    TsvTable review;
    if (!ReadTsv(reviewFile, {"题目", "作者", "决定", "说明"}, review, error)) return false;
    std::map<std::pair<std::string, std::string>, Decision> decisions;
    for (std::size_t r = 0; r < review.rows.size(); ++r) {
        const auto& row = review.rows[r];
        Decision d;
        d.line = review.lines[r];
        if (!ParseDecision(row[2], d)) {
            error = Where(reviewFile, d.line) +
                    "决定 must be 采用, 新增, 不取 or 全唐诗:<id>, then corrections such as 灸→炙";
            return false;
        }
        decisions[{row[0], row[1]}] = d;
    }

    std::vector<std::vector<std::string>> characters;
    characters.reserve(poems.size());
    for (const Poem& p : poems) characters.push_back(VerseCharacters(p.verse));

    std::vector<Poem> added;
    std::string undecided;
    GbkCharacters gbk;
    for (std::size_t k = 0; k < familiar.size(); ++k) {
        AnthologyPoem& a = familiar[k];
        auto d = decisions.find({a.title, a.author});
        if (d != decisions.end()) {
            for (const auto& fix : d->second.fixes) {
                if (!Fix(a.verse, fix)) {
                    error = Where(reviewFile, d->second.line) + a.title + " has no " + fix.first;
                    return false;
                }
            }
        }
        std::vector<std::string> verse = VerseCharacters(a.verse);
        Match m = BestMatch(verse, a.author, poems, characters);
        if (d != decisions.end()) {
            d->second.used = true;
            const std::string& v = d->second.verdict;
            if (v == "不取") continue;
            if (v == "新增") {
                m.index = -1;
            } else if (v != "采用") {
                const std::string id = v.substr(std::string("全唐诗:").size());
                m.index = -1;
                for (std::size_t i = 0; i < poems.size(); ++i)
                    if (poems[i].sourceId == id) m.index = static_cast<int>(i);
                if (m.index < 0) {
                    error = Where(reviewFile, d->second.line) + "no kept entry has the id " + id;
                    return false;
                }
            } else if (m.index < 0) {
                error = Where(reviewFile, d->second.line) + a.title + " has no match to take";
                return false;
            }
        } else if (m.index < 0 || m.difference > kFewCharacters) {
            undecided += "\n  " + a.title + "\t" + a.author + "\t" +
                         (m.index < 0 ? std::string("no match")
                                      : poems[m.index].author + " " + poems[m.index].title + " (" +
                                            poems[m.index].sourceId + "), " +
                                            std::to_string(m.difference) + " characters differ");
            continue;
        }
        if (!gbk.AllEncodable(Utf8Characters(a.verse)) ||
            !gbk.AllEncodable(Utf8Characters(a.title))) {
            error = a.title + " of 唐诗三百首 holds a character GBK lacks";
            return false;
        }
        if (m.index < 0) {
            added.push_back({"", a.title, a.author, a.verse, a.notes, static_cast<int>(k + 1)});
            continue;
        }
        Poem& p = poems[m.index];
        if (p.familiarRank == -1) {
            error = a.title + ": its match " + p.sourceId + " was dropped as another reading";
            return false;
        }
        if (p.familiarRank != 0) {
            error = a.title + " and another poem of 唐诗三百首 match the same entry " + p.sourceId;
            return false;
        }
        ++counts.matched;
        p.familiarRank = static_cast<int>(k + 1);
        std::vector<std::string> notes = a.notes;
        if (VerseCharacters(p.verse) != verse) {
            ++counts.readings;
            notes.push_back("《全唐诗》作：" + p.verse);
        }
        if (p.title != a.title) notes.push_back("《全唐诗》题作《" + p.title + "》");
        notes.insert(notes.end(), p.notes.begin(), p.notes.end());
        for (std::size_t j = 0; j < poems.size(); ++j) {
            Poem& other = poems[j];
            if (static_cast<int>(j) == m.index || other.author != p.author ||
                other.familiarRank != 0 || VerseDifference(characters[j], verse) > kFewCharacters)
                continue;
            other.familiarRank = -1;  // dropped below
            ++counts.duplicates;
            if (characters[j] != verse && characters[j] != characters[m.index])
                notes.push_back("《全唐诗》又作：" + other.verse);
        }
        p.title = a.title;
        p.verse = a.verse;
        p.notes = std::move(notes);
    }
    std::erase_if(poems, [](const Poem& p) { return p.familiarRank == -1; });
    if (!undecided.empty()) {
        error = "poems of 唐诗三百首 to decide in " + reviewFile.string() + ":" + undecided;
        return false;
    }
    for (const auto& [key, d] : decisions) {
        if (d.used) continue;
        error = Where(reviewFile, d.line) + key.first + " is not a poem of 唐诗三百首";
        return false;
    }
    counts.added = static_cast<int>(added.size());
    poems.insert(poems.end(), added.begin(), added.end());
    return true;
}

}  // namespace lumo::refdb
