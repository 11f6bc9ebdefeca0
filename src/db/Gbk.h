#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The one place where texts change encoding. Inside the core every text is a GBK byte string
// (a Chinese character is two bytes, ASCII one); SQLite, the terminal and the desktop speak UTF-8.
namespace lumo {

// UTF-8 to GBK. A character GBK cannot hold, or a broken UTF-8 sequence, becomes "?".
std::string Utf8ToGbk(std::string_view utf8);

// GBK to UTF-8. A byte sequence that is not valid GBK becomes "?".
std::string GbkToUtf8(std::string_view gbk);

// Shorthand for constants written in UTF-8 source: Gbk("请输入姓氏").
inline std::string Gbk(std::string_view utf8) { return Utf8ToGbk(utf8); }

// A GBK character is a lead byte 0x81..0xFE followed by a trail byte 0x40..0x7E or 0x80..0xFE.
// A lead byte before anything else (a separator, a space, the end of the text) is a character of
// its own, an invalid one: it never swallows the byte after it.
inline bool IsGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
inline bool IsGbkTrailByte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE);
}

// Byte length (1 or 2) of the character that starts at `i` (< text.size()).
inline std::size_t GbkCharLength(std::string_view text, std::size_t i) {
    return IsGbkLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() &&
                   IsGbkTrailByte(static_cast<unsigned char>(text[i + 1]))
               ? 2
               : 1;
}

// True when the text's last character is a lead byte standing alone.
bool EndsInLoneLeadByte(std::string_view gbk);

// True when every character of the UTF-8 text has a GBK form.
bool IsGbkEncodable(std::string_view utf8);

}  // namespace lumo
