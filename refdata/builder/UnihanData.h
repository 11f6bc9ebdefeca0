#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>

// The fields of Unicode's Unihan database that the character table is made of. Debian's
// unicode-data ships Unihan 15.0 as bzip2-compressed text files; 15.0 is the last version that
// still carries kRSKangXi.
namespace lumo::refdb {

struct UnihanEntry {
    std::string totalStrokes;  // kTotalStrokes: "10", or "8 9" (mainland count first)
    std::string rsKangxi;      // kRSKangXi: "85.7", radical.residual by the Kangxi dictionary
    std::string rsUnicode;     // kRSUnicode: "167'.4", the fallback where kRSKangXi is absent
    std::string mandarin;      // kMandarin: "qiáng" (a second value is the Taiwan reading)
    std::string tghz2013;      // kTGHZ2013: "168.020:jiàng 298.090:qiáng"
    std::string xhc1983;       // kXHC1983: same form
    std::string hanyuPinyin;   // kHanyuPinyin: "20999.150:qiáng,qiǎng,jiàng"
    std::string hanyuPinlu;    // kHanyuPinlu: "shì(690) sì(12)", readings with corpus frequencies
    std::string definition;    // kDefinition: English gloss
};

class Unihan {
  public:
    // Reads the three Unihan files that hold the fields above from `dir` (each as .txt.bz2 or
    // .txt). Fails when a file is missing or a needed field occurs nowhere.
    bool Load(const std::filesystem::path& dir, std::string& error);

    const UnihanEntry* Find(char32_t cp) const;

    // Radical number and residual strokes of kRSKangXi (or, failing that, of kRSUnicode).
    // False when neither is there. `fromKangxi` tells which field answered.
    bool RadicalStroke(char32_t cp, int& radical, int& residual, bool* fromKangxi = nullptr) const;

    // The first kTotalStrokes value, or 0.
    int TotalStrokes(char32_t cp) const;

  private:
    std::unordered_map<char32_t, UnihanEntry> entries_;
};

}  // namespace lumo::refdb
