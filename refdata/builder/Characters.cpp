// LM_CNWord: one row for every GB2312 character and for every character of the naming pools, the
// classic name lists and the family-name table. Facts come from Unihan and OpenCC, the rules of
// name numerology from refdata/kangxi/ and refdata/elements/, the explanations from our own texts
// (refdata/chars/) and from cnchar-data.
#include "numerology/Characters.h"

#include <opencc/opencc.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <set>

#include "CharExplanations.h"
#include "CharPinyin.h"
#include "CharRules.h"
#include "CharSources.h"
#include "ModernRadicals.h"
#include "RefBuilder.h"
#include "UnihanData.h"
#include "db/Gbk.h"
#include "db/ReferenceSchema.h"
#include "generation/NameLists.h"
#include "generation/NamePools.h"

namespace lumo::refdb {
namespace {

constexpr const char* kOpenccConfig = "/usr/share/opencc/s2t.json";

class SimplifiedToTraditional {
  public:
    SimplifiedToTraditional() : od_(opencc_open(kOpenccConfig)) {}
    ~SimplifiedToTraditional() {
        if (ok()) opencc_close(od_);
    }
    SimplifiedToTraditional(const SimplifiedToTraditional&) = delete;
    SimplifiedToTraditional& operator=(const SimplifiedToTraditional&) = delete;

    bool ok() const { return od_ != reinterpret_cast<opencc_t>(-1) && od_ != nullptr; }

    // OpenCC's traditional form of one character, or 0 when it does not answer one character.
    char32_t Convert(const std::string& character) const {
        char* out = opencc_convert_utf8(od_, character.c_str(), character.size());
        if (!out) return 0;
        char32_t cp = SingleCodePoint(out);
        opencc_convert_utf8_free(out);
        return cp;
    }

  private:
    opencc_t od_;
};

// GB2312's 6,763 characters: rows 16 to 87 of the code table, in GBK code order. Row 55 ends
// five places early.
std::vector<std::string> Gb2312Characters() {
    std::vector<std::string> characters;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            if (lead == 0xD7 && trail >= 0xFA) continue;
            characters.push_back(
                GbkToUtf8(std::string{static_cast<char>(lead), static_cast<char>(trail)}));
        }
    }
    return characters;
}

int GbkCode(const std::string& utf8) {
    std::string gbk = Utf8ToGbk(utf8);
    if (gbk.size() != 2) return 0;
    return (static_cast<unsigned char>(gbk[0]) << 8) | static_cast<unsigned char>(gbk[1]);
}

// A two-byte GBK character that is a CJK ideograph (not punctuation or a symbol).
bool IsIdeograph(const std::string& gbk) {
    if (gbk.size() != 2 || static_cast<unsigned char>(gbk[0]) < 0x81) return false;
    char32_t cp = SingleCodePoint(GbkToUtf8(gbk));
    return (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0x3400 && cp <= 0x4DBF) ||
           (cp >= 0xF900 && cp <= 0xFAFF);
}

void AddCharacters(const std::string& gbkText, std::set<std::string>& into) {
    for (const std::string& c : SplitCharacters(gbkText))
        if (IsIdeograph(c)) into.insert(GbkToUtf8(c));
}

// The family names are another step's source; only their characters matter here.
std::set<std::string> SurnameCharacters(const std::filesystem::path& file) {
    std::set<std::string> characters;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (header) {
            header = false;
            continue;
        }
        AddCharacters(Utf8ToGbk(line.substr(0, line.find('\t'))), characters);
    }
    return characters;
}

// Every character a user meets in the naming modes, as UTF-8.
std::set<std::string> NamingCharacters(const std::filesystem::path& sourceDir) {
    std::set<std::string> characters = SurnameCharacters(sourceDir / "text" / "surnames.tsv");
    for (const std::string* pool :
         {&MaleNamePool(), &FemaleNamePool(), &MaleClassicPool(), &FemaleClassicPool(),
          &MaleGivenNameList(), &FemaleGivenNameList()})
        AddCharacters(*pool, characters);
    return characters;
}

