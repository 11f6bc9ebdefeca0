#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "generation/GenerationInputs.h"

// What a run accepts of the window's texts. A run pairs its characters with each other, so its
// work grows with the square of their number: the limits keep every run within seconds and a few
// megabytes, far above what a name can use.
namespace lumo {

// 编辑框_组合的字: at most this many characters typed; each distinct character combines once.
inline constexpr std::size_t kCombinationMaxChars = 500;
// The ticked poem characters: at most this many distinct ones.
inline constexpr std::size_t kPoetryMaxChars = 500;
// 编辑框_第二个字 and 编辑框_第三个字: one character is meant; two leave room for a stray space.
inline constexpr std::size_t kGenerationCharMaxChars = 2;

// The message (GBK) that refuses a run whose inputs pass a limit, or nothing. The family name is
// checked by length only (kFamilyNameMaxChars), the English page's given name as well
// (kGivenNameMaxChars); whether they are Chinese is the start buttons' business.
std::optional<std::string> GenerationInputProblem(const GenerationInputs& in);

}  // namespace lumo
