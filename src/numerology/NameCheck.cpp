#include "numerology/NameCheck.h"

#include "db/Gbk.h"
#include "numerology/CharInfo.h"
#include "numerology/Characters.h"

namespace lumo {
namespace {

bool InRange(unsigned char b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; }

bool AllChinese(const std::string& text) {
    if (text.empty()) return false;
    for (const std::string& c : SplitCharacters(text))
        if (!IsChineseCharacter(c)) return false;
    // SplitCharacters gives nothing for a text of spaces.
    return !SplitCharacters(text).empty();
}

}  // namespace

bool IsChineseCharacter(const std::string& c) {
    if (c.size() != 2) return false;
    const auto lead = static_cast<unsigned char>(c[0]);
    const auto trail = static_cast<unsigned char>(c[1]);
    if (trail == 0x7F) return false;
    if (InRange(lead, 0xB0, 0xF7) && InRange(trail, 0xA1, 0xFE)) return true;  // GB2312 hanzi
    if (InRange(lead, 0x81, 0xA0) && InRange(trail, 0x40, 0xFE)) return true;  // GBK/3
    return InRange(lead, 0xAA, 0xFE) && InRange(trail, 0x40, 0xA0);            // GBK/4
}

std::optional<std::string> FamilyNameLengthProblem(const std::string& family) {
    if (SplitCharacters(family).size() <= kFamilyNameMaxChars) return std::nullopt;
    return Gbk("姓氏最多") + std::to_string(kFamilyNameMaxChars) +
           Gbk("个字（如 李、欧阳），请重新输入姓氏。");
}

std::optional<std::string> GivenNameLengthProblem(const std::string& given) {
    if (SplitCharacters(given).size() <= kGivenNameMaxChars) return std::nullopt;
    return Gbk("名字最多") + std::to_string(kGivenNameMaxChars) + Gbk("个字，请重新输入名字。");
}

std::optional<std::string> FamilyNameProblem(const std::string& family) {
    // The length first: the other message repeats the text, which must stay short.
    if (auto tooLong = FamilyNameLengthProblem(family)) return tooLong;
    if (family.empty() || AllChinese(family)) return std::nullopt;
    return Gbk("姓氏“") + family + Gbk("”不是汉字，请用汉字输入姓氏（如 李、欧阳）。");
}

std::optional<std::string> GivenNameProblem(const std::string& given) {
    if (auto tooLong = GivenNameLengthProblem(given)) return tooLong;
    if (given.empty() || AllChinese(given)) return std::nullopt;
    return Gbk("名字“") + given + Gbk("”不是汉字，请用汉字输入名字。");
}

std::vector<std::string> ScoringWarnings(SqliteDatabase& db, const std::string& family,
                                         const std::string& given) {
    std::vector<std::string> warnings;
    const std::vector<std::string> f = SplitCharacters(family), g = SplitCharacters(given);
    if (f.size() > 2)
        warnings.push_back(Gbk("姓氏超过两个字，评分只计前两个字，此名评分不可信"));
    if (g.size() > 2)
        warnings.push_back(Gbk("名字超过两个字，评分只计前两个字，此名评分不可信"));
    std::vector<std::string> all = f;
    all.insert(all.end(), g.begin(), g.end());
    std::vector<std::string> told;
    for (const std::string& c : all) {
        if (IsListed(LookupCharInfo(db, c))) continue;
        bool again = false;
        for (const std::string& t : told) again = again || t == c;
        if (again) continue;
        told.push_back(c);
        warnings.push_back(c + Gbk("：字库未收录，此名评分不可信"));
    }
    return warnings;
}

}  // namespace lumo
