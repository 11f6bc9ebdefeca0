// The limits of the typed texts: a run past one is refused before it does anything else.
#include <gtest/gtest.h>

#include "GenerationSupport.h"
#include "db/Gbk.h"
#include "generation/InputLimits.h"
#include "numerology/Characters.h"
#include "numerology/NameCheck.h"

namespace lumo {
namespace {

// `n` distinct GB2312 hanzi (GBK), from 啊 on.
std::string DistinctHanzi(std::size_t n) {
    std::string text;
    for (unsigned lead = 0xB0; lead <= 0xF7 && n; ++lead)
        for (unsigned trail = 0xA1; trail <= 0xFE && n; ++trail, --n) {
            text.push_back(static_cast<char>(lead));
            text.push_back(static_cast<char>(trail));
        }
    return text;
}

std::string Repeat(const std::string& s, std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += s;
    return out;
}

TEST(InputLimits, NamesHoldAtMostFourCharacters) {
    struct Case {
        std::string text;
        bool accepted;
    } cases[] = {
        {Gbk("李"), true},
        {Gbk("欧阳"), true},
        {Gbk("张王李赵"), true},
        {Gbk("张王李赵钱"), false},
        {Repeat(Gbk("李"), 43690), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(!FamilyNameProblem(c.text), c.accepted) << c.text.size();
        EXPECT_EQ(!GivenNameProblem(c.text), c.accepted) << c.text.size();
    }
    // The message never repeats a long text.
    EXPECT_EQ(GbkToUtf8(*FamilyNameProblem(Repeat("a", 43690))),
              "姓氏最多4个字（如 李、欧阳），请重新输入姓氏。");
    EXPECT_EQ(GbkToUtf8(*GivenNameProblem(Gbk("明明明明明"))), "名字最多4个字，请重新输入名字。");
}

TEST(InputLimits, RunsRefuseTextsPastTheirLimits) {
    struct Case {
        const char* what;
        GenerationInputs in;
        const char* message;  // "" when accepted
    } cases[] = {
        {"family", test::Inputs(NamingMode::HighScore, "张王李赵钱"),
         "姓氏最多4个字（如 李、欧阳），请重新输入姓氏。"},
        {"family of 43,690", test::Inputs(NamingMode::HighScore, ""), ""},
        {"combination 500", test::Inputs(NamingMode::Combination, "李"), ""},
        {"combination 501", test::Inputs(NamingMode::Combination, "李"),
         "组合的字最多500个，请删去一些再组合。"},
        {"poetry 500 with repeats", test::Inputs(NamingMode::Poetry, "李"), ""},
        {"poetry 501", test::Inputs(NamingMode::Poetry, "李"),
         "所选的诗词字最多500个，请少选一些再生成。"},
        {"english", test::Inputs(NamingMode::English, "李"), "名字最多4个字，请重新输入名字。"},
        {"generation character", test::Inputs(NamingMode::HighScore, "李"),
         "辈份字最多2个字，请重新设置辈份。"},
    };
    cases[1].in.familyName = Repeat(Gbk("李"), 43690);
    cases[1].message = "姓氏最多4个字（如 李、欧阳），请重新输入姓氏。";
    cases[2].in.combinationText = DistinctHanzi(500);
    cases[3].in.combinationText = DistinctHanzi(500) + "a";  // typed characters count, hanzi or not
    for (int i = 0; i < 3; ++i)
        for (const std::string& c : SplitCharacters(DistinctHanzi(500)))
            cases[4].in.poemCharacters.push_back(c);
    cases[5].in.poemCharacters = SplitCharacters(DistinctHanzi(501));
    cases[6].in.englishGivenName = Gbk("晓晓晓晓晓");
    cases[7].in.charSetting = {true, true, Gbk("志志志"), false, {}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::optional<std::string> problem = GenerationInputProblem(c.in);
        EXPECT_EQ(problem ? GbkToUtf8(*problem) : "", c.message);
        if (!*c.message) continue;
        // The run shows that one message and ends: no wait window, no list, no other message.
        test::RunRecorder rec;
        test::RunNow(c.in, rec);
        EXPECT_EQ(rec.Events(),
                  (std::vector<std::string>{std::string("message ") + c.message, "finished"}));
    }
}

}  // namespace
}  // namespace lumo
