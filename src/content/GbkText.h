#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Searching, replacing and splitting GBK texts character by character: a match must begin on a
// character boundary, so an ASCII byte that is the second byte of a double-byte character ("|",
// "{", "]" and many others can be) is never taken for the ASCII character.
namespace lumo::gbk {

// Byte length of the character that starts at `i`: 2 for a lead byte 0x81..0xFE followed by a
// trail byte (0x40..0x7E, 0x80..0xFE), otherwise 1 (a lone lead byte is a character of its own).
std::size_t CharLength(const std::string& text, std::size_t i);

// The first occurrence of `needle` that starts on a character boundary at or after `from`
// (itself a boundary), or std::string::npos. An empty needle is never found.
std::size_t Find(const std::string& text, const std::string& needle, std::size_t from = 0);

bool Contains(const std::string& text, const std::string& needle);

// Every occurrence of `from` replaced by `to`, left to right; inserted text is not searched again.
std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to);

// All pieces between separators, empty ones included: "a||b|" gives "a", "", "b", "". An empty
// text gives one empty piece.
std::vector<std::string> Split(const std::string& text, const std::string& separator);

// The longest prefix of at most `maxBytes` bytes that does not end inside a character.
std::string CutToBytes(const std::string& text, std::size_t maxBytes);

}  // namespace lumo::gbk