// 基本解释 written by us, by character. Later files do not replace an earlier file's entry.
// The rest of the table's explanations (chars/basic_more.tsv), with 附英文 「是」 where Unihan's
// English gloss adds something a reader values (a species' or a compound's name): the characters
// that get it are added to `withEnglish`.
bool ReadMoreBasicTexts(const std::filesystem::path& dir, std::map<std::string, std::string>& texts,
                        std::set<std::string>& withEnglish, std::string& error) {
    const std::filesystem::path file = dir / "chars" / "basic_more.tsv";
    TsvTable table;
    if (!ReadTsv(file, {"字", "基本解释", "附英文"}, table, error)) return false;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        if (!SingleCodePoint(row[0]) || row[1].empty() || !IsGbkEncodable(row[1]) ||
            (!row[2].empty() && row[2] != "是") || !texts.emplace(row[0], row[1]).second) {
            error = Where(file, table.lines[r]) +
                    "expected one character not explained before, its GBK-encodable explanation "
                    "and 是 or nothing";
            return false;
        }
        if (row[2] == "是") withEnglish.insert(row[0]);
    }
    return true;
}

// Reviewed readings (chars/readings.tsv) that replace what the rule derives from Unihan.
bool ReadReadingFixes(const std::filesystem::path& dir,
                      std::map<std::string, std::vector<std::string>>& fixes, std::string& error) {
    const std::filesystem::path file = dir / "chars" / "readings.tsv";
    TsvTable table;
    if (!ReadTsv(file, {"字", "读音", "说明"}, table, error)) return false;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        std::vector<std::string> readings;
        for (std::size_t at = 0; at <= row[1].size();) {
            std::size_t comma = row[1].find(',', at);
            if (comma == std::string::npos) comma = row[1].size();
            if (comma > at) readings.push_back(row[1].substr(at, comma - at));
            at = comma + 1;
        }
        if (!SingleCodePoint(row[0]) || readings.empty() || row[2].empty() ||
            !IsGbkEncodable(row[1]) || !fixes.emplace(row[0], readings).second) {
            error = Where(file, table.lines[r]) +
                    "expected one character (once), its readings separated by \",\" and why";
            return false;
        }
    }
    return true;
}

bool ReadBasicTexts(const std::filesystem::path& dir, std::map<std::string, std::string>& texts,
                    std::string& error) {
    for (const char* name :
         {"basic_a.tsv", "basic_b.tsv", "basic_surnames.tsv", "basic_extra.tsv"}) {
        const std::filesystem::path file = dir / "chars" / name;
        TsvTable table;
        // The family-name texts arrive with the family-name table.
        if (!ReadTsv(file, {"字", "基本解释"}, table, error,
                     std::string(name) == "basic_surnames.tsv"))
            return false;
        std::set<std::string> seen;
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            const std::string& c = table.rows[r][0];
            const std::string& text = table.rows[r][1];
            if (!SingleCodePoint(c) || text.empty() || !seen.insert(c).second) {
                error = Where(file, table.lines[r]) +
                        "expected one character (once in the file) and its explanation";
                return false;
            }
            if (!IsGbkEncodable(text)) {
                error = Where(file, table.lines[r]) +
                        "the explanation holds a character GBK cannot encode";
                return false;
            }
            texts.emplace(c, text);
        }
    }
    return true;
}

// The reviewed list of characters unsuitable for a given name: character → reason.
bool ReadUnsuitable(const std::filesystem::path& dir, const std::set<std::string>& characters,
                    std::map<std::string, std::string>& reasons, std::string& error) {
    static const std::set<std::string> kKinds = {"字义", "联想", "谐音", "粗俗"};
    const std::filesystem::path file = dir / "chars" / "unsuitable.tsv";
    TsvTable table;
    if (!ReadTsv(file, {"字", "类别", "理由"}, table, error)) return false;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        if (!SingleCodePoint(row[0]) || !kKinds.count(row[1]) || row[2].empty() ||
            !IsGbkEncodable(row[2]) || !reasons.emplace(row[0], row[2]).second) {
            error = Where(file, table.lines[r]) +
                    "expected one character (once), a kind (字义 联想 谐音 粗俗) and a reason";
            return false;
        }
        // A character the dictionary lacks could never be marked: a stray entry.
        if (!characters.count(row[0])) {
            error = Where(file, table.lines[r]) + row[0] + " is not a character of LM_CNWord";
            return false;
        }
    }
    return true;
}

