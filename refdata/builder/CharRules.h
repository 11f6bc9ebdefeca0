#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "UnihanData.h"

// The two rules of name numerology that the character table carries: the Kangxi stroke count of
// the traditional form (繁体笔画数) and the element (五行属性). Their tables are reviewed TSV files
// under refdata/kangxi/ and refdata/elements/.
namespace lumo::refdb {

// How a value was reached, for the build summary and the README figures.
enum class Origin { Reviewed, Override, Radical, Fallback, Sound };

struct TraditionalForm {
    std::string form;  // UTF-8, one character
    int strokes = 0;
    Origin origin = Origin::Radical;
};

class CharRules {
  public:
    // `unihan` must be loaded: the radicals' written shapes are counted from it.
    bool Load(const std::filesystem::path& sourceDir, const Unihan& unihan, std::string& error);

    // The Kangxi radical (its full form, 水 for 氵) of a character, UTF-8; empty when unknown.
    std::string RadicalOf(const Unihan& unihan, char32_t cp) const;

    // The traditional form and its count. `opencc` is OpenCC's traditional form of `cp`; a reviewed
    // override (family names, numerals, meanings OpenCC does not pick) takes precedence.
    TraditionalForm Traditional(const Unihan& unihan, char32_t cp, char32_t opencc) const;

    // The count of one traditional character: its radical by the Kangxi grouping plus the residual
    // strokes of kRSKangXi (kRSUnicode, then kTotalStrokes where Unihan lacks it).
    int KangxiStrokes(const Unihan& unihan, char32_t traditional, Origin* origin = nullptr) const;

    // Whether Unihan agrees with itself on a traditional character: the radical's strokes in the
    // shape written inside the character, plus the residual of kRSKangXi, must give one of the
    // character's kTotalStrokes values. A miscounted residual (紫 with 此 as 5, 露 with 路 as 12)
    // breaks the equation and moves the Kangxi count by a stroke. False with the figures in `why`.
    bool KangxiConsistent(const Unihan& unihan, char32_t traditional, std::string& why) const;

    // A character whose traditional form and count were reviewed (kangxi/overrides.tsv) or whose
    // inconsistency was reviewed and the rule's count kept (kangxi/checked.tsv).
    bool KangxiReviewed(char32_t cp) const {
        return kangxiOverrides_.count(cp) || kangxiChecked_.count(cp);
    }

    // The element: the reviewed naming table (elements/reviewed.tsv), else a reviewed exception
    // of the rule (elements/overrides.tsv), else the meaning group of the traditional form's
    // radical, else that of the character's own radical, else the five sounds by the initial.
    std::string Element(const Unihan& unihan, char32_t cp, char32_t traditional,
                        const std::string& initial, Origin* origin = nullptr) const;

  private:
    struct KangxiOverride {
        std::string form;
        int strokes = 0;  // 0: count the form by the rule
    };
    std::array<std::string, 215> radicalNames_;
    std::array<int, 215> radicalStrokes_{};
    std::array<std::string, 215> radicalElements_;
    std::map<char32_t, KangxiOverride> kangxiOverrides_;
    std::map<char32_t, std::string> kangxiChecked_;
    std::array<std::vector<int>, 215>
        radicalShapeStrokes_;  // written stroke counts of each radical
    std::map<char32_t, std::string> elementOverrides_;
    std::map<char32_t, std::string> reviewedElements_;
    std::map<std::string, std::string> soundElements_;
};

}  // namespace lumo::refdb
