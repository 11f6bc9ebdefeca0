#include "EnglishNamesTransliteration.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>

namespace lumo::refdb {
namespace {

// A sound of the word after mapping the IPA phonemes onto the table's codes.
struct Sound {
    bool vowel = false;
    std::string code;  // consonant code or vowel column
    bool stressed = false;
    bool shortVowel = false;  // a short stressed vowel doubles a following n (Anna 安娜)
    bool weak = false;        // a reduced vowel whose colour the spelling decides
    bool glide = false;       // the weak second half of "iə" / "aɪə" (Ian, Brian)
    int unit = -1;            // index of the vowel sound this belongs to, for the spelling
    bool openO = false;       // the "aw" vowel ɔː, which a written "a" turns into 劳, 保 …
};

struct VowelRule {
    const char* ipa;
    const char* column;
    bool shortVowel;
    bool weak;
    const char* second;  // a second vowel that follows, or nullptr
};

// Vowel phonemes of espeak-ng's English voice and the columns of the syllable table.
constexpr VowelRule kVowels[] = {
    {"a", "a", true, false, nullptr},   {"æ", "a", true, false, nullptr},
    {"ɑː", "a", false, false, nullptr}, {"ɑ", "a", false, false, nullptr},
    {"ʌ", "a", true, false, nullptr},   {"ɐ", "a", false, true, nullptr},
    {"ɛ", "e", true, false, nullptr},   {"e", "e", true, false, nullptr},
    {"eə", "e", false, true, nullptr},  {"eɪ", "ei", false, false, nullptr},
    {"ɪ", "i", true, false, nullptr},   {"i", "i", false, false, nullptr},
    {"iː", "i", false, false, nullptr}, {"iə", "i", false, false, "er"},
    {"ɒ", "o", true, false, nullptr},   {"ɔː", "o", false, false, nullptr},
    {"ɔ", "o", false, false, nullptr},  {"o", "o", false, false, nullptr},
    {"oː", "o", false, false, nullptr}, {"əʊ", "o", false, false, nullptr},
    {"uː", "u", false, false, nullptr}, {"ʊ", "u", false, false, nullptr},
    {"u", "u", false, false, nullptr},  {"ʊə", "u", false, false, "er"},
    {"ə", "er", false, true, nullptr},  {"ɜː", "er", false, false, nullptr},
    {"ɚ", "er", false, true, nullptr},  {"aɪ", "ai", false, false, nullptr},
    {"aɪə", "ai", false, false, "er"},  {"aʊ", "ao", false, false, nullptr},
    {"aʊə", "ao", false, false, "er"},  {"ɔɪ", "o", false, false, "i"},
    {"eɪə", "ei", false, false, "er"},
};

// Consonant phonemes and their rows. The two "th" sounds have a row of their own, written like s
// except when alone (Keith 基思).
const std::map<std::string, std::string> kConsonants = {
    {"p", "p"},  {"b", "b"},   {"t", "t"},  {"d", "d"},  {"k", "k"}, {"ɡ", "g"}, {"g", "g"},
    {"f", "f"},  {"v", "v"},   {"θ", "th"}, {"ð", "th"}, {"s", "s"}, {"z", "z"}, {"ʃ", "sh"},
    {"ʒ", "zh"}, {"tʃ", "ch"}, {"dʒ", "j"}, {"h", "h"},  {"x", "h"}, {"m", "m"}, {"n", "n"},
    {"ŋ", "n"},  {"l", "l"},   {"ɹ", "r"},  {"r", "r"},  {"ɾ", "r"}, {"w", "w"}, {"j", "y"},
};

const std::map<std::string, std::string> kNasalColumn = {
    {"a", "an"}, {"e", "en"}, {"i", "in"}, {"o", "on"}, {"u", "un"}, {"er", "en"},
};

// Maps the phonemes onto sounds; "əl" is a weak vowel followed by l. Unknown phonemes (a glottal
// stop, say) carry nothing a transliteration writes, and are left out, and so is the w that only
// glides from u into the next vowel (Louise 路易丝).
std::vector<Sound> SoundsOf(const std::vector<Phoneme>& phonemes) {
    std::vector<Sound> sounds;
    int unit = 0;
    for (std::size_t k = 0; k < phonemes.size(); ++k) {
        const Phoneme& p = phonemes[k];
        std::string ipa = p.ipa == "əl" ? "ə" : p.ipa;
        bool afterU = !sounds.empty() && sounds.back().vowel && sounds.back().code == "u";
        if (ipa == "w" && afterU && k + 1 < phonemes.size() &&
            !kConsonants.count(phonemes[k + 1].ipa))
            continue;
        if (auto c = kConsonants.find(ipa); c != kConsonants.end()) {
            sounds.push_back({false, c->second});
            continue;
        }
        for (const VowelRule& v : kVowels) {
            if (ipa != v.ipa) continue;
            sounds.push_back({true, v.column, p.stressed, v.shortVowel && p.stressed, v.weak, false,
                              unit, ipa == "ɔː"});
            if (v.second)
                sounds.push_back(
                    {true, v.second, false, false, false, std::string(v.second) == "er", unit});
            ++unit;
            break;
        }
        if (p.ipa == "əl") sounds.push_back({false, "l"});
    }
    return sounds;
}

bool IsVowelLetter(const std::string& w, std::size_t i) {
    char c = w[i];
    if (c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u') return true;
    // y is a vowel after a consonant (Lynn, Bryan), a consonant at the start or after a vowel
    // (Maya).
    return c == 'y' && i > 0 && !IsVowelLetter(w, i - 1);
}

// The runs of vowel letters of the word, without a silent final "e" (Jane, Mike).
std::vector<std::string> VowelGroups(const std::string& word) {
    std::string w;
    for (char c : word) w += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::vector<std::string> groups;
    for (std::size_t i = 0; i < w.size();) {
        if (!IsVowelLetter(w, i)) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < w.size() && IsVowelLetter(w, j)) ++j;
        groups.push_back(w.substr(i, j - i));
        i = j;
    }
    if (groups.size() > 1 && groups.back() == "e" && w.size() >= 2 && w.back() == 'e' &&
        !IsVowelLetter(w, w.size() - 2))
        groups.pop_back();
    return groups;
}

// Gives the weak vowels the colour of their spelling when the vowel letters and vowel sounds
// pair off one to one: a written "a" reads as a (Linda 琳达), a written "o" as o (Thomas 托马斯).
// The weak end of "ia" reads as ya (Liam 利亚姆, Maria 玛丽亚) unless an n closes it (Ian 伊恩).
void ColourWeakVowels(std::vector<Sound>& sounds, const std::vector<std::string>& groups,
                      bool endsInA) {
    int units = 0;
    for (const Sound& s : sounds)
        if (s.vowel) units = s.unit + 1;
    bool paired = units == static_cast<int>(groups.size());
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        Sound& s = sounds[i];
        if (!s.vowel) continue;
        bool last = i + 1 == sounds.size();
        const std::string group = paired ? groups[static_cast<std::size_t>(s.unit)] : std::string();
        bool closedByN = i + 1 < sounds.size() && !sounds[i + 1].vowel && sounds[i + 1].code == "n";
        if (s.glide) {
            if (((!group.empty() && group.back() == 'a') || (last && endsInA)) && !closedByN)
                s.code = "a";
            else if (!group.empty() && group.back() == 'o')
                s.code = "o";  // Theodore 西奥多
            // Before any other consonant the weak end only colours the vowel, and is not written
            // (Mira 米拉, Deirdre 迪尔德丽).
            else if (!last && !closedByN && !sounds[i + 1].vowel)
                s.code.clear();
            continue;
        }
        // "au" and "aw" read as 奥 after the usual tables (Laura 劳拉, Lawrence 劳伦斯).
        if (s.openO && !group.empty() && group[0] == 'a') s.code = "ao";
        if (!s.weak) continue;
        // A weak vowel ending a word written with a final "a" is that a; after an i it is ya.
        if (last && endsInA) {
            s.code = "a";
            s.glide = i > 0 &&
                      (sounds[i - 1].vowel ? sounds[i - 1].code == "i" : sounds[i - 1].code == "y");
            continue;
        }
        // A written "a" before n stays a only in "-man" (Norman 诺曼); elsewhere the weak vowel
        // and its n read as 恩 (Megan 梅根, Jason 杰森).
        bool man = i > 0 && !sounds[i - 1].vowel && sounds[i - 1].code == "m" && group == "a";
        if (group.size() != 1 || (closedByN && !man)) continue;
        if (group == "a")
            s.code = "a";
        else if (group == "o" && s.code == "er")
            s.code = "o";
    }
}

// In names a z sound written with an s is transliterated as s (Susan, James 詹姆斯, Rose 罗斯), and
// the x of Alexander reads as ks whatever its voicing (亚历克斯).
void FollowSpelling(std::vector<Sound>& sounds, const std::string& word) {
    bool hasX = word.find_first_of("xX") != std::string::npos;
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        Sound& s = sounds[i];
        if (s.vowel) continue;
        if (s.code == "z" && word.find_first_of("zZ") == std::string::npos) s.code = "s";
        if (hasX && s.code == "g" && i + 1 < sounds.size() && !sounds[i + 1].vowel &&
            (sounds[i + 1].code == "z" || sounds[i + 1].code == "s"))
            s.code = "k";
    }
}