const char* OriginName(Origin o) {
    switch (o) {
        case Origin::Reviewed:
            return "审定";
        case Origin::Override:
            return "例外";
        case Origin::Radical:
            return "部首";
        default:
            return "读音";
    }
}

// Unihan's English gloss with the few Latin letters GBK lacks written without their accents.
std::string GbkSafeGloss(const std::string& gloss) {
    static const std::map<char32_t, std::string> kFold = [] {
        std::map<char32_t, std::string> m;
        auto add = [&m](std::u32string_view accented, const char* plain) {
            for (char32_t c : accented) m[c] = plain;
        };
        add(U"ÀÁÂÃÄÅĀĂĄàáâãäåāăą", "a");
        add(U"ÇĆČçćč", "c");
        add(U"ÈÉÊËĒĖĘĚèéêëēėęěẽ", "e");
        add(U"ÌÍÎÏĪìíîïīǐ", "i");
        add(U"ÑŃŇñńň", "n");
        add(U"ÒÓÔÕÖØŌòóôõöøōǒ", "o");
        add(U"ÙÚÛÜŪŮùúûüūůǔǖǘǚǜ", "u");
        add(U"Ýýÿŷỳỹȳẏẙ", "y");
        add(U"ŠŚšś", "s");
        add(U"ŽŹŻžźż", "z");
        add(U"ḤḥḌḍṬṭṢṣṆṇṂṃḶḷṚṛ", "");
        for (char32_t d = 0; d < 10; ++d)
            m[U'\u2080' + d] = std::string(1, static_cast<char>('0' + d));  // C₄H₄O
        m[U'ß'] = "ss";
        m[U'‘'] = m[U'’'] = "'";
        m[U'“'] = m[U'”'] = "\"";
        return m;
    }();
    std::string out;
    for (char32_t c : DecodeUtf8(gloss)) {
        std::string one = EncodeUtf8(c);
        if (IsGbkEncodable(one)) {
            out += one;
            continue;
        }
        auto it = kFold.find(c);
        out += it != kFold.end() ? it->second : std::string();
    }
    // A dropped character (a rare ideograph quoted after its code point) leaves "U+410D , meaning".
    for (std::size_t at; (at = out.find(" ,")) != std::string::npos;) out.erase(at, 1);
    return out;
}

std::string EnglishGloss(const UnihanEntry* entry, const std::vector<std::string>& readings) {
    std::string gloss = entry ? GbkSafeGloss(entry->definition) : std::string();
    if (!gloss.empty()) return "英文释义：" + gloss;
    return readings.empty() ? std::string("生僻字，常用字书未见释义。")
                            : "生僻字，读 " + readings.front() + "，常用字书未见释义。";
}

struct Tally {
    std::map<Origin, int> kangxi, element;
    int ours = 0, detailWithWords = 0, traditionalKept = 0;
    std::vector<std::string> withoutOurText;
    std::vector<std::string> kangxiToReview;  // inconsistent counts no one has reviewed yet
};

struct Sources {
    const Unihan& unihan;
    const CharRules& rules;
    const ModernRadicals& radicals;
    const Explanations& explanations;
    const SimplifiedToTraditional& opencc;
    const std::map<std::string, std::string>& basicTexts;
    const std::set<std::string>& withEnglish;
    const std::map<std::string, std::vector<std::string>>& readingFixes;
    const std::set<std::string>& naming;
    const std::map<std::string, std::string>& unsuitable;
};

