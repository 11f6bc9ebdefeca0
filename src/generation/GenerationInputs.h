#pragma once

#include <string>
#include <vector>

#include "generation/ElementFilter.h"
#include "generation/GenerationCharSetting.h"
#include "generation/NamingMode.h"

namespace lumo {

enum class Sex { Male, Female };  // 组合框_性别 "男" / "女"

// The nickname style radio buttons of page 4.
enum class NicknameStyle {
    Doubled,  // 单选框_AA型: A + A
    Xiao,     // 单选框_小A型: 小 + A
    Er,       // 单选框_A儿型: A + 儿
    A,        // 单选框_阿A型: 阿 + A
};

// The gender radio buttons of the English page; the value is the code compared with LM_EName.Sex.
enum class EnglishGender { Masculine = 1, Feminine = 2, Neutral = 3 };

// The length lists of the English page (组合框_日子1 至 组合框_时间1), in letters of the English
// name; 0 stands for 不限 (no bound).
struct EnglishLengthRange {
    int shortest = 0;
    int longest = 0;
    bool Admits(std::size_t letters) const {
        return (shortest <= 0 || letters >= static_cast<std::size_t>(shortest)) &&
               (longest <= 0 || letters <= static_cast<std::size_t>(longest));
    }
};

// The combination page's edit box at start-up.
const std::string& DefaultCombinationText();  // 圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇, GBK

// Everything a run reads from the window, taken when it starts, so that the worker never touches
// a control. Texts are GBK.
struct GenerationInputs {
    NamingMode mode = NamingMode::HighScore;
    std::string familyName;  // 编辑框_姓氏
    Sex sex = Sex::Male;
    int nameLength = 1;  // 2 when 组合框_名字个数 shows "二字", otherwise 1
    std::string combinationText = DefaultCombinationText();  // 编辑框_组合的字
    NicknameStyle nicknameStyle = NicknameStyle::Doubled;
    std::string englishGivenName;  // 编辑框_英文名字
    EnglishGender englishGender = EnglishGender::Masculine;
    EnglishLengthRange englishLengths;
    // Captions of the ticked PoemCharBoxes in poem order; a character may stand more than once.
    std::vector<std::string> poemCharacters;
    SuperFilterBoxes superFilters = SuperFilterBoxes::Initial();
    GenerationCharSetting charSetting;
    // 「过滤不宜取名用字」: the modes that draw from the pools leave out the characters the
    // reviewed list marks unsuitable; the modes whose characters the user chose only warn.
    bool filterUnsuitable = true;
    // 按喜用神起名: the elements the birth chart favours (GBK, e.g. 水木火); a scored run keeps only
    // names whose given-name characters each carry one of them. Empty: no such filter.
    std::string favorableElements;
    // The reference-data loader has committed its copy: the rating tables no longer change, so
    // the run may read them once instead of querying them for every candidate.
    bool referenceDataLoaded = false;
    // Keeps the per-candidate queries even when the data is loaded (for measuring them).
    bool perCandidateQueries = false;
};

}  // namespace lumo
