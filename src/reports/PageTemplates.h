#pragma once

#include <string>

// The HTML templates of the name report, the character page and the family-name page: constant
// GBK texts with lines ending in CR LF and brace placeholders ("{天格}", "{汉字}" …) that the page
// builders replace. Each page declares charset gb2312 and is written as raw GBK bytes.
namespace lumo {

const std::string& NameReportTemplate();
const std::string& CharacterPageTemplate();
const std::string& SurnamePageTemplate();

// A template written in UTF-8 with "\n" line ends, as GBK with CR LF line ends.
std::string GbkPage(const char* utf8Template);

}  // namespace lumo
