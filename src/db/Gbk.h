#pragma once

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

// True when every character of the UTF-8 text has a GBK form.
bool IsGbkEncodable(std::string_view utf8);

}  // namespace lumo
