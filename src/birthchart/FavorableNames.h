#pragma once

#include <string>
#include <vector>

#include "birthchart/ChartAnalysis.h"

// The birth chart carried through to the name: which names suit the chart's 喜用神, and what the
// report says of a name against it. Texts are GBK.
namespace lumo {

// Whether every given-name character of a name carries one of the favourable elements.
// `elements` is a name row's 五行 column (one element character per character of the full name),
// `familyLength` the number of the family name's characters, `favorable` the elements as text
// (ElementsText of the chart's 喜用神, e.g. 水木火).
bool GivenNameFavorable(const std::string& elements, std::size_t familyLength,
                        const std::string& favorable);

// The report's lines on a name against the chart: the day master and 喜用神, which favourable
// elements the given name brings and which unfavourable ones it carries, one sentence each.
std::vector<std::string> ChartMatchLines(const ChartAnalysis& chart,
                                         const std::string& givenElements);

}  // namespace lumo
