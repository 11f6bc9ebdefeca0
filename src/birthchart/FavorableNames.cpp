#include "birthchart/FavorableNames.h"

#include <algorithm>

#include "db/Gbk.h"
#include "numerology/Characters.h"

namespace lumo {
namespace {

bool Holds(const std::vector<ChartElement>& set, const std::string& element) {
    return std::any_of(set.begin(), set.end(),
                       [&element](ChartElement e) { return ElementName(e) == element; });
}

}  // namespace

bool GivenNameFavorable(const std::string& elements, std::size_t familyLength,
                        const std::string& favorable) {
    const std::vector<std::string> all = SplitCharacters(elements);
    const std::vector<std::string> wanted = SplitCharacters(favorable);
    if (all.size() <= familyLength) return false;
    return std::all_of(all.begin() + static_cast<std::ptrdiff_t>(familyLength), all.end(),
                       [&wanted](const std::string& e) {
                           return std::find(wanted.begin(), wanted.end(), e) != wanted.end();
                       });
}

std::vector<std::string> ChartMatchLines(const ChartAnalysis& chart,
                                         const std::string& givenElements) {
    std::vector<std::string> lines;
    lines.push_back(Gbk("八字日主") + chart.dayMaster + ElementName(chart.dayElement) + Gbk("，") +
                    StrengthName(chart.strength) + Gbk("，喜用") + ElementsText(chart.favorable) +
                    Gbk("，忌") + ElementsText(chart.unfavorable) + Gbk("。"));
    std::string brings, burdens;
    std::vector<std::string> seen;
    for (const std::string& e : SplitCharacters(givenElements)) {
        if (std::find(seen.begin(), seen.end(), e) != seen.end()) continue;
        seen.push_back(e);
        if (Holds(chart.favorable, e)) brings += e;
        if (Holds(chart.unfavorable, e)) burdens += e;
    }
    lines.push_back(brings.empty() ? Gbk("名字未带喜用之五行。")
                                   : Gbk("名字带来喜用之") + brings + Gbk("，与八字相合。"));
    if (!burdens.empty()) lines.push_back(Gbk("名字带有所忌之") + burdens + Gbk("，宜斟酌。"));
    return lines;
}

}  // namespace lumo
