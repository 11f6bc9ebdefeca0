#pragma once

#include <array>
#include <string>

#include "birthchart/ChineseCalendar.h"
#include "db/UserMessage.h"

// The birth-chart page: the four pillars of a birth date and hour, the elements of their eight
// characters, the missing elements, the nayin of each pillar and the lunar date, as the report
// text of 编辑框_八字信息. Texts are GBK.
namespace lumo {

// One row of the nayin table: "木,水," (the elements of stem and branch, each followed by a
// comma) and the nayin name, e.g. 海中金.
struct NayinRow {
    std::string elements;
    std::string nayin;
};

// The sixty rows, by cycle index 1..60; an index outside gives an empty row.
NayinRow NayinTable(int cycleIndex);

// The cycle index 1..60 of a stem-branch name, or 0.
int CycleIndexOf(const std::string& cycleName);

// The elements of 金, 木, 水, 火, 土 that do not occur in the element string, in that order
// (what 缺五行标签 holds).
std::string MissingElementCharacters(const std::string& elementString);

// "五行缺：" followed by the missing elements, or "五行不缺".
std::string MissingElements(const std::string& elementString);

// The texts of the four date combo boxes in use, as shown ("2013", "1", "1", "0").
struct BirthDateTexts {
    std::string year;
    std::string month;
    std::string day;
    std::string hour;
};

// The last query's result; starts empty and is overwritten whole by every successful query.
struct BirthChart {
    BirthDateTexts texts;
    BeijingMoment moment;
    std::array<std::string, 4> pillars;
    std::string pillarsLine;  // 甲子年  丙寅月  …时
    std::array<std::string, 4> elements;
    std::array<std::string, 4> nayin;
    std::string elementString;  // held by 八字五行标签
    std::string missing;        // held by 缺五行标签
    std::string report;         // the whole text of 编辑框_八字信息, zodiac advice included
};

// Runs the query for the four texts. A date that does not exist (31 February), a year outside
// 1900..2100 or a text that is not a number is refused with a message (title "提示") and leaves
// `chart` as it was, so the page never shows pillars that belong to another date.
bool QueryBirthChart(const BirthDateTexts& texts, BirthChart& chart, MessageSink& messages);

}  // namespace lumo
