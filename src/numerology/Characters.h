#pragma once

#include <string>
#include <vector>

// Small operations on GBK texts, character by character.
namespace lumo {

// Cuts a text into one-character texts. A byte above 122 starts a two-byte character (so the
// ASCII bytes 123..126 pair with the byte after them, like a GBK lead byte); anything else is a
// one-byte character, spaces included. A text that is empty or only spaces gives no characters.
// Such a byte pairs only with a GBK trail byte (0x40..0x7E, 0x80..0xFE): before a space, a
// separator or the end of the text it comes back as a one-byte piece.
std::vector<std::string> SplitCharacters(const std::string& text);

// True when the text (spaces ignored) begins with a GB2312 level-1 or level-2 Chinese character.
bool IsHanziCode(const std::string& text);

// The GB2312 Chinese characters of the text, in order; spaces, ASCII, punctuation and GBK-only
// characters dropped.
std::string KeepHanzi(const std::string& text);

// Uniform in-place permutation, reseeded from the clock on every call so that every run
// proposes names in a different order.
void ShuffleCharacters(std::vector<std::string>& characters);

// The element of a last decimal digit: 1,2 木; 3,4 火; 5,6 土; 7,8 金; 9,0 水; anything else "".
std::string ElementOfDigit(int digit);

// Removes every ASCII space.
std::string WithoutSpaces(const std::string& text);

}  // namespace lumo
