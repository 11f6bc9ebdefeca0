#pragma once

#include <string>
#include <string_view>
#include <vector>

// Tells a poem's verse from the editors' material the collection prints inside it: variant
// readings and remarks in "（…）", footnote marks "〖1〗" and "[一]", restored text in "[…]" and
// "［…］", and the marks of characters the manuscripts lost (□, ●, composed characters "{…}").
namespace lumo::refdb {

struct SplitPoem {
    std::string verse;  // the verse alone, with its punctuation
    std::vector<std::string>
        notes;  // each remark, prefixed with the verse it follows: 「逻人」一作「叉」
    // Why the verse cannot be shown as a poem: a lost character, numbered note marks standing
    // between verse and remarks, unbalanced parentheses, a stray sign. Empty for a clean verse.
    std::string damage;
};

// Splits the (simplified) text of a poem.
SplitPoem SplitVerse(std::string_view content);

// The ideographs of a text, without punctuation: what two readings of a poem are compared on.
std::vector<std::string> VerseCharacters(std::string_view text);

// The number of characters of `a` and `b` that a longest common subsequence leaves unmatched in the
// longer of the two: 0 for equal texts, 3 for a verse with three characters read differently.
int VerseDifference(const std::vector<std::string>& a, const std::vector<std::string>& b);

}  // namespace lumo::refdb
