#include "reports/NameReport.h"

#include <array>
#include <mutex>
#include <optional>

#include "birthchart/FavorableNames.h"
#include "content/FileOutput.h"
#include "content/GbkText.h"
#include "db/Gbk.h"
#include "db/ReferenceSchema.h"
#include "numerology/Characters.h"
#include "reports/PageTemplates.h"

namespace lumo {
namespace {

const std::string& Cell(const TableRow& row, int column) {
    static const std::string empty;
    return column >= 0 && static_cast<std::size_t>(column) < row.size() ? row[column] : empty;
}

// Replaces one placeholder, given in UTF-8, everywhere in the page.
void Put(std::string& page, const char* placeholderUtf8, const std::string& value) {
    page = gbk::ReplaceAll(page, Gbk(placeholderUtf8), value);
}

void PutCharacters(std::string& page, const NameEvaluation& e) {
    static constexpr std::array<const char*, 4> kPositions = {"姓氏1", "姓氏2", "名字1", "名字2"};
    for (std::size_t i = 0; i < kPositions.size(); ++i) {
        const EvaluatedChar& c = e.characters[i];
        bool present = !c.text.empty();
        std::string p = kPositions[i];
        Put(page, ("{简体" + p + "}").c_str(), c.text);
        Put(page, ("{繁体" + p + "}").c_str(), c.traditional);
        Put(page, ("{" + p + "拼音}").c_str(), c.pinyin);
        Put(page, ("{简体" + p + "笔划}").c_str(),
            present ? std::to_string(c.simplifiedStrokes) : "");
        Put(page, ("{繁体" + p + "笔划}").c_str(), present ? std::to_string(c.kangxiStrokes) : "");
        Put(page, ("{" + p + "五行}").c_str(), c.element);
    }
}

// The grids in replacement order 人 天 地 总 外, with their index in numberRows (天 人 地 总 外).
struct GridSlot {
    const char* name;
    int row;
};
constexpr std::array<GridSlot, 5> kGridOrder = {
    {{"人格", 1}, {"天格", 0}, {"地格", 2}, {"总格", 3}, {"外格", 4}}};

int GridValue(const FiveGrids& g, int row) {
    const std::array<int, 5> values = {g.sky, g.person, g.earth, g.total, g.outer};
    return values[row];
}

std::string GridMeaning(const TableRow& r) {
    return Cell(r, numbers::kText2) + Gbk("<BR>基业:") + Cell(r, numbers::kFoundation) +
           Gbk("<BR>家庭:") + Cell(r, numbers::kFamily) + Gbk("<BR>健康:") +
           Cell(r, numbers::kHealth) + Gbk("<BR>含义:") + Cell(r, numbers::kMeaning);
}

std::string GridSummary(const TableRow& r) {
    return Cell(r, numbers::kText1) + "(" + Cell(r, numbers::kText3) + ")";
}

std::string GridHint(const TableRow& r) {
    return gbk::ReplaceAll(Cell(r, numbers::kHint), "|", "<BR>");
}

void PutGrids(std::string& page, const NameEvaluation& e) {
    auto each = [&](const char* suffix, auto value) {
        for (const GridSlot& g : kGridOrder)
            Put(page, (std::string("{") + g.name + suffix + "}").c_str(), value(g.row));
    };
    each("", [&](int row) { return std::to_string(GridValue(e.grids, row)); });
    each("五行", [&](int row) { return ElementOfDigit(GridValue(e.grids, row) % 10); });
    each("吉凶", [&](int row) { return Cell(e.numberRows[row], numbers::kRating); });
    each("释义", [&](int row) { return GridMeaning(e.numberRows[row]); });
    each("总论", [&](int row) { return GridSummary(e.numberRows[row]); });
    each("数理暗示", [&](int row) { return GridHint(e.numberRows[row]); });
}

std::string TalentDetails(const TableRow& q) {
    static constexpr std::array<const char*, 12> kLabels = {"总论", "性格", "意志", "事业",
                                                            "家庭", "婚姻", "子女", "社交",
                                                            "精神", "财运", "健康", "老运"};
    std::string text;
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        std::string label = (i ? "<BR>" : "") + std::to_string(i + 1) + "、" + kLabels[i] + ":";
        text += Gbk(label) + Cell(q, talents::kSummary + static_cast<int>(i));
    }
    return text;
}

// The chart block above the verdict: the given name's elements against the chart's 喜用神.
std::string ChartHtml(const NameEvaluation& e, const ChartAnalysis* chart, std::size_t familyLength) {
    if (!chart) return {};
    const std::vector<std::string> all = SplitCharacters(e.elements);
    std::string given;
    for (std::size_t i = familyLength; i < all.size(); ++i) given += all[i];
    std::string html;
    for (const std::string& line : ChartMatchLines(*chart, given))
        html += Gbk("<font color=\"#1f5fa8\">") + line + "</font><BR>";
    return html;
}

void PutTalentsAndVerdict(std::string& page, const NameEvaluation& e, const std::string& chartBlock) {
    const TableRow& q = e.talentRow;
    Put(page, "{三才}", e.threeTalents);
    Put(page, "{三才吉凶}", Cell(q, talents::kRating));
    Put(page, "{三才总论}", Cell(q, talents::kText1));
    Put(page, "{三才释义}", TalentDetails(q));
    Put(page, "{基础运}", Cell(q, 17));
    Put(page, "{成功运}", Cell(q, 18));
    Put(page, "{人际关系}", Cell(q, 19));
    Put(page, "{性格}", Cell(q, 20));
    Put(page, "{总分建议}", WarningsHtml(e.warnings) + chartBlock + VerdictFor(e.rawScore));
    Put(page, "{评分总分}", std::to_string(e.score));
}

}  // namespace