bool IsVowelAt(const std::vector<Sound>& s, std::size_t i) { return i < s.size() && s[i].vowel; }
bool IsConsonantAt(const std::vector<Sound>& s, std::size_t i, const char* code) {
    return i < s.size() && !s[i].vowel && s[i].code == code;
}
// A vowel, or a y before a vowel (the y of Daniel "d a n j əl" opens the syllable 尼).
bool OpensSyllable(const std::vector<Sound>& s, std::size_t i) {
    return IsVowelAt(s, i) || (IsConsonantAt(s, i, "y") && IsVowelAt(s, i + 1));
}

// A vowel with what closes it. A following n that starts no syllable of its own merges into the
// vowel (Linda 琳), and so does an m before another consonant (Kimberly 金); an n before a vowel
// counts twice after a short stressed a or e, or where the spelling doubles it (Daniel 丹尼尔,
// Anna 安娜, Bonnie 邦妮).
std::string CloseVowel(const std::vector<Sound>& s, std::size_t& i, std::string column,
                       bool doubledN) {
    const Sound& v = s[i];
    auto nasal = kNasalColumn.find(column);
    if (nasal == kNasalColumn.end()) return column;
    if (IsConsonantAt(s, i + 1, "n")) {
        if (!OpensSyllable(s, i + 2)) {
            ++i;  // the n is spent
            return nasal->second;
        }
        bool shortAE = v.shortVowel && (column == "a" || column == "e");
        if ((shortAE || (doubledN && v.stressed)) && !s[i + 2].glide) return nasal->second;
    }
    if (IsConsonantAt(s, i + 1, "m") && i + 2 < s.size() && !OpensSyllable(s, i + 2)) {
        ++i;
        return nasal->second;
    }
    return column;
}

}  // namespace