bool WriteCharacter(SqliteDatabase& db, const Sources& src, int id, const std::string& c,
                    Tally& tally, std::string& error) {
    const char32_t cp = SingleCodePoint(c);
    const UnihanEntry* entry = src.unihan.Find(cp);
    const int simplifiedStrokes = src.unihan.TotalStrokes(cp);
    if (!entry || simplifiedStrokes == 0) {
        error = "Unihan has no stroke count for " + c;
        return false;
    }
    auto fixed = src.readingFixes.find(c);
    const std::vector<std::string> readings =
        fixed != src.readingFixes.end() ? fixed->second : ReadingsOf(*entry);
    std::string pinyin2;
    for (const std::string& r : readings) pinyin2 += (pinyin2.empty() ? "" : ",") + r;
    const std::string pinyin1 = readings.empty() ? std::string() : PlainPinyin(readings.front());
    std::string initial, final;
    SplitSyllable(pinyin1, initial, final);

    TraditionalForm traditional = src.rules.Traditional(src.unihan, cp, src.opencc.Convert(c));
    ++tally.kangxi[traditional.origin];
    std::string why;
    if (!src.rules.KangxiReviewed(cp) &&
        !src.rules.KangxiConsistent(src.unihan, SingleCodePoint(traditional.form), why))
        tally.kangxiToReview.push_back(c + " (" + why + ")");
    Origin elementOrigin{};
    const std::string element = src.rules.Element(src.unihan, cp, SingleCodePoint(traditional.form),
                                                  initial, &elementOrigin);
    ++tally.element[elementOrigin];
    if (!IsGbkEncodable(traditional.form)) {
        // Counted by its real traditional form, shown by the one GBK can hold.
        traditional.form = c;
        ++tally.traditionalKept;
    }

    std::string basic;
    auto ours = src.basicTexts.find(c);
    if (ours != src.basicTexts.end()) {
        basic = ours->second;
        ++tally.ours;
        const std::string gloss = GbkSafeGloss(entry->definition);
        if (src.withEnglish.count(c) && !gloss.empty()) basic += "\n英文：" + gloss;
    } else {
        basic = EnglishGloss(entry, readings);
        if (src.naming.count(c)) tally.withoutOurText.push_back(c);
    }
    // The explanation of a character the reviewed list marks unsuitable says so, with the reason.
    auto unsuitableReason = src.unsuitable.find(c);
    if (unsuitableReason != src.unsuitable.end() && basic.find("不宜取名") == std::string::npos)
        basic += "不宜取名：" + unsuitableReason->second + "。";
    const std::string detail = src.explanations.Detail(c, readings);
    if (detail.find("常用词语") != std::string::npos) ++tally.detailWithWords;

    InsertRow(db, Utf8ToGbk("LM_CNWord"),
              {SqlParam::Integer(id), SqlParam::Integer(GbkCode(c)), Utf8Param(c), Utf8Param(c),
               Utf8Param(traditional.form), SqlParam::Integer(simplifiedStrokes),
               SqlParam::Integer(traditional.strokes), Utf8Param(pinyin1), Utf8Param(pinyin2),
               Utf8Param(initial), Utf8Param(final), Utf8Param(src.radicals.Of(src.unihan, cp)),
               Utf8Param(element), Utf8Param(""), Utf8Param(basic), Utf8Param(detail)});
    auto unsuitable = src.unsuitable.find(c);
    InsertRow(db, Utf8ToGbk("LM_用字注记"),
              {SqlParam::Integer(id), Utf8Param(c), Utf8Param(OriginName(elementOrigin)),
               Utf8Param(unsuitable != src.unsuitable.end() ? unsuitable->second : "")});
    return true;
}

int Count(const std::map<Origin, int>& counts, Origin o) {
    auto it = counts.find(o);
    return it == counts.end() ? 0 : it->second;
}

