#include "CharPinyin.h"

#include <algorithm>
#include <map>

#include "CharSources.h"
#include "db/Gbk.h"

namespace lumo::refdb {
namespace {

// Base letter of each vowel or nasal that Unihan writes with a tone mark.
const std::map<char32_t, char>& ToneBases() {
    static const std::map<char32_t, char> bases = [] {
        std::map<char32_t, char> m;
        auto add = [&m](std::string_view marked, char base) {
            for (char32_t cp : DecodeUtf8(marked)) m[cp] = base;
        };
        add("āáǎà", 'a');
        add("ēéěèêế", 'e');
        add("īíǐì", 'i');
        add("ōóǒò", 'o');
        add("ūúǔù", 'u');
        add("ǖǘǚǜü", 'v');
        add("ńňǹ", 'n');
        add("ḿ", 'm');
        return m;
    }();
    return bases;
}

bool IsCombiningMark(char32_t cp) { return cp >= 0x300 && cp <= 0x36F; }

// GBK holds the pinyin letters with the four tones but not the rare ê with a tone or a
// combining grave on m; those lose the mark, keeping the letter.
std::string GbkSafe(std::string_view toned) {
    std::string out;
    for (char32_t cp : DecodeUtf8(toned)) {
        if (IsCombiningMark(cp)) continue;
        std::string one = EncodeUtf8(cp);
        if (IsGbkEncodable(one)) {
            out += one;
        } else {
            auto it = ToneBases().find(cp);
            out += it == ToneBases().end() ? std::string()
                                           : std::string(1, it->second == 'v' ? 'u' : it->second);
        }
    }
    return out;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        if (end > start) words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// "168.020:jiàng 298.090:qiáng" or "20999.150:qiáng,qiǎng": the readings after each colon.
std::vector<std::string> DictionaryReadings(const std::string& field) {
    std::vector<std::string> readings;
    for (const std::string& word : Words(field)) {
        std::size_t colon = word.find(':');
        std::string list = colon == std::string::npos ? word : word.substr(colon + 1);
        std::size_t start = 0;
        while (start <= list.size()) {
            std::size_t comma = list.find(',', start);
            if (comma == std::string::npos) comma = list.size();
            std::string reading = list.substr(start, comma - start);
            reading.erase(std::remove(reading.begin(), reading.end(), '*'), reading.end());
            if (!reading.empty()) readings.push_back(reading);
            start = comma + 1;
        }
    }
    return readings;
}

bool IsNeutral(const std::string& reading) { return PlainPinyin(reading) == reading; }

// Unihan's kMandarin names the most customary reading, but in a few characters that reading does
// not suit a name: a neutral tone (子 zi, 卜 bo) or a reading the 2013 standard no longer lists
// (罗 luō). Then the full reading with the same letters, kMandarin's second value or the
// standard's own reading comes first.
std::string FirstReading(const std::vector<std::string>& mandarin,
                         const std::vector<std::string>& standard,
                         const std::vector<std::string>& all) {
    std::string first =
        mandarin.empty() ? (all.empty() ? std::string() : all.front()) : mandarin.front();
    if (first.empty()) return first;
    if (IsNeutral(first)) {
        for (const std::string& r : all)
            if (!IsNeutral(r) && PlainPinyin(r) == first) return r;
        if (mandarin.size() > 1 && !IsNeutral(mandarin[1])) return mandarin[1];
        return first;
    }
    if (!standard.empty() && std::find(standard.begin(), standard.end(), first) == standard.end())
        return standard.front();
    return first;
}

// "shì(690) sì(12)" → reading → count.
std::vector<std::pair<std::string, long>> Frequencies(const std::string& field) {
    std::vector<std::pair<std::string, long>> out;
    for (const std::string& word : Words(field)) {
        std::size_t open = word.find('(');
        if (open == std::string::npos) continue;
        try {
            out.emplace_back(word.substr(0, open), std::stol(word.substr(open + 1)));
        } catch (...) {
        }
    }
    return out;
}

// The standard's readings with the most used full-tone reading first.
std::vector<std::string> StandardOrder(const UnihanEntry& entry,
                                       const std::vector<std::string>& standard,
                                       const std::vector<std::string>& mandarin) {
    std::string main;
    long best = -1;
    for (const auto& [reading, count] : Frequencies(entry.hanyuPinlu))
        if (!IsNeutral(reading) && count > best &&
            std::find(standard.begin(), standard.end(), reading) != standard.end())
            main = reading, best = count;
    if (main.empty() && !mandarin.empty() && !IsNeutral(mandarin.front()) &&
        std::find(standard.begin(), standard.end(), mandarin.front()) != standard.end())
        main = mandarin.front();
    if (main.empty())
        for (const std::string& r : standard)
            if (!IsNeutral(r)) {
                main = r;
                break;
            }
    std::vector<std::string> ordered;
    if (!main.empty()) ordered.push_back(main);
    for (const std::string& r : standard)
        if (r != main) ordered.push_back(r);
    return ordered;
}

}  // namespace

std::vector<std::string> ReadingsOf(const UnihanEntry& entry) {
    const std::vector<std::string> mandarin = Words(entry.mandarin);
    const std::vector<std::string> standard = DictionaryReadings(entry.tghz2013);
    std::vector<std::string> readings;
    auto add = [&readings](const std::string& toned) {
        std::string safe = GbkSafe(toned);
        if (!safe.empty() && std::find(readings.begin(), readings.end(), safe) == readings.end())
            readings.push_back(safe);
    };
    if (!standard.empty()) {
        for (const std::string& r : StandardOrder(entry, standard, mandarin)) add(r);
        return readings;
    }
    // kMandarin's second value is the Taiwan reading; the other readings are the mainland
    // dictionaries'.
    std::vector<std::string> all(mandarin.begin(), mandarin.begin() + (mandarin.empty() ? 0 : 1));
    for (const std::string& r : DictionaryReadings(entry.xhc1983)) all.push_back(r);
    if (all.size() <= 1) {
        std::vector<std::string> old = DictionaryReadings(entry.hanyuPinyin);
        if (old.size() > 3) old.resize(3);
        all.insert(all.end(), old.begin(), old.end());
    }
    add(FirstReading(mandarin, standard, all));
    for (const std::string& r : all) add(r);
    return readings;
}

std::string PlainPinyin(std::string_view toned) {
    std::string plain;
    for (char32_t cp : DecodeUtf8(toned)) {
        if (cp < 0x80) {
            if (cp >= 'A' && cp <= 'Z') cp += 'a' - 'A';
            if (cp >= 'a' && cp <= 'z') plain += static_cast<char>(cp);
            continue;
        }
        auto it = ToneBases().find(cp);
        if (it != ToneBases().end()) plain += it->second;
    }
    return plain;
}

void SplitSyllable(const std::string& plain, std::string& initial, std::string& final) {
    static const char* const kInitials[] = {"zh", "ch", "sh", "b", "p", "m", "f", "d",
                                            "t",  "n",  "l",  "g", "k", "h", "j", "q",
                                            "x",  "r",  "z",  "c", "s", "y", "w"};
    initial.clear();
    for (const char* i : kInitials) {
        std::string candidate(i);
        // "m", "n" and "ng" alone are syllables (呣 嗯) with no vowel; they keep their letter as
        // final.
        if (plain.rfind(candidate, 0) == 0 && plain.size() > candidate.size() && plain != "ng") {
            initial = candidate;
            break;
        }
    }
    final = plain.substr(initial.size());
}

}  // namespace lumo::refdb