bool SyllableTable::Load(const std::filesystem::path& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path.string();
        return false;
    }
    std::vector<std::string> columns;
    std::set<std::string> onsets;
    std::string line;
    for (int lineNo = 1; std::getline(in, line); ++lineNo) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f;
        for (std::size_t start = 0, tab;; start = tab + 1) {
            tab = line.find('\t', start);
            f.push_back(
                line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos) break;
        }
        auto fail = [&](const std::string& what) {
            error = path.string() + " line " + std::to_string(lineNo) + ": " + what;
            return false;
        };
        if (columns.empty()) {
            if (f.size() < 2 || f[0] != "辅音")
                return fail("the first row must be the header 辅音<TAB>vowels…");
            columns = f;
            continue;
        }
        if (f.size() != columns.size())
            return fail("expected " + std::to_string(columns.size()) + " cells, found " +
                        std::to_string(f.size()));
        if (!onsets.insert(f[0]).second) return fail("the consonant " + f[0] + " has a second row");
        for (std::size_t c = 1; c < f.size(); ++c) {
            if (f[c] == "-" || f[c].empty()) continue;
            std::size_t slash = f[c].find('/');
            std::string plain = f[c].substr(0, slash);
            std::string female = slash == std::string::npos ? plain : f[c].substr(slash + 1);
            if (plain.empty() || female.empty()) return fail("an empty form in \"" + f[c] + "\"");
            cells_[{f[0], columns[c]}] = {plain, female};
        }
    }
    if (cells_.empty()) {
        error = path.string() + " holds no syllable";
        return false;
    }
    return true;
}

