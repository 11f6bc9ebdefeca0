#include "generation/InputLimits.h"

#include <unordered_set>

#include "db/Gbk.h"
#include "numerology/Characters.h"
#include "numerology/NameCheck.h"

namespace lumo {
namespace {

std::string Limit(const char* before, std::size_t limit, const char* after) {
    return Gbk(before) + std::to_string(limit) + Gbk(after);
}

// Counts the text's characters without keeping them.
std::size_t CharacterCount(const std::string& text) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); i += GbkCharLength(text, i)) ++n;
    return n;
}

}  // namespace

std::optional<std::string> GenerationInputProblem(const GenerationInputs& in) {
    if (auto problem = FamilyNameLengthProblem(in.familyName)) return problem;
    switch (in.mode) {
        case NamingMode::Combination:
            if (CharacterCount(in.combinationText) > kCombinationMaxChars)
                return Limit("组合的字最多", kCombinationMaxChars, "个，请删去一些再组合。");
            break;
        case NamingMode::Poetry: {
            std::unordered_set<std::string> distinct(in.poemCharacters.begin(),
                                                     in.poemCharacters.end());
            if (distinct.size() > kPoetryMaxChars)
                return Limit("所选的诗词字最多", kPoetryMaxChars, "个，请少选一些再生成。");
            break;
        }
        case NamingMode::English:
            if (auto problem = GivenNameLengthProblem(in.englishGivenName)) return problem;
            break;
        default:
            break;
    }
    const GenerationCharSetting& s = in.charSetting;
    for (const std::string* c : {&s.secondChar, &s.thirdChar})
        if (CharacterCount(*c) > kGenerationCharMaxChars)
            return Limit("辈份字最多", kGenerationCharMaxChars, "个字，请重新设置辈份。");
    return std::nullopt;
}

}  // namespace lumo