void Report(const Tally& t, std::size_t rows, std::size_t gb2312) {
    std::cout << "lumo-refdb: LM_CNWord " << rows << " rows (" << gb2312 << " GB2312, "
              << rows - gb2312 << " more from the pools, lists and family names); Kangxi counts: "
              << Count(t.kangxi, Origin::Override) << " reviewed overrides, "
              << Count(t.kangxi, Origin::Radical) << " by kRSKangXi, "
              << Count(t.kangxi, Origin::Fallback)
              << " by fallback; elements: " << Count(t.element, Origin::Reviewed)
              << " from the reviewed table, " << Count(t.element, Origin::Override)
              << " reviewed exceptions, " << Count(t.element, Origin::Radical) << " by radical, "
              << Count(t.element, Origin::Sound) << " by sound; " << t.ours
              << " explanations of ours; " << t.detailWithWords << " with common words\n";
    if (t.traditionalKept)
        std::cout << "lumo-refdb: " << t.traditionalKept
                  << " traditional forms outside GBK shown as the character\n";
    if (!t.withoutOurText.empty()) {
        std::cerr << "lumo-refdb: warning: naming characters without an explanation of ours "
                     "(add them to refdata/chars/basic_extra.tsv): ";
        for (const std::string& c : t.withoutOurText) std::cerr << c;
        std::cerr << "\n";
    }
}

}  // namespace

bool BuildCharacters(SqliteDatabase& db, const BuildContext& ctx, std::string& error) {
    Unihan unihan;
    CharRules rules;
    ModernRadicals radicals;
    Explanations explanations;
    std::map<std::string, std::string> basicTexts;
    std::set<std::string> withEnglish;
    std::map<std::string, std::vector<std::string>> readingFixes;
    if (!unihan.Load(ctx.unihanDir, error) || !rules.Load(ctx.sourceDir, unihan, error) ||
        !radicals.Load(ctx.unihanDir, ctx.nodeModules / "cnchar-data" / "draw", error) ||
        !explanations.Load(ctx.nodeModules, Explanations::kJiebaDictionary, error) ||
        !explanations.LoadOurWords(ctx.sourceDir / "chars" / "words.tsv", error) ||
        !ReadBasicTexts(ctx.sourceDir, basicTexts, error) ||
        !ReadMoreBasicTexts(ctx.sourceDir, basicTexts, withEnglish, error) ||
        !ReadReadingFixes(ctx.sourceDir, readingFixes, error))
        return false;
    SimplifiedToTraditional opencc;
    if (!opencc.ok()) {
        error = std::string("cannot open OpenCC's ") + kOpenccConfig +
                " (Debian packages opencc, libopencc-dev)";
        return false;
    }

    const std::vector<std::string> gb2312 = Gb2312Characters();
    const std::set<std::string> naming = NamingCharacters(ctx.sourceDir);

    std::vector<std::string> characters = gb2312;
    const std::set<std::string> inGb2312(gb2312.begin(), gb2312.end());
    std::vector<std::string> more;
    for (const std::string& c : naming)
        if (!inGb2312.count(c)) more.push_back(c);
    std::sort(more.begin(), more.end(),
              [](const std::string& a, const std::string& b) { return GbkCode(a) < GbkCode(b); });
    characters.insert(characters.end(), more.begin(), more.end());
    std::map<std::string, std::string> unsuitable;
    if (!ReadUnsuitable(ctx.sourceDir, {characters.begin(), characters.end()}, unsuitable, error))
        return false;

    Sources src{unihan,     rules,       radicals,     explanations, opencc,
                basicTexts, withEnglish, readingFixes, naming,       unsuitable};
    Tally tally;
    for (std::size_t i = 0; i < characters.size(); ++i)
        if (!WriteCharacter(db, src, static_cast<int>(i) + 1, characters[i], tally, error))
            return false;
    if (static_cast<std::size_t>(CountRows(db, Utf8ToGbk("LM_CNWord"))) != characters.size()) {
        error = "LM_CNWord: not every row was written";
        return false;
    }
    // A new Unihan may bring a new miscount: the build stops until someone has looked at it.
    if (!tally.kangxiToReview.empty()) {
        error = std::to_string(tally.kangxiToReview.size()) +
                " Kangxi counts where Unihan disagrees with itself; review each into "
                "kangxi/overrides.tsv or kangxi/checked.tsv:";
        for (const std::string& line : tally.kangxiToReview) error += "\n  " + line;
        return false;
    }
    Report(tally, characters.size(), gb2312.size());
    return true;
}

}  // namespace lumo::refdb