std::string SyllableTable::Lookup(const std::string& onset, const std::string& vowel,
                                  bool female) const {
    auto it = cells_.find({onset, vowel});
    if (it == cells_.end()) return {};
    return female ? it->second.second : it->second.first;
}

std::vector<Syllable> SyllablesOf(const std::string& word, const std::vector<Phoneme>& phonemes) {
    std::vector<Sound> s = SoundsOf(phonemes);
    FollowSpelling(s, word);
    ColourWeakVowels(s, VowelGroups(word),
                     !word.empty() && (word.back() == 'a' || word.back() == 'A'));
    std::erase_if(s, [](const Sound& sound) { return sound.vowel && sound.code.empty(); });
    const bool doubledN = word.find("nn") != std::string::npos;
    std::vector<Syllable> out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i].vowel) {
            std::string onset = s[i].glide && s[i].code == "a" ? "y" : "0";
            std::string column = CloseVowel(s, i, s[i].code, doubledN);
            // A name opening on a short stressed a writes it 艾 (Alice 艾丽丝, Albert 艾伯特).
            if (out.empty() && column == "a" && s[i].shortVowel) column = "ai";
            out.push_back({onset, column});
            continue;
        }
        std::string onset = s[i].code;
        // k, g and h before w read as one sound (Quentin 昆廷, Gwen 格温 keeps its own row).
        if ((onset == "k" || onset == "h") && IsConsonantAt(s, i + 1, "w") && IsVowelAt(s, i + 2)) {
            onset += "w";
            ++i;
        }
        // A consonant before "ju" takes the "iu" column (Matthew 马修); before a weak vowel
        // the y is only an i (Daniel 丹尼尔).
        if (IsConsonantAt(s, i + 1, "y") && IsVowelAt(s, i + 2) && onset != "y") {
            if (s[i + 2].code == "u") {
                i += 2;
                out.push_back({onset, CloseVowel(s, i, "iu", doubledN)});
                continue;
            }
            if (s[i + 2].weak && !s[i + 2].glide) {
                i += 2;
                out.push_back({onset, CloseVowel(s, i, "i", doubledN)});
                continue;
            }
            if (s[i + 2].glide) {  // the final ya of Sonia 索尼娅
                ++i;
                out.push_back({onset, "i"});
                continue;
            }
        }
        if (IsVowelAt(s, i + 1)) {
            ++i;
            out.push_back({onset, CloseVowel(s, i, s[i].code, doubledN)});
            continue;
        }
        // Consonants standing alone; t+s and d+z are one sound each (Betts 贝茨).
        if ((onset == "t" && IsConsonantAt(s, i + 1, "s")) ||
            (onset == "d" && IsConsonantAt(s, i + 1, "z"))) {
            onset = onset == "t" ? "ts" : "z";
            ++i;
        }
        // f and v before another consonant are 弗 (Frank 弗兰克), at the end 夫 (Ralph 拉尔夫).
        bool beforeConsonant = i + 1 < s.size() && !s[i + 1].vowel;
        out.push_back({onset, (onset == "f" || onset == "v") && beforeConsonant ? "er" : "单"});
    }
    return out;
}

std::string WriteSyllables(const std::vector<Syllable>& syllables, const SyllableTable& table,
                           bool female) {
    std::string out;
    for (std::size_t k = 0; k < syllables.size(); ++k) {
        const Syllable& syl = syllables[k];
        // The feminine form of a lone consonant belongs to the end of a name (Alice 爱丽丝).
        bool feminine = female && (syl.vowel != "单" || k + 1 == syllables.size());
        std::string chars = table.Lookup(syl.onset, syl.vowel, feminine);
        // A syllable the table lacks is written as its consonant and its vowel apart.
        if (chars.empty())
            chars = table.Lookup(syl.onset, "单", false) + table.Lookup("0", syl.vowel, feminine);
        out += chars;
    }
    return out;
}

}  // namespace lumo::refdb
