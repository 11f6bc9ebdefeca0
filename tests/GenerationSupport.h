#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "db/SqliteDatabase.h"
#include "generation/GenerationInputs.h"
#include "generation/GenerationObserver.h"
#include "numerology/CharInfo.h"
#include "support/Fixture.h"

// Fixtures of the generation tests: a reference database holding every pool character, and an
// observer that records what a run does to the window.
namespace lumo::test {

// The 81-number rating of the fixture: multiples of 9 大凶, of 7 凶, of 5 中, all others 吉.
// Three-talent keys ending in 金 are 中, all others 吉.
std::string FixtureNumberRating(int n);  // UTF-8

// Every character of the four pools with made-up strokes and elements, plus:
//   李 7 strokes 木 (sky 8, 吉);  龚 17 strokes (sky 18, 大凶);  张 for the English index "zh";
//   岂 a row without an element (unlisted);  丑 no row at all.
// 明, 安, 晓 and 张 carry 声母 and 拼音1 for the English mode; LM_EName holds a few names.
// Loaded once per process; read-only for the tests.
SqliteDatabase& GenerationDb();
// The fixture's file, for the command line.
const std::string& GenerationDbPath();

// One cache entry for every character of the fixture, for computing expected rows.
const CharInfoCache& FullCache();

// The cache entry of a fixture character (an unlisted, empty entry when it has no row); a map
// lookup, for checking many rows quickly.
const CachedChar& FixtureChar(const std::string& gbk);
bool FixtureListed(const std::string& gbk);

// The row ScoreName gives a name, numbered `number`.
NameRow ExpectedRow(std::size_t number, const std::string& family, const std::string& given);

// Inputs for a run against the fixture (texts UTF-8 here, GBK in the inputs).
GenerationInputs Inputs(NamingMode mode, const char* familyUtf8, int nameLength = 2,
                        Sex sex = Sex::Male);

const char* ControlName(RunControl c);

// Records every call of a run, in order, as short event words ("open", "fill 0 1", "sort" …), and
// keeps the lists as the desktop would. `onEvent` runs after each event is recorded, outside the
// lock, so that a test can pause or stop the run at a chosen point.
class RunRecorder : public GenerationObserver {
  public:
    std::function<void(const std::string& event)> onEvent;

    void OpenWaitWindow() override { Record("open"); }
    void CloseWaitWindow() override { Record("close"); }
    void ShowMessage(const UserMessage& m) override;
    void SetEnabled(RunControl c, bool enabled) override;
    void SetCaption(RunControl c, const std::string& caption) override;
    void ShowPage(TabControl tabs, int page) override;
    void ReserveRows(ResultList list, std::size_t count) override;
    void FillRows(ResultList list, std::size_t firstRow, std::vector<NameRow> rows) override;
    void RemoveEmptyRows(ResultList list) override;
    void SortByScore(ResultList list) override;
    void Renumber(ResultList list) override;
    void SetClassicText(const std::string& text) override;
    void AddEnglishRows(std::vector<EnglishRow> rows) override;
    void RunFinished() override { Record("finished"); }

    std::vector<std::string> Events() const;
    std::vector<NameRow> Rows() const;
    std::vector<NameRow> SortedRows() const;  // the list right after the sort, before renumbering
    std::vector<UserMessage> Messages() const;
    std::size_t CountMessages(const char* utf8) const;
    std::vector<std::string> ClassicTexts() const;
    std::vector<EnglishRow> EnglishRows() const;
    std::vector<std::size_t> BatchSizes() const;
    std::size_t FilledRows() const;
    std::vector<std::string> GivenNames() const;  // UTF-8, of the final rows, family name cut off
    std::string family;                           // UTF-8, set by the test for GivenNames

  private:
    void Record(std::string event);

    mutable std::mutex mutex_;
    std::vector<std::string> events_;
    std::vector<NameRow> rows_, sorted_;
    std::vector<UserMessage> messages_;
    std::vector<std::string> classic_;
    std::vector<EnglishRow> english_;
    std::vector<std::size_t> batches_;
    std::size_t filled_ = 0;
};

// Runs on the calling thread, start to end.
void RunNow(const GenerationInputs& inputs, RunRecorder& recorder);

}  // namespace lumo::test
