#include "CharExplanations.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "CharSources.h"
#include "db/Gbk.h"

namespace lumo::refdb {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// cnchar-data's explanation files are one flat JSON object of word → meaning strings.
class FlatJson {
  public:
    explicit FlatJson(std::string_view text) : s_(text) {}

    bool Parse(Pairs& out) {
        Skip();
        if (!Eat('{')) return false;
        Skip();
        if (Eat('}')) return true;
        while (true) {
            std::string key, value;
            Skip();
            if (!String(key)) return false;
            Skip();
            if (!Eat(':')) return false;
            Skip();
            if (!String(value)) return false;
            out.emplace_back(std::move(key), std::move(value));
            Skip();
            if (Eat('}')) return true;
            if (!Eat(',')) return false;
        }
    }

  private:
    void Skip() {
        while (i_ < s_.size() &&
               (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t'))
            ++i_;
    }
    bool Eat(char c) {
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    bool Hex4(char32_t& v) {
        if (i_ + 4 > s_.size()) return false;
        v = 0;
        for (int k = 0; k < 4; ++k) {
            char c = s_[i_++];
            v <<= 4;
            if (c >= '0' && c <= '9')
                v |= static_cast<char32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                v |= static_cast<char32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                v |= static_cast<char32_t>(c - 'A' + 10);
            else
                return false;
        }
        return true;
    }
    bool String(std::string& out) {
        if (!Eat('"')) return false;
        while (i_ < s_.size()) {
            char c = s_[i_++];
            if (c == '"') return true;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (i_ >= s_.size()) return false;
            char e = s_[i_++];
            switch (e) {
                case 'n':
                    out += '\n';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 'b':
                case 'f':
                    out += ' ';
                    break;
                case 'u': {
                    char32_t cp = 0;
                    if (!Hex4(cp)) return false;
                    if (cp >= 0xD800 && cp <= 0xDBFF && i_ + 1 < s_.size() && s_[i_] == '\\' &&
                        s_[i_ + 1] == 'u') {
                        i_ += 2;
                        char32_t low = 0;
                        if (!Hex4(low)) return false;
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    }
                    out += EncodeUtf8(cp);
                    break;
                }
                default:
                    out += e;
                    break;
            }
        }
        return false;
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

bool StartsWith(const std::u32string& s, std::u32string_view prefix) {
    return s.size() >= prefix.size() && std::u32string_view(s).substr(0, prefix.size()) == prefix;
}

void Trim(std::u32string& s) {
    while (!s.empty() && (s.front() == U' ' || s.front() == U'\u3000')) s.erase(s.begin());
    while (!s.empty() && (s.back() == U' ' || s.back() == U'\u3000')) s.pop_back();
}

// Senses are numbered "1." "2." after a line break or ①②… in the source.
std::vector<std::u32string> Senses(const std::u32string& text) {
    std::vector<std::u32string> senses(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        bool circled = c >= U'\u2460' && c <= U'\u2473';
        bool numbered = false;
        if (c >= U'0' && c <= U'9' && (i == 0 || text[i - 1] == U' ')) {
            std::size_t j = i;
            while (j < text.size() && text[j] >= U'0' && text[j] <= U'9') ++j;
            if (j < text.size() && text[j] == U'.') {
                numbered = true;
                i = j;
            }
        }
        if (circled || numbered) {
            if (!senses.back().empty()) senses.emplace_back();
            continue;
        }
        senses.back() += c;
    }
    return senses;
}

bool IsGarbled(const std::u32string& s) {
    int open = 0, close = 0;
    for (char32_t c : s) {
        // A stray space is the mark of a damaged entry, as is any other ASCII but digits.
        if ((c < 0x80 && !(c >= U'0' && c <= U'9')) || c == U'？' || c == U'～' || c == U'◇' ||
            c == U'〗' || c == U'〖' || c == 0xFFFD || (c >= 0x2500 && c <= 0x257F) ||
            (c >= 0xE000 && c <= 0xF8FF))
            return true;
        if (c == U'“') ++open;
        if (c == U'”') ++close;
    }
    return open != close || !IsGbkEncodable(EncodeUtf8(s));
}

std::u32string FirstSentence(std::u32string s) {
    std::size_t bar = s.find(U'｜');
    if (bar != std::u32string::npos) s.resize(bar);
    std::size_t stop = s.find(U'。');
    if (stop != std::u32string::npos) s.resize(stop);
    Trim(s);
    while (!s.empty() &&
           (s.back() == U'；' || s.back() == U'，' || s.back() == U'、' || s.back() == U'：'))
        s.pop_back();
    return s;
}

// Two ways the source runs other text into a meaning without a mark: an example that repeats the
// word ("原因这不是失败的缘由"), and glosses of the word's parts ("安安定；乐喜爱", "恙病").
bool RunsInText(const std::u32string& word, const std::u32string& meaning) {
    if (meaning.find(word) != std::u32string::npos) return true;
    if (word.find(meaning[0], 1) != std::u32string::npos) return true;
    if (word.size() >= 3 && meaning[0] == word[0]) return true;  // 博览群书: "博广泛"
    for (std::size_t i = meaning.find(U'；'); i != std::u32string::npos;
         i = meaning.find(U'；', i + 1))
        if (i + 1 < meaning.size() && word.find(meaning[i + 1]) != std::u32string::npos)
            return true;
    return false;
}

// The first clean sense of a meaning, or empty when the entry is a mere cross reference, runs an
// example into its text or is garbled.
std::string CleanMeaning(const std::string& word, const std::string& meaning) {
    std::u32string w = DecodeUtf8(word);
    std::u32string text;
    bool quoteOpen = false;
    for (char32_t c : DecodeUtf8(meaning)) {
        if (c == U'\n' || c == U'\r' || c == U'\t') c = U' ';
        if (c == U'\uFE50' || c == U',') c = U'，';
        if (c == U'\uFE51') c = U'、';
        if (c == U'\uFE54' || c == U';') c = U'；';
        if (c == U':') c = U'：';
        if (c == U'(') c = U'（';
        if (c == U')') c = U'）';
        if (c == U'"') {
            c = quoteOpen ? U'”' : U'“';
            quoteOpen = !quoteOpen;
        }
        text += c;
    }
    // Meanings with examples ("…｜…") run the first example into the text; none of them is used.
    if (text.find(U'｜') != std::u32string::npos) return {};
    static const std::u32string_view kVariantNotes[] = {U"亦作", U"也作", U"又作", U"一作", U"又称",
                                                        U"也称", U"亦称", U"也叫", U"又叫"};
    constexpr std::size_t kMaxMeaning = 50;
    std::u32string kept;
    int senses = 0;
    for (std::u32string sense : Senses(text)) {
        Trim(sense);
        // A note on another written form or name comes first, up to its "。"; the meaning follows.
        for (std::u32string_view note : kVariantNotes) {
            if (!StartsWith(sense, note)) continue;
            std::size_t stop = sense.find(U'。');
            sense = stop == std::u32string::npos ? std::u32string() : sense.substr(stop + 1);
            Trim(sense);
            break;
        }
        while (StartsWith(sense, U"〈")) {
            std::size_t close = sense.find(U'〉');
            if (close == std::u32string::npos) break;
            sense.erase(0, close + 1);
        }
        if (sense.empty() || StartsWith(sense, U"见“") || StartsWith(sense, U"同“")) continue;
        // Senses an old dictionary marks as archaic ("犹以来", "谓…", "旧时…", "古官名") say
        // nothing a parent reads today; the next sense may.
        static const std::u32string_view kArchaic[] = {U"犹",     U"谓",     U"旧时",   U"旧指",
                                                       U"旧称",   U"古代",   U"古时",   U"古指",
                                                       U"古官名", U"古地名", U"古国名", U"古书"};
        if (std::any_of(std::begin(kArchaic), std::end(kArchaic),
                        [&sense](std::u32string_view m) { return StartsWith(sense, m); }))
            continue;
        std::u32string first = FirstSentence(sense);
        if (first.size() < 2 || first.size() > 40 || RunsInText(w, first) || IsGarbled(first))
            continue;
        // Old dictionaries list the oldest sense first; a second sense usually brings today's.
        if (!kept.empty() && kept.size() + first.size() > kMaxMeaning) break;
        kept += (kept.empty() ? U"" : U"；") + first;
        if (++senses == 2) break;
    }
    return kept.empty() ? std::string() : EncodeUtf8(kept) + "。";
}

}  // namespace

bool Explanations::Load(const std::filesystem::path& nodeModules,
                        const std::filesystem::path& frequencies, std::string& error) {
    explanationDir_ = nodeModules / "cnchar-data" / "explanation";
    if (!std::filesystem::is_directory(explanationDir_)) {
        error = explanationDir_.string() + " is missing (run scripts/setup: npm ci in refdata/)";
        return false;
    }
    std::ifstream in(frequencies);
    if (!in) {
        error = "cannot read the word frequencies " + frequencies.string() +
                " (Debian package python3-jieba)";
        return false;
    }
    std::string word, tag, line;
    long count = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        if (!(fields >> word >> count >> tag)) continue;
        // Names of people, places and organisations say nothing about the character's meaning.
        if (tag == "nr" || tag == "nrt" || tag == "nrfg" || tag == "ns" || tag == "nt" ||
            tag == "nz")
            continue;
        frequencies_[word] = count;
    }
    if (frequencies_.empty()) {
        error = frequencies.string() + " holds no word frequencies";
        return false;
    }
    return true;
}

bool Explanations::LoadOurWords(const std::filesystem::path& file, std::string& error) {
    TsvTable table;
    if (!ReadTsv(file, {"字", "词语", "释义"}, table, error)) return false;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        // A name character that begins no word shows a word it stands in (眼睛 for 睛); one that
        // stands in no common word at all has an empty word and a note (多用于人名。).
        std::u32string word = DecodeUtf8(row[1]);
        const char32_t cp = SingleCodePoint(row[0]);
        if (cp && word.empty() && !row[2].empty() && IsGbkEncodable(row[2])) {
            ourNotes_[row[0]] = row[2];
            continue;
        }
        if (!cp || word.size() < 2 || word.size() > 4 || word.find(cp) == std::u32string::npos ||
            row[2].empty() || !IsGbkEncodable(row[1] + row[2])) {
            error = Where(file, table.lines[r]) +
                    "expected a character, a word of two to four characters holding it and its "
                    "meaning, all GBK-encodable";
            return false;
        }
        ourWords_[row[0]].emplace_back(row[1], row[2]);
    }
    return true;
}

std::string Explanations::Detail(const std::string& character,
                                 const std::vector<std::string>& readings) const {
    std::string text;
    if (readings.size() > 1) {
        text = "多音字，读 " + readings[0] + "，又读 ";
        for (std::size_t i = 1; i < readings.size(); ++i) text += (i > 1 ? "、" : "") + readings[i];
        text += "。";
    } else if (readings.size() == 1) {
        text = "读 " + readings[0] + "，只有这一个读音。";
    } else {
        text = "读音未详。";
    }

    std::string words;
    std::size_t taken = 0;
    const std::size_t base = DecodeUtf8(text + "常用词语：").size();
    auto take = [&](const std::string& word, const std::string& meaning) {
        std::string entry = "【" + word + "】" + meaning;
        if (taken == kMaxWords || base + DecodeUtf8(words + entry).size() > kMaxLength) return;
        words += entry;
        ++taken;
    };
    auto ours = ourWords_.find(character);
    std::vector<std::string> oursTaken;
    if (ours != ourWords_.end())
        for (const auto& [word, meaning] : ours->second) {
            take(word, meaning);
            oursTaken.push_back(word);
        }
    auto finish = [&] {
        if (!words.empty()) return text + "常用词语：" + words;
        auto note = ourNotes_.find(character);
        return note == ourNotes_.end() ? text : text + note->second;
    };

    std::ifstream in(explanationDir_ / (character + ".json"), std::ios::binary);
    if (!in) return finish();
    std::ostringstream all;
    all << in.rdbuf();
    Pairs pairs;
    if (!FlatJson(all.str()).Parse(pairs)) return finish();

    // Words of the naming dictionary's page: no vulgar or morbid companions for a child's name.
    static const std::u32string kShunned = U"奸淫嫖娼妓屎尿屁粪婊睾肛尸骚";
    const char32_t head = SingleCodePoint(character);
    struct Candidate {
        long frequency;
        std::string word;
        const std::string* meaning;
    };
    std::vector<Candidate> candidates;
    for (const auto& [word, meaning] : pairs) {
        std::u32string w = DecodeUtf8(word);
        if (w.size() < 2 || w.size() > 4 || w[0] != head || !IsGbkEncodable(word)) continue;
        if (std::any_of(w.begin() + 1, w.end(),
                        [](char32_t c) { return kShunned.find(c) != std::u32string::npos; }))
            continue;
        auto f = frequencies_.find(word);
        if (f == frequencies_.end() || f->second < kCommonWord) continue;
        candidates.push_back({f->second, word, &meaning});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return a.frequency != b.frequency ? a.frequency > b.frequency : a.word < b.word;
    });

    for (const Candidate& c : candidates) {
        if (taken == kMaxWords) break;
        if (std::find(oursTaken.begin(), oursTaken.end(), c.word) != oursTaken.end()) continue;
        std::string meaning = CleanMeaning(c.word, *c.meaning);
        if (!meaning.empty()) take(c.word, meaning);
    }
    return finish();
}

}  // namespace lumo::refdb