std::string WarningsHtml(const std::vector<std::string>& warnings) {
    std::string html;
    for (const std::string& w : warnings) html += Gbk("<font color=\"#c00000\"><b>") + w + "</b></font><BR>";
    return html;
}

std::string VerdictFor(float rawScore) {
    if (rawScore >= 90)
        return Gbk(
            "你的名字取得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去"
            "上进心。");
    if (rawScore >= 80)
        return Gbk("你的名字取得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！");
    if (rawScore >= 70)
        return Gbk(
            "你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名"
            "字也未尝不可。");
    if (rawScore >= 60)
        return Gbk("你的名字不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。");
    return Gbk("你的名字很不好！强烈建议你换个名字试试，也许人生会因此而改变的。");
}

std::string NameReportPage(const NameEvaluation& e, const ChartAnalysis* chart,
                           std::size_t familyLength) {
    std::string page = NameReportTemplate();
    PutCharacters(page, e);
    PutGrids(page, e);
    PutTalentsAndVerdict(page, e, ChartHtml(e, chart, familyLength));
    return page;
}

namespace {
std::mutex chartMutex;
std::optional<ChartAnalysis> reportChart;
}  // namespace

void SetReportBirthChart(const ChartAnalysis* chart) {
    std::lock_guard<std::mutex> lock(chartMutex);
    if (chart)
        reportChart = *chart;
    else
        reportChart.reset();
}

bool ReportBirthChart(ChartAnalysis& out) {
    std::lock_guard<std::mutex> lock(chartMutex);
    if (!reportChart) return false;
    out = *reportChart;
    return true;
}

NameEvaluation BuildNameReport(SqliteDatabase& db, const std::string& family,
                               const std::string& given, const std::filesystem::path& file) {
    NameEvaluation e = EvaluateName(db, family, given);
    ChartAnalysis chart;
    const bool withChart = ReportBirthChart(chart);
    WriteFileAtomically(file, NameReportPage(e, withChart ? &chart : nullptr,
                                             SplitCharacters(family).size()));
    return e;
}

}  // namespace lumo
