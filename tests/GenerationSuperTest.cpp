#include <gtest/gtest.h>

#include <set>

#include "GenerationSupport.h"
#include "db/Gbk.h"
#include "generation/ElementFilter.h"
#include "generation/EnglishNames.h"
#include "numerology/Characters.h"

namespace lumo {
namespace {

using test::RunNow;
using test::RunRecorder;

const CachedChar& Cached(const std::string& gbk) { return test::FixtureChar(gbk); }

// Ticks a master box and the element boxes named by `elements` directly, as the command line does.
void Tick(SuperFilterBoxes& b, FilterMaster m, const char* elements) {
    b.Master(m).ticked = true;
    for (const std::string& e : SplitCharacters(Gbk(elements)))
        for (std::size_t i = 0; i < 5; ++i)
            if (ElementCaptions()[i] == e) b.elements[static_cast<std::size_t>(m)][i].ticked = true;
}

TEST(SuperFilters, ElementSetsFromTheTicks) {
    struct Case {
        std::vector<std::pair<FilterMaster, const char*>> ticks;
        const char *second, *third, *required, *forbidden;
    } cases[] = {
        {{}, "金木水火土", "金木水火土", "金木水火土", ""},
        {{{FilterMaster::SecondChar, "木"}}, "木", "金木水火土", "金木水火土", ""},
        {{{FilterMaster::SecondChar, ""}, {FilterMaster::ThirdChar, "土水"}},
         "金木水火土",
         "水土",
         "金木水火土",
         ""},
        {{{FilterMaster::Required, ""}}, "金木水火土", "金木水火土", "金木水火土", ""},
        {{{FilterMaster::Required, "金火"}, {FilterMaster::Forbidden, "火"}},
         "金木水火土",
         "金木水火土",
         "金火",
         "火"},
    };
    for (const Case& c : cases) {
        SuperFilterBoxes b;
        for (const auto& [m, e] : c.ticks) Tick(b, m, e);
        ElementFilter f = BuildElementFilter(b);
        EXPECT_EQ(GbkToUtf8(f.secondChar), c.second);
        EXPECT_EQ(GbkToUtf8(f.thirdChar), c.third);
        EXPECT_EQ(GbkToUtf8(f.required), c.required);
        EXPECT_EQ(GbkToUtf8(f.forbidden), c.forbidden);
    }
}

TEST(SuperFilters, MasterBoxesExcludeEachOther) {
    SuperFilterBoxes b = SuperFilterBoxes::Initial();
    auto state = [&](FilterMaster m) { return std::pair(b.Master(m).ticked, b.Master(m).enabled); };
    auto elementsEnabled = [&](FilterMaster m) {
        return b.elements[static_cast<std::size_t>(m)][0].enabled;
    };
    // Start-up: 必带 with all five elements; the position boxes off and disabled.
    EXPECT_EQ(state(FilterMaster::Required), std::pair(true, true));
    EXPECT_EQ(state(FilterMaster::SecondChar), std::pair(false, false));
    EXPECT_EQ(state(FilterMaster::ThirdChar), std::pair(false, false));
    EXPECT_EQ(state(FilterMaster::Forbidden), std::pair(false, true));
    EXPECT_TRUE(elementsEnabled(FilterMaster::Required));
    EXPECT_FALSE(elementsEnabled(FilterMaster::Forbidden));
    EXPECT_FALSE(b.ClickMaster(FilterMaster::SecondChar));  // disabled: nothing happens

    // 不能带 ticked too; unticking 必带 then leaves the position boxes disabled.
    ASSERT_TRUE(b.ClickMaster(FilterMaster::Forbidden));
    EXPECT_TRUE(elementsEnabled(FilterMaster::Forbidden));
    ASSERT_TRUE(b.ClickMaster(FilterMaster::Required));
    EXPECT_FALSE(elementsEnabled(FilterMaster::Required));
    EXPECT_EQ(state(FilterMaster::SecondChar), std::pair(false, false));
    // Unticking 不能带 as well re-enables them.
    ASSERT_TRUE(b.ClickMaster(FilterMaster::Forbidden));
    EXPECT_EQ(state(FilterMaster::SecondChar), std::pair(false, true));
    EXPECT_EQ(state(FilterMaster::ThirdChar), std::pair(false, true));

    // A position box now excludes both all-character boxes, and its partner keeps them out.
    ASSERT_TRUE(b.ClickMaster(FilterMaster::SecondChar));
    EXPECT_EQ(state(FilterMaster::Required), std::pair(false, false));
    EXPECT_EQ(state(FilterMaster::Forbidden), std::pair(false, false));
    EXPECT_TRUE(elementsEnabled(FilterMaster::SecondChar));
    ASSERT_TRUE(b.ClickMaster(FilterMaster::ThirdChar));
    ASSERT_TRUE(b.ClickMaster(FilterMaster::SecondChar));
    EXPECT_FALSE(elementsEnabled(FilterMaster::SecondChar));
    EXPECT_EQ(state(FilterMaster::Required), std::pair(false, false));
    ASSERT_TRUE(b.ClickMaster(FilterMaster::ThirdChar));
    EXPECT_EQ(state(FilterMaster::Required), std::pair(false, true));
    EXPECT_EQ(state(FilterMaster::Forbidden), std::pair(false, true));

    // Element boxes follow their master's enabled state.
    EXPECT_FALSE(b.ClickElement(FilterMaster::ThirdChar, 1));
    ASSERT_TRUE(b.ClickMaster(FilterMaster::Required));
    EXPECT_TRUE(b.ClickElement(FilterMaster::Required, 1));
    EXPECT_FALSE(b.elements[2][1].ticked);  // 木2 was ticked from start-up, the click unticked it
}

// Girls' pool (973 characters and the family name) keeps these runs small.
GenerationInputs SuperInputs(const char* family,
                             std::vector<std::pair<FilterMaster, const char*>> ticks) {
    GenerationInputs in = test::Inputs(NamingMode::SuperAuspicious, family, 1, Sex::Female);
    in.superFilters = SuperFilterBoxes{};
    for (const auto& [m, e] : ticks) Tick(in.superFilters, m, e);
    return in;
}

TEST(SuperAuspiciousMode, PositionFilterFixesTheFirstCharacterElement) {
    RunRecorder rec;
    RunNow(SuperInputs("龚", {{FilterMaster::SecondChar, "木"}}), rec);
    const std::vector<NameRow> rows = rec.Rows();
    ASSERT_FALSE(rows.empty());
    std::set<std::string> secondElements;
    for (const NameRow& r : rows) {
        std::vector<std::string> chars = SplitCharacters(r.name);
        ASSERT_EQ(chars.size(), 3u);  // always two-character given names, whatever the length
        EXPECT_EQ(GbkToUtf8(Cached(chars[1]).element), "木");
        EXPECT_FALSE(Cached(chars[2]).element.empty());
        secondElements.insert(GbkToUtf8(Cached(chars[2]).element));
    }
    EXPECT_EQ(secondElements.size(), 5u);  // the second character may have any element
}

TEST(SuperAuspiciousMode, AllCharacterFiltersAndTheSkyGridThreshold) {
    struct Case {
        const char* family;
        std::vector<std::pair<FilterMaster, const char*>> ticks;
        int lowest;            // the threshold from the family name's sky grid
        const char* excluded;  // an element no given-name character may have
    } cases[] = {
        {"龚", {{FilterMaster::Required, ""}}, 96, ""},   // sky 18: 大凶
        {"李", {{FilterMaster::Required, ""}}, 100, ""},  // sky 8: 吉
        {"龚", {{FilterMaster::Forbidden, "火"}}, 96, "火"},
        {"龚", {{FilterMaster::Required, "金水"}, {FilterMaster::Forbidden, "水"}}, 96, "水"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.family);
        RunRecorder rec;
        RunNow(SuperInputs(c.family, c.ticks), rec);
        const std::vector<NameRow> rows = rec.Rows();
        ASSERT_FALSE(rows.empty());
        int lowest = 100;
        for (const NameRow& r : rows) {
            lowest = std::min(lowest, r.ScoreValue());
            const std::vector<std::string> chars = SplitCharacters(r.name);
            for (std::size_t i = 1; i < chars.size(); ++i)
                ASSERT_NE(GbkToUtf8(Cached(chars[i]).element), c.excluded) << GbkToUtf8(r.name);
        }
        EXPECT_GE(lowest, c.lowest);
        EXPECT_LE(lowest, c.lowest + 1) << "names just at the threshold exist in this fixture";
        std::vector<std::string> events = rec.Events();
        EXPECT_EQ(events[3], "disable superGenerate");
        EXPECT_NE(std::find(events.begin(), events.end(), "reserve 100001"), events.end());
        EXPECT_NE(std::find(events.begin(), events.end(), "enable superPause"), events.end());
        EXPECT_NE(std::find(events.begin(), events.end(), "enable superExport"), events.end());
    }
}

TEST(SuperAuspiciousMode, NoMasterBoxListsNothingAndKeepsTheWaitWindow) {
    RunRecorder rec;
    RunNow(SuperInputs("龚", {}), rec);
    EXPECT_TRUE(rec.Rows().empty());
    std::vector<std::string> events = rec.Events();
    EXPECT_EQ(std::find(events.begin(), events.end(), "enable superPause"), events.end());
    // The wait window closes only with the run's end.
    EXPECT_EQ(std::vector<std::string>(events.end() - 3, events.end()),
              (std::vector<std::string>{"enable highExport", "close", "finished"}));
}

TEST(SuperAuspiciousMode, BoysPoolCapsAtOneHundredThousandNames) {
    // 1,855 × 1,855 = 3,441,025 pairs: more than 100,000 of them reach the threshold of 96.
    RunRecorder rec;
    GenerationInputs in = SuperInputs("龚", {{FilterMaster::Required, "金木水火土"}});
    in.sex = Sex::Male;
    RunNow(in, rec);
    ASSERT_EQ(rec.Rows().size(), 100000u);
    EXPECT_EQ(rec.Rows().back().number, "100000");
    EXPECT_LE(rec.BatchSizes().size(), 200u);  // batches, not one call per row
}

TEST(EnglishMode, IndexFromTheFirstCharacterAndGender) {
    struct Case {
        const char* given;
        EnglishGender gender;
        const char* key;
        std::vector<std::string> names;
    } cases[] = {
        {"明华", EnglishGender::Masculine, "m", {"Mark", "Miles"}},  // 声母 "M" in lower case
        {"明", EnglishGender::Feminine, "m", {"Mary"}},
        {"安", EnglishGender::Masculine, "i", {"Ian"}},  // no 声母: 拼音1 "an1" gives a → i
        {"晓", EnglishGender::Masculine, "sh", {"Shawn"}},  // x → sh
        {"晓", EnglishGender::Feminine, "sh", {"Sharon"}},
        {"张", EnglishGender::Masculine, "zh", {"Zhivago"}},  // two letters, not in the map
        {"丑", EnglishGender::Masculine, "", {}},             // no row: empty key
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        EXPECT_EQ(EnglishNameKey(test::GenerationDb(), Gbk(c.given)),
                  std::optional<std::string>(c.key));
        GenerationInputs in = test::Inputs(NamingMode::English, "李");
        in.englishGivenName = Gbk(c.given);
        in.englishGender = c.gender;
        RunRecorder rec;
        RunNow(in, rec);
        std::vector<std::string> names;
        for (const EnglishRow& r : rec.EnglishRows()) {
            EXPECT_EQ(r.number, std::to_string(names.size() + 1));
            names.push_back(r.name);
        }
        EXPECT_EQ(names, c.names);
    }
    EXPECT_EQ(MapInitialLetter("q"), "ch");
    EXPECT_EQ(MapInitialLetter("o"), "a");
    EXPECT_EQ(MapInitialLetter("b"), "b");
}

TEST(EnglishMode, LengthListsFilterByTheNamesLetters) {
    // 明 with 男性化 lists Mark (4 letters) and Miles (5); 0 leaves a side open.
    const struct {
        EnglishLengthRange lengths;
        std::vector<std::string> names;
    } cases[] = {{{0, 0}, {"Mark", "Miles"}},
                 {{4, 4}, {"Mark"}},
                 {{5, 0}, {"Miles"}},
                 {{0, 3}, {}},
                 {{3, 6}, {"Mark", "Miles"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lengths.shortest * 10 + c.lengths.longest);
        GenerationInputs in = test::Inputs(NamingMode::English, "李");
        in.englishGivenName = Gbk("明");
        in.englishLengths = c.lengths;
        RunRecorder rec;
        RunNow(in, rec);
        std::vector<std::string> names;
        for (const EnglishRow& r : rec.EnglishRows()) names.push_back(r.name);
        EXPECT_EQ(names, c.names);
        for (std::size_t i = 0; i < rec.EnglishRows().size(); ++i)
            EXPECT_EQ(rec.EnglishRows()[i].number, std::to_string(i + 1));  // numbered as listed
    }
}

TEST(EnglishMode, GivenNameOfSpacesEndsWithoutRows) {
    GenerationInputs in = test::Inputs(NamingMode::English, "李");
    in.englishGivenName = "   ";
    EXPECT_EQ(EnglishNameKey(test::GenerationDb(), in.englishGivenName), std::nullopt);
    RunRecorder rec;
    RunNow(in, rec);
    EXPECT_TRUE(rec.EnglishRows().empty());
    EXPECT_EQ(rec.Events().back(), "finished");
}

TEST(GenerationCharDialog, ConfirmAndCancel) {
    GenerationCharSetting s;
    EXPECT_EQ(ChoiceShownFor(s), GenerationCharChoice::None);
    std::optional<UserMessage> refused = ConfirmGenerationChar(s, GenerationCharChoice::Second, "");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->icon, MessageIcon::Warning);
    EXPECT_FALSE(s.enabled);
    EXPECT_FALSE(ConfirmGenerationChar(s, GenerationCharChoice::Third, Gbk("明")));
    EXPECT_TRUE(s.enabled && s.fixesThird && !s.fixesSecond);
    EXPECT_EQ(ChoiceShownFor(s), GenerationCharChoice::Third);
    CancelGenerationChar(s);
    EXPECT_FALSE(s.enabled);
    EXPECT_FALSE(FixesACharacter(s));
    EXPECT_EQ(ChoiceShownFor(s), GenerationCharChoice::Third);  // the position is kept after 取消
    EXPECT_EQ(GbkToUtf8(s.thirdChar), "明");
    EXPECT_FALSE(ConfirmGenerationChar(s, GenerationCharChoice::None, ""));
    EXPECT_EQ(ChoiceShownFor(s), GenerationCharChoice::None);
}

}  // namespace
}  // namespace lumo
