#include "birthchart/BirthChart.h"

#include "birthchart/ZodiacAdvice.h"
#include "db/Gbk.h"

namespace lumo {
namespace {

// Nayin names, shared by the rows 2k−1 and 2k of the sixty cycle.
constexpr std::array<const char*, 30> kNayin = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土",
    "白蜡金", "杨柳木", "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "砂石金",
    "山下火", "平地木", "壁上土", "金箔金", "灯头火", "天河水", "大驿土", "钗钏金",
    "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水",
};

// Elements of the stems 甲乙丙丁戊己庚辛壬癸 and the branches 子丑寅卯辰巳午未申酉戌亥.
constexpr std::array<const char*, 10> kStemElements = {"木", "木", "火", "火", "土",
                                                       "土", "金", "金", "水", "水"};
constexpr std::array<const char*, 12> kBranchElements = {"水", "土", "木", "木", "土", "火",
                                                         "火", "土", "金", "金", "土", "水"};

const std::array<NayinRow, 60>& Rows() {
    static const std::array<NayinRow, 60> rows = [] {
        std::array<NayinRow, 60> out;
        for (int p = 0; p < 60; ++p) {
            out[p].elements =
                Gbk(std::string(kStemElements[p % 10]) + "," + kBranchElements[p % 12] + ",");
            out[p].nayin = Gbk(kNayin[p / 2]);
        }
        return out;
    }();
    return rows;
}

// A combo text as a number: plain decimal digits only, at most four of them.
bool ParseNumber(const std::string& text, int& value) {
    if (text.empty() || text.size() > 4) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

UserMessage Problem(const std::string& utf8) {
    return {Gbk(utf8), Gbk("提示"), MessageIcon::Information};
}

std::string GregorianLine(const BirthDateTexts& t) {
    return t.year + Gbk("年") + t.month + Gbk("月") + t.day + Gbk("日") + t.hour + Gbk("时");
}

void FillElements(BirthChart& chart) {
    chart.elementString.clear();
    for (int p = 0; p < 4; ++p) {
        NayinRow row = NayinTable(CycleIndexOf(chart.pillars[p]));
        chart.elements[p] = row.elements;
        chart.nayin[p] = row.nayin;
        chart.elementString += row.elements;
    }
    chart.missing = MissingElementCharacters(chart.elementString);
}

std::string Report(const BirthChart& c, const std::string& lunarText) {
    const std::string end = "\r\n\r\n";
    const std::string two = "  ";
    return Gbk("公历日期：") + GregorianLine(c.texts) + end +                //
           Gbk("农历日期：") + lunarText + c.pillars[3] + Gbk("时") + end +  //
           Gbk("八字四柱：") + c.pillarsLine + end +                         //
           Gbk("八字五行：") + c.elementString + " ( " + MissingElements(c.elementString) + " ) " +
           end + Gbk("五行纳音：") + c.nayin[0] + two + c.nayin[1] + two + c.nayin[2] + two +
           c.nayin[3] + end;
}

}  // namespace

NayinRow NayinTable(int cycleIndex) {
    if (cycleIndex < 1 || cycleIndex > 60) return {};
    return Rows()[cycleIndex - 1];
}

int CycleIndexOf(const std::string& cycleName) {
    for (int n = 1; n <= 60; ++n)
        if (CycleName(n) == cycleName) return n;
    return 0;
}

std::string MissingElementCharacters(const std::string& elementString) {
    std::string missing;
    for (const char* e : {"金", "木", "水", "火", "土"}) {
        std::string element = Gbk(e);
        bool found = false;
        // Element strings alternate one element and one comma, so compare character by character.
        for (std::size_t i = 0; i + 1 < elementString.size() && !found;) {
            if (GbkCharLength(elementString, i) == 2) {
                found = elementString.compare(i, 2, element) == 0;
                i += 2;
            } else {
                ++i;
            }
        }
        if (!found) missing += element;
    }
    return missing;
}

std::string MissingElements(const std::string& elementString) {
    std::string missing = MissingElementCharacters(elementString);
    return missing.empty() ? Gbk("五行不缺") : Gbk("五行缺：") + missing;
}

bool QueryBirthChart(const BirthDateTexts& texts, BirthChart& chart, MessageSink& messages) {
    BeijingMoment m;
    if (!ParseNumber(texts.year, m.year) || !ParseNumber(texts.month, m.month) ||
        !ParseNumber(texts.day, m.day) || !ParseNumber(texts.hour, m.hour)) {
        messages.Show(Problem("请选择完整的出生日期和时辰。"));
        return false;
    }
    if (m.year < 1900 || m.year > 2100) {
        messages.Show(Problem("只能查询1900年至2100年的出生日期。"));
        return false;
    }
    std::array<std::string, 4> pillars;
    std::string lunar;
    if (!FourPillars(m, pillars) || !FormatLunarDate(m, Gbk("%Y年    %M  %D日  "), lunar)) {
        messages.Show({Gbk("公历") + GregorianLine(texts) + Gbk("不存在，请重新选择出生日期。"),
                       Gbk("提示"), MessageIcon::Information});
        return false;
    }
    BirthChart next;
    next.texts = texts;
    next.moment = m;
    next.pillars = pillars;
    next.pillarsLine = pillars[0] + Gbk("年  ") + pillars[1] + Gbk("月  ") + pillars[2] +
                       Gbk("日  ") + pillars[3] + Gbk("时");
    FillElements(next);
    next.report = Report(next, lunar) + ZodiacAdvice(pillars[0]);
    chart = std::move(next);
    return true;
}

}  // namespace lumo
