#pragma once

#include <array>
#include <string>
#include <vector>

// The analysis of a birth chart beyond its pillars: how strong each element is, how strong the
// day master is, and the elements that help it (喜用神) or burden it (忌神), each step written out
// as a short Chinese sentence with its figures. Texts are GBK.
//
// The weighting, one convention for every chart:
// - each of the four heavenly stems counts 1 for its element (the day master's own stem too);
// - each earthly branch counts 1, shared among its hidden stems: a single hidden stem takes all
//   of it, two take 0.7 (本气) and 0.3 (中气), three take 0.6 (本气), 0.3 (中气) and 0.1 (余气);
// - the month branch (月令) counts double, 2 instead of 1: the season weighs most.
// The whole chart therefore weighs 9.
//
// The day master's strength compares its own kind (同类: its element and the one that generates
// it) with the rest (异类): a share of 同类 of at least 55 % is 身强, at most 45 % is 身弱, in
// between 中和. 得令 / 失令 says whether the month branch's main qi is of the day master's kind.
//
// 喜用神 by balance: a weak day master is helped by its kind (the generating element first, then
// its own) and burdened by the three others; a strong one is helped by the elements that drain,
// control or are controlled by it (output, wealth, officer) and burdened by its kind. A balanced
// chart (中和) is the one special case handled: it still leans a little, so it favours the weakest
// element on the other side (of the other kind when its own kind holds half or more of the chart,
// else of its own kind) and shuns the strongest element of the chart. Follow charts (从格) are not told apart: a chart of extreme
// strength or weakness is read by the ordinary rule.
namespace lumo {

enum class ChartElement { Metal = 0, Wood, Water, Fire, Earth };  // 金 木 水 火 土

// The element's character, 金 木 水 火 土 (GBK).
const std::string& ElementName(ChartElement e);

enum class DayMasterStrength { Strong, Weak, Balanced };  // 身强, 身弱, 中和

struct ChartAnalysis {
    std::array<std::string, 8> characters;  // 年干 年支 月干 月支 日干 日支 时干 时支
    std::array<ChartElement, 8> characterElements{};
    std::array<std::vector<std::string>, 4> hiddenStems;  // of each branch, 本气 first
    std::array<int, 5> elementCounts{};                   // 金木水火土: the eight characters
    std::array<double, 5> elementStrength{};              // 金木水火土: the weighted score
    std::string dayMaster;                                // the day stem
    ChartElement dayElement = ChartElement::Metal;
    bool inSeason = false;              // 得令
    double ownKind = 0, otherKind = 0;  // 同类, 异类
    DayMasterStrength strength = DayMasterStrength::Balanced;
    std::vector<ChartElement> favorable, unfavorable;  // 喜用神, 忌神, most important first
    std::vector<std::string> reasoning;                // one sentence per step
};

// The analysis of four pillars such as 癸巳 甲子 丙寅 戊戌; false when a pillar is not a stem
// followed by a branch.
bool AnalyzeChart(const std::array<std::string, 4>& pillars, ChartAnalysis& out);

// 身强, 身弱 or 中和 (GBK).
std::string StrengthName(DayMasterStrength s);

// The elements as one text, 木火 (GBK).
std::string ElementsText(const std::vector<ChartElement>& elements);

}  // namespace lumo
