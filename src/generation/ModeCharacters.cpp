#include "generation/ModeCharacters.h"

#include <algorithm>
#include <unordered_set>

#include "db/Gbk.h"
#include "generation/NamePools.h"
#include "numerology/Characters.h"

namespace lumo {
namespace {

bool Occurs(const std::string& needle, const std::string& text) {
    return text.find(needle) != std::string::npos;
}

void AppendFamilyEntry(std::vector<std::string>& set, const std::string& family) {
    set.push_back(family);
    std::vector<std::string> chars = SplitCharacters(family);
    if (chars.size() >= 2) set.insert(set.end(), chars.begin(), chars.end());
}

}  // namespace

std::vector<std::string> PoolCharacters(Sex sex) {
    return SplitCharacters(sex == Sex::Male ? MaleNamePool() : FemaleNamePool());
}

std::vector<std::string> HighScoreCharacters(Sex sex, int nameLength, const std::string& family,
                                             const UnsuitableChars& skip) {
    std::vector<std::string> set = PoolCharacters(sex);
    DropUnsuitable(set, skip);
    ShuffleCharacters(set);
    set.resize(std::min<std::size_t>(set.size(), nameLength == 2 ? 400 : 1000));
    AppendFamilyEntry(set, family);
    return set;
}

std::vector<std::string> SuperAuspiciousCharacters(Sex sex, const std::string& family,
                                                   const UnsuitableChars& skip) {
    std::vector<std::string> set = PoolCharacters(sex);
    DropUnsuitable(set, skip);
    ShuffleCharacters(set);
    AppendFamilyEntry(set, family);
    return set;
}

std::vector<std::string> CombinationCharacters(const std::string& typed,
                                               const std::string& family) {
    std::string text = typed;
    if (!Occurs(family, text)) text += family;
    // Each character once: a repeat would only list the same names again.
    std::vector<std::string> set;
    std::unordered_set<std::string> seen;
    for (std::string& c : SplitCharacters(KeepHanzi(text)))
        if (seen.insert(c).second) set.push_back(std::move(c));
    return set;
}

std::vector<std::string> NicknameCharacters(const std::string& family,
                                            const UnsuitableChars& skip) {
    std::string pool = MaleNamePool() + FemaleNamePool();
    if (!Occurs(family, pool)) pool += family;
    std::vector<std::string> set = SplitCharacters(pool);
    // The family name's own characters stay, whatever the list says of them: they are the
    // surname, not a choice.
    UnsuitableChars drop = skip;
    for (const std::string& c : SplitCharacters(family)) drop.erase(c);
    DropUnsuitable(set, drop);
    return set;
}

std::vector<std::string> PoetryCharacters(const std::vector<std::string>& ticked,
                                          const std::string& family) {
    // Each character once: compared as characters, so that the bytes of two neighbouring
    // characters are never mistaken for a third.
    std::vector<std::string> chosen;
    std::string w;
    for (const std::string& c : ticked) {
        if (std::find(chosen.begin(), chosen.end(), c) != chosen.end()) continue;
        chosen.push_back(c);
        w += c;
    }
    if (!Occurs(family, w)) w += family;
    return SplitCharacters(w);
}

std::size_t FamilyEntriesAppended(const GenerationInputs& in) {
    const std::string& family = in.familyName;
    const std::size_t chars = SplitCharacters(family).size();
    switch (in.mode) {
        case NamingMode::HighScore:
        case NamingMode::SuperAuspicious:
            return chars >= 2 ? chars + 1 : 1;  // AppendFamilyEntry
        // These append the family name only when their text does not hold it; an empty family
        // name occurs in every text, so the difference is what was appended.
        case NamingMode::Combination:
            return CombinationCharacters(in.combinationText, family).size() -
                   CombinationCharacters(in.combinationText, {}).size();
        case NamingMode::Nickname:
            return NicknameCharacters(family).size() - NicknameCharacters({}).size();
        case NamingMode::Poetry:
            return PoetryCharacters(in.poemCharacters, family).size() -
                   PoetryCharacters(in.poemCharacters, {}).size();
        default:
            return 0;
    }
}

const std::string& NicknameAffix(NicknameStyle style) {
    static const std::string none, xiao = Gbk("小"), er = Gbk("儿"), a = Gbk("阿");
    switch (style) {
        case NicknameStyle::Xiao:
            return xiao;
        case NicknameStyle::Er:
            return er;
        case NicknameStyle::A:
            return a;
        case NicknameStyle::Doubled:
            return none;
    }
    return none;
}

const std::string& DefaultCombinationText() {
    static const std::string text = Gbk("圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇");
    return text;
}

}  // namespace lumo
