#include <iostream>
#include <sstream>

#include "birthchart/BirthChart.h"
#include "birthchart/ChartAnalysis.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "db/Gbk.h"

namespace lumo::cli {
namespace {

std::string U(const std::string& gbk) { return JsonString(GbkToUtf8(gbk)); }

std::string Array(const std::vector<std::string>& gbkTexts) {
    std::string out = "[";
    for (std::size_t i = 0; i < gbkTexts.size(); ++i) out += (i ? "," : "") + U(gbkTexts[i]);
    return out + "]";
}

std::string ElementArray(const std::vector<ChartElement>& elements) {
    std::vector<std::string> names;
    for (ChartElement e : elements) names.push_back(ElementName(e));
    return Array(names);
}

template <typename T>
std::string ByElement(const std::array<T, 5>& values) {
    std::string out = "{";
    for (int i = 0; i < 5; ++i) {
        std::ostringstream v;
        v << values[static_cast<std::size_t>(i)];
        out += (i ? "," : "") + U(ElementName(static_cast<ChartElement>(i))) + ":" + v.str();
    }
    return out + "}";
}

// The designed text's facts and the analysis, as one JSON object.
std::string ChartJson(const BirthChart& chart, const ChartAnalysis& a) {
    std::string lunar;
    FormatLunarDate(chart.moment, Gbk("%Y年%M%D日"), lunar);
    std::string hidden = "[";
    for (std::size_t p = 0; p < 4; ++p) hidden += (p ? "," : "") + Array(a.hiddenStems[p]);
    hidden += "]";
    return "{\"pillars\":" + Array({chart.pillars.begin(), chart.pillars.end()}) +
           ",\"lunarDate\":" + U(lunar) +
           ",\"nayin\":" + Array({chart.nayin.begin(), chart.nayin.end()}) +
           ",\"hiddenStems\":" + hidden + ",\"elementCounts\":" + ByElement(a.elementCounts) +
           ",\"elementStrength\":" + ByElement(a.elementStrength) +
           ",\"dayMaster\":{\"stem\":" + U(a.dayMaster) +
           ",\"element\":" + U(ElementName(a.dayElement)) + "}" +
           ",\"strength\":" + U(StrengthName(a.strength)) +
           ",\"favorable\":" + ElementArray(a.favorable) +
           ",\"unfavorable\":" + ElementArray(a.unfavorable) +
           ",\"reasoning\":" + Array(a.reasoning) + "}";
}

}  // namespace

int RunChart(int argc, char** argv, int first) {
    Args args;
    if (!ParseArgs(argc, argv, first, {}, {"--json"}, args)) return kExitUsage;
    if (args.positional.size() != 4) {
        std::cerr << "usage: lumo-cli chart YEAR MONTH DAY HOUR\n";
        return kExitUsage;
    }
    BirthDateTexts texts{Utf8ToGbk(args.positional[0]), Utf8ToGbk(args.positional[1]),
                         Utf8ToGbk(args.positional[2]), Utf8ToGbk(args.positional[3])};
    BirthChart chart;
    StderrMessages messages;
    if (!QueryBirthChart(texts, chart, messages)) return kExitUsage;
    if (!args.Has("--json")) {
        Out(chart.report + "\n");
        return kExitOk;
    }
    ChartAnalysis a;
    if (!AnalyzeChart(chart.pillars, a)) {
        std::cerr << "lumo-cli: the chart's pillars cannot be analysed\n";
        return kExitUsage;
    }
    std::cout << ChartJson(chart, a) << "\n";
    return kExitOk;
}

}  // namespace lumo::cli
