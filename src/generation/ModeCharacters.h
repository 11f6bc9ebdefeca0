#pragma once

#include <string>
#include <vector>

#include "generation/GenerationInputs.h"
#include "numerology/CharNotes.h"

// The CharacterSet of each mode that builds candidates: which characters a run pairs, in which
// order. Texts are GBK; the sex pools are shuffled anew on every call.
namespace lumo {

// The modes that draw from the pools leave out the characters of `skip` (the unsuitable ones,
// unless the user has turned that filter off) before sampling, so a sample keeps its size.

// A shuffled sample of the sex's pool (400 characters for two-character names, 1,000 for one),
// then the family name as one entry even when the sample holds it. A family name of two
// characters is followed by its characters one by one as well, so that their strokes reach the
// cache and the grids (otherwise only the whole-name entry, which has no row, would stand for it).
std::vector<std::string> HighScoreCharacters(Sex sex, int nameLength, const std::string& family,
                                             const UnsuitableChars& skip = {});

// The whole shuffled pool of the sex, then the family name as in HighScoreCharacters.
std::vector<std::string> SuperAuspiciousCharacters(Sex sex, const std::string& family,
                                                   const UnsuitableChars& skip = {});

// The typed characters (GB2312 hanzi only, in typed order, each once), with the family name
// appended when the typed text does not hold it.
std::vector<std::string> CombinationCharacters(const std::string& typed, const std::string& family);

// NicknamePool (the male pool followed by the female one, shared characters twice), with the
// family name appended when the pool does not hold it.
std::vector<std::string> NicknameCharacters(const std::string& family,
                                            const UnsuitableChars& skip = {});

// The ticked poem characters, each once, in poem order, with the family name appended when they
// do not hold it.
std::vector<std::string> PoetryCharacters(const std::vector<std::string>& ticked,
                                          const std::string& family);

// How many entries at the end of the mode's CharacterSet the functions above appended for the
// family name: they are there for its strokes, not to be drawn as given-name characters.
std::size_t FamilyEntriesAppended(const GenerationInputs& in);

// The character a nickname style adds: 小, 儿, 阿, or nothing for AA.
const std::string& NicknameAffix(NicknameStyle style);

// The sex's pool of single characters (MaleNamePool or FemaleNamePool), split.
std::vector<std::string> PoolCharacters(Sex sex);

}  // namespace lumo
