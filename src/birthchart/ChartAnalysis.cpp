#include "birthchart/ChartAnalysis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "db/Gbk.h"

namespace lumo {
namespace {

using E = ChartElement;

constexpr double kStem = 1.0;
constexpr double kBranch = 1.0;
constexpr double kMonthBranch = 2.0;
constexpr double kStrongShare = 0.55;
constexpr double kWeakShare = 0.45;

struct StemInfo {
    const char* name;
    E element;
};
constexpr StemInfo kStems[] = {
    {"甲", E::Wood},  {"乙", E::Wood},  {"丙", E::Fire},  {"丁", E::Fire},  {"戊", E::Earth},
    {"己", E::Earth}, {"庚", E::Metal}, {"辛", E::Metal}, {"壬", E::Water}, {"癸", E::Water}};

struct BranchInfo {
    const char* name;
    E element;
    std::vector<const char*> hidden;  // 本气, 中气, 余气
};
const std::vector<BranchInfo>& Branches() {
    static const std::vector<BranchInfo> branches = {
        {"子", E::Water, {"癸"}},
        {"丑", E::Earth, {"己", "癸", "辛"}},
        {"寅", E::Wood, {"甲", "丙", "戊"}},
        {"卯", E::Wood, {"乙"}},
        {"辰", E::Earth, {"戊", "乙", "癸"}},
        {"巳", E::Fire, {"丙", "戊", "庚"}},
        {"午", E::Fire, {"丁", "己"}},
        {"未", E::Earth, {"己", "丁", "乙"}},
        {"申", E::Metal, {"庚", "壬", "戊"}},
        {"酉", E::Metal, {"辛"}},
        {"戌", E::Earth, {"戊", "辛", "丁"}},
        {"亥", E::Water, {"壬", "甲"}},
    };
    return branches;
}

const StemInfo* FindStem(const std::string& gbk) {
    for (const StemInfo& s : kStems)
        if (Gbk(s.name) == gbk) return &s;
    return nullptr;
}

const BranchInfo* FindBranch(const std::string& gbk) {
    for (const BranchInfo& b : Branches())
        if (Gbk(b.name) == gbk) return &b;
    return nullptr;
}

// The shares of a branch among its hidden stems.
std::vector<double> HiddenShares(std::size_t count) {
    if (count == 1) return {1.0};
    if (count == 2) return {0.7, 0.3};
    return {0.6, 0.3, 0.1};
}

int Index(E e) { return static_cast<int>(e); }

// The generating cycle: 木生火 火生土 土生金 金生水 水生木.
E Generates(E e) {
    switch (e) {
        case E::Wood:
            return E::Fire;
        case E::Fire:
            return E::Earth;
        case E::Earth:
            return E::Metal;
        case E::Metal:
            return E::Water;
        case E::Water:
            return E::Wood;
    }
    return e;
}
// The overcoming cycle: 木克土 土克水 水克火 火克金 金克木.
E Overcomes(E e) {
    switch (e) {
        case E::Wood:
            return E::Earth;
        case E::Earth:
            return E::Water;
        case E::Water:
            return E::Fire;
        case E::Fire:
            return E::Metal;
        case E::Metal:
            return E::Wood;
    }
    return e;
}
E GeneratedBy(E e) {
    for (int i = 0; i < 5; ++i)
        if (Generates(static_cast<E>(i)) == e) return static_cast<E>(i);
    return e;
}
E OvercomeBy(E e) {
    for (int i = 0; i < 5; ++i)
        if (Overcomes(static_cast<E>(i)) == e) return static_cast<E>(i);
    return e;
}

std::string Number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", std::round(v * 10) / 10);
    return buf;
}

std::string Percent(double share) {
    return std::to_string(static_cast<int>(std::lround(share * 100))) + "%";
}

void Reason(ChartAnalysis& a) {
    const std::string dm = a.dayMaster + ElementName(a.dayElement);
    const BranchInfo* month = FindBranch(a.characters[3]);
    a.reasoning.push_back(Gbk("日主") + dm + Gbk("，生于") + a.characters[3] + Gbk("月，") +
                          (a.inSeason
                               ? Gbk("月令本气") + Gbk(month->hidden[0]) + Gbk("为同类，得令。")
                               : Gbk("月令本气") + Gbk(month->hidden[0]) + Gbk("非同类，失令。")));
    std::string scores = Gbk("五行得分：");
    for (int i = 0; i < 5; ++i)
        scores += (i ? Gbk("，") : std::string()) + ElementName(static_cast<E>(i)) +
                  Number(a.elementStrength[static_cast<std::size_t>(i)]);
    a.reasoning.push_back(scores + Gbk("（天干各1分，地支1分按藏干分配，月支加倍，共9分）。"));
    const double share = a.ownKind / (a.ownKind + a.otherKind);
    a.reasoning.push_back(Gbk("同类（") + ElementName(a.dayElement) +
                          ElementName(GeneratedBy(a.dayElement)) + Gbk("）得分 ") +
                          Number(a.ownKind) + Gbk("，异类得分 ") + Number(a.otherKind) +
                          Gbk("，同类占 ") + Percent(share) + Gbk("，判为") +
                          StrengthName(a.strength) + Gbk("（55%以上为身强，45%以下为身弱）。"));
    switch (a.strength) {
        case DayMasterStrength::Weak:
            a.reasoning.push_back(Gbk("身弱宜扶：以生我之") +
                                  ElementName(GeneratedBy(a.dayElement)) + Gbk("、同我之") +
                                  ElementName(a.dayElement) + Gbk("为喜用，忌克泄耗之") +
                                  ElementsText(a.unfavorable) + Gbk("。"));
            break;
        case DayMasterStrength::Strong:
            a.reasoning.push_back(Gbk("身强宜抑：以泄、耗、克日主之") + ElementsText(a.favorable) +
                                  Gbk("为喜用，忌生扶日主之") + ElementsText(a.unfavorable) +
                                  Gbk("。"));
            break;
        case DayMasterStrength::Balanced:
            a.reasoning.push_back(Gbk("中和之局宜补其不足：喜得分最少的") +
                                  ElementsText(a.favorable) + Gbk("，忌得分最多的") +
                                  ElementsText(a.unfavorable) + Gbk("。"));
            break;
    }
}

// 中和: the chart leans a little one way; the help is the weakest element on the other side (of
// the other kind when the day master's kind holds half or more, else of its own kind), within a
// tenth of a point; the burden is the strongest element (or elements) of the chart.
void BalancedChoice(ChartAnalysis& a, bool leansStrong) {
    const auto& s = a.elementStrength;
    const E resource = GeneratedBy(a.dayElement);
    auto ownKind = [&](int i) {
        return static_cast<E>(i) == a.dayElement || static_cast<E>(i) == resource;
    };
    double lo = 1e9, hi = -1e9;
    for (int i = 0; i < 5; ++i) {
        hi = std::max(hi, s[static_cast<std::size_t>(i)]);
        if (ownKind(i) != leansStrong) lo = std::min(lo, s[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < 5; ++i)
        if (ownKind(i) != leansStrong && s[static_cast<std::size_t>(i)] <= lo + 0.1)
            a.favorable.push_back(static_cast<E>(i));
    for (int i = 0; i < 5; ++i)
        if (s[static_cast<std::size_t>(i)] >= hi - 0.1 &&
            std::find(a.favorable.begin(), a.favorable.end(), static_cast<E>(i)) ==
                a.favorable.end())
            a.unfavorable.push_back(static_cast<E>(i));
}

}  // namespace

const std::string& ElementName(ChartElement e) {
    static const std::array<std::string, 5> names = {Gbk("金"), Gbk("木"), Gbk("水"), Gbk("火"),
                                                     Gbk("土")};
    return names[static_cast<std::size_t>(Index(e))];
}

std::string StrengthName(DayMasterStrength s) {
    switch (s) {
        case DayMasterStrength::Strong:
            return Gbk("身强");
        case DayMasterStrength::Weak:
            return Gbk("身弱");
        case DayMasterStrength::Balanced:
            return Gbk("中和");
    }
    return {};
}

std::string ElementsText(const std::vector<ChartElement>& elements) {
    std::string text;
    for (ChartElement e : elements) text += ElementName(e);
    return text;
}

bool AnalyzeChart(const std::array<std::string, 4>& pillars, ChartAnalysis& out) {
    ChartAnalysis a;
    for (std::size_t p = 0; p < 4; ++p) {
        if (pillars[p].size() != 4) return false;
        const StemInfo* stem = FindStem(pillars[p].substr(0, 2));
        const BranchInfo* branch = FindBranch(pillars[p].substr(2, 2));
        if (!stem || !branch) return false;
        a.characters[2 * p] = pillars[p].substr(0, 2);
        a.characters[2 * p + 1] = pillars[p].substr(2, 2);
        a.characterElements[2 * p] = stem->element;
        a.characterElements[2 * p + 1] = branch->element;
        ++a.elementCounts[static_cast<std::size_t>(Index(stem->element))];
        ++a.elementCounts[static_cast<std::size_t>(Index(branch->element))];
        a.elementStrength[static_cast<std::size_t>(Index(stem->element))] += kStem;
        const double weight = p == 1 ? kMonthBranch : kBranch;
        const std::vector<double> shares = HiddenShares(branch->hidden.size());
        for (std::size_t h = 0; h < branch->hidden.size(); ++h) {
            a.hiddenStems[p].push_back(Gbk(branch->hidden[h]));
            const E e = FindStem(Gbk(branch->hidden[h]))->element;
            a.elementStrength[static_cast<std::size_t>(Index(e))] += weight * shares[h];
        }
    }
    a.dayMaster = a.characters[4];
    a.dayElement = a.characterElements[4];
    const E resource = GeneratedBy(a.dayElement);
    const E mainQi = FindStem(a.hiddenStems[1].front())->element;
    a.inSeason = mainQi == a.dayElement || mainQi == resource;
    a.ownKind = a.elementStrength[static_cast<std::size_t>(Index(a.dayElement))] +
                a.elementStrength[static_cast<std::size_t>(Index(resource))];
    double total = 0;
    for (double v : a.elementStrength) total += v;
    a.otherKind = total - a.ownKind;
    const double share = a.ownKind / total;
    a.strength = share >= kStrongShare - 1e-9 ? DayMasterStrength::Strong
                 : share <= kWeakShare + 1e-9 ? DayMasterStrength::Weak
                                              : DayMasterStrength::Balanced;
    const E output = Generates(a.dayElement), wealth = Overcomes(a.dayElement),
            officer = OvercomeBy(a.dayElement);
    switch (a.strength) {
        case DayMasterStrength::Weak:
            a.favorable = {resource, a.dayElement};
            a.unfavorable = {officer, output, wealth};
            break;
        case DayMasterStrength::Strong:
            a.favorable = {output, wealth, officer};
            a.unfavorable = {resource, a.dayElement};
            break;
        case DayMasterStrength::Balanced:
            BalancedChoice(a, share >= 0.5);
            break;
    }
    Reason(a);
    out = std::move(a);
    return true;
}

}  // namespace lumo
