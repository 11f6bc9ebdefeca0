#include <iostream>

#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "db/Gbk.h"
#include "numerology/CharInfo.h"
#include "numerology/CharNotes.h"
#include "numerology/Characters.h"
#include "numerology/NameScore.h"

namespace lumo::cli {
namespace {

std::string U(const std::string& gbk) { return GbkToUtf8(gbk); }

void PrintScore(const NameEvaluation& e, const std::string& fullName, bool json) {
    if (!json) {
        Out(fullName + "\t" + std::to_string(e.simplifiedTotal) + "\t" +
            std::to_string(e.traditionalTotal) + "\t" + e.elements + "\t" + e.grids.Text() + "\t" +
            e.threeTalents + "\t" + std::to_string(e.score) + "\n");
        return;
    }
    const FiveGrids& g = e.grids;
    std::string ratings;
    for (std::size_t i = 0; i < e.ratings.size(); ++i)
        ratings += (i ? "," : "") + JsonString(U(e.ratings[i]));
    char raw[32];
    std::snprintf(raw, sizeof raw, "%.6g", static_cast<double>(e.rawScore));
    std::cout << "{\"name\":" << JsonString(U(fullName))
              << ",\"simplifiedTotal\":" << e.simplifiedTotal
              << ",\"traditionalTotal\":" << e.traditionalTotal
              << ",\"elements\":" << JsonString(U(e.elements)) << ",\"grids\":[" << g.sky << ","
              << g.person << "," << g.earth << "," << g.total << "," << g.outer
              << "],\"threeTalents\":" << JsonString(U(e.threeTalents)) << ",\"ratings\":["
              << ratings << "],\"rawScore\":" << raw << ",\"score\":" << e.score << "}\n";
}

}  // namespace

int RunScore(int argc, char** argv, int first) {
    Args args;
    if (!ParseArgs(argc, argv, first, {}, {"--json"}, args)) return kExitUsage;
    std::string family, given;
    if (!ReadNameArguments(args, family, given)) return kExitUsage;
    SqliteDatabase db;
    if (!LoadReferenceDatabase(args, db)) return kExitUsage;
    NameEvaluation e = EvaluateName(db, family, given);
    for (const std::string& w : e.warnings) Err(w);
    PrintScore(e, family + given, args.Has("--json"));
    return kExitOk;
}

int RunChar(int argc, char** argv, int first) {
    Args args;
    if (!ParseArgs(argc, argv, first, {}, {"--json"}, args)) return kExitUsage;
    std::vector<std::string> chars = args.positional.empty()
                                         ? std::vector<std::string>{}
                                         : SplitCharacters(Utf8ToGbk(args.positional[0]));
    if (chars.size() != 1) {
        std::cerr << "lumo-cli: char takes exactly one character\n";
        return kExitUsage;
    }
    SqliteDatabase db;
    if (!LoadReferenceDatabase(args, db)) return kExitUsage;
    CharInfo c = LookupCharInfo(db, chars[0]);
    bool listed = IsListed(c);
    if (args.Has("--json")) {
        const CharNote note = LookupCharNote(db, chars[0]);
        std::cout << "{\"char\":" << JsonString(U(c.hanzi))
                  << ",\"traditional\":" << JsonString(U(c.traditional))
                  << ",\"simplifiedStrokes\":" << c.simplifiedStrokes
                  << ",\"kangxiStrokes\":" << c.kangxiStrokes
                  << ",\"pinyin\":" << JsonString(U(c.pinyin))
                  << ",\"radical\":" << JsonString(U(c.radical))
                  << ",\"element\":" << JsonString(U(c.element))
                  << ",\"basic\":" << JsonString(U(c.basic))
                  << ",\"detail\":" << JsonString(U(c.detail))
                  << ",\"listed\":" << (listed ? "true" : "false")
                  << ",\"elementOrigin\":" << JsonString(U(note.elementOrigin))
                  << ",\"unsuitable\":" << JsonString(U(note.unsuitable)) << "}\n";
        return kExitOk;
    }
    Out(Gbk("汉字\t") + c.hanzi + "\n" + Gbk("繁体\t") + c.traditional + "\n" +
        Gbk("简体笔画数\t") + std::to_string(c.simplifiedStrokes) + "\n" + Gbk("繁体笔画数\t") +
        std::to_string(c.kangxiStrokes) + "\n" + Gbk("拼音\t") + c.pinyin + "\n" + Gbk("部首\t") +
        c.radical + "\n" + Gbk("五行\t") + c.element + "\n" + Gbk("基本解释\t") + c.basic + "\n" +
        Gbk("详细解释\t") + c.detail + "\n" + Gbk("收录\t") + (listed ? Gbk("是") : Gbk("否")) +
        "\n");
    return kExitOk;
}

}  // namespace lumo::cli
