#include "GenerationSupport.h"

#include <algorithm>
#include <map>

#include "db/Gbk.h"
#include "generation/GenerationRun.h"
#include "generation/NamePools.h"
#include "numerology/Characters.h"
#include "numerology/NameScore.h"

namespace lumo::test {
namespace {

struct FixtureFile {
    TempDir dir{"lumo-generation"};
    std::string path = dir.File("namedata.db");
    std::vector<std::string> chars;  // GBK, every character with a row
};

void AddCharacters(ReferenceFile& file, std::vector<std::string>& chars) {
    std::vector<std::string> pool = SplitCharacters(MaleNamePool() + FemaleNamePool() +
                                                    MaleClassicPool() + FemaleClassicPool());
    std::vector<std::string> seen;
    const std::vector<std::string>& elements = ElementsUtf8();
    unsigned index = 0;
    for (const std::string& c : pool) {
        if (std::find(seen.begin(), seen.end(), c) != seen.end()) continue;
        seen.push_back(c);
        const std::string utf8 = GbkToUtf8(c);
        // Spread strokes and elements evenly but deterministically over the characters.
        unsigned h = (++index) * 2654435761u;
        int kangxi = 2 + static_cast<int>((h >> 8) % 24);
        int simplified = std::max(1, kangxi - static_cast<int>((h >> 16) % 4));
        std::string element = elements[(h >> 20) % 5];
        if (utf8 == "李") kangxi = simplified = 7, element = "木";
        file.AddChar({utf8, simplified, kangxi, element});
    }
    file.AddChar({"龚", 11, 17, "木"});
    file.AddChar({"张", 7, 11, "火"});
    file.AddChar({"岂", 6, 10, ""});
    chars = seen;
    for (const char* extra : {"龚", "张", "岂"}) chars.push_back(Gbk(extra));
}

void AddEnglishData(ReferenceFile& file) {
    SqliteDatabase& db = file.db();
    const char* initials[][3] = {
        {"明", "M", "ming2"}, {"安", "", "an1"}, {"晓", "x", "xiao3"}, {"张", "zh", "zhang1"}};
    for (const auto& [hanzi, initial, pinyin] : initials)
        db.Finalize(db.Query(
            Gbk("update LM_CNWord set 声母=?, 拼音1=? where 汉字=?"),
            {SqlParam::Text(initial), SqlParam::Text(pinyin), SqlParam::Text(Gbk(hanzi))}));
    struct Name {
        const char *index, *index2, *name;
        int sex;
        const char *reading, *meaning;
    } names[] = {
        {"m", "", "Mark", 1, "马克", "战神"},        {"m", "", "Mary", 2, "玛丽", "海之星"},
        {"i", "", "Ian", 1, "伊恩", "恩赐"},         {"s", "sh", "Shawn", 1, "肖恩", "上帝仁慈"},
        {"s", "", "Sam", 1, "萨姆", "倾听"},         {"m", "", "Miles", 1, "迈尔斯", "战士"},
        {"z", "zh", "Zhivago", 1, "日瓦戈", "生命"}, {"s", "sh", "Sharon", 2, "莎伦", "平原"},
    };
    int id = 0;
    for (const Name& n : names)
        db.Finalize(
            db.Query(Gbk("insert into LM_EName (Id, EIndex, EIndex2, Name, Sex, Cnword, Mean) "
                         "values (?, ?, ?, ?, ?, ?, ?)"),
                     {SqlParam::Integer(++id), SqlParam::Text(n.index), SqlParam::Text(n.index2),
                      SqlParam::Text(n.name), SqlParam::Integer(n.sex),
                      SqlParam::Text(Gbk(n.reading)), SqlParam::Text(Gbk(n.meaning))}));
}

FixtureFile& File() {
    static FixtureFile fixture = [] {
        FixtureFile f;
        ReferenceFile file(f.path);
        file.db().BeginTransaction();
        for (int n = 1; n <= 81; ++n) file.AddNumber(n, FixtureNumberRating(n));
        for (const auto& a : ElementsUtf8())
            for (const auto& b : ElementsUtf8())
                for (const auto& c : ElementsUtf8())
                    file.AddTalent(a + b + c, c == "金" ? "中" : "吉");
        AddCharacters(file, f.chars);
        AddEnglishData(file);
        file.db().CommitTransaction();
        return f;
    }();
    return fixture;
}

std::string Utf8(const std::string& gbk) { return GbkToUtf8(gbk); }

}  // namespace

std::string FixtureNumberRating(int n) {
    if (n % 9 == 0) return "大凶";
    if (n % 7 == 0) return "凶";
    if (n % 5 == 0) return "中";
    return "吉";
}

SqliteDatabase& GenerationDb() {
    static SqliteDatabase db;
    static bool loaded = LoadFile(db, File().path);
    (void)loaded;
    return db;
}

const std::string& GenerationDbPath() { return File().path; }

const CharInfoCache& FullCache() {
    static const CharInfoCache cache = [] {
        CharInfoCache c;
        for (const std::string& ch : File().chars)
            c.push_back(ToCachedChar(LookupCharInfo(GenerationDb(), ch)));
        return c;
    }();
    return cache;
}

const CachedChar& FixtureChar(const std::string& gbk) {
    static const std::map<std::string, CachedChar> byText = [] {
        std::map<std::string, CachedChar> m;
        for (const CachedChar& c : FullCache()) m.emplace(c.hanzi, c);
        return m;
    }();
    static const CachedChar none{};
    auto it = byText.find(gbk);
    return it == byText.end() ? none : it->second;
}

bool FixtureListed(const std::string& gbk) {
    const CachedChar& c = FixtureChar(gbk);
    return !c.element.empty() && c.simplifiedStrokes != 0;
}

NameRow ExpectedRow(std::size_t number, const std::string& family, const std::string& given) {
    static RatingSnapshot ratings(GenerationDb());
    // ScoreName over a cache of just this name's characters: the same entries the full cache
    // would give (it holds each character once), without scanning two thousand of them.
    CharInfoCache cache;
    for (const std::string& c : SplitCharacters(family + given))
        if (!FixtureChar(c).hanzi.empty()) cache.push_back(FixtureChar(c));
    return MakeNameRow(number, family, given, ScoreName(cache, ratings, family, given));
}

GenerationInputs Inputs(NamingMode mode, const char* familyUtf8, int nameLength, Sex sex) {
    GenerationInputs in;
    in.mode = mode;
    in.familyName = Gbk(familyUtf8);
    in.nameLength = nameLength;
    in.sex = sex;
    in.referenceDataLoaded = true;
    return in;
}

const char* ControlName(RunControl c) {
    switch (c) {
        case RunControl::ModeSelectionTool:
            return "tool";
        case RunControl::ModeSelectionMenu:
            return "menu";
        case RunControl::HighScorePause:
            return "highPause";
        case RunControl::HighScoreAgain:
            return "highAgain";
        case RunControl::HighScoreExport:
            return "highExport";
        case RunControl::SuperPause:
            return "superPause";
        case RunControl::SuperGenerate:
            return "superGenerate";
        case RunControl::SuperExport:
            return "superExport";
        case RunControl::NicknameGenerate:
            return "nickname";
    }
    return "?";
}

void RunRecorder::Record(std::string event) {
    {
        std::lock_guard lock(mutex_);
        events_.push_back(event);
    }
    if (onEvent) onEvent(event);
}

void RunRecorder::ShowMessage(const UserMessage& m) {
    {
        std::lock_guard lock(mutex_);
        messages_.push_back(m);
    }
    Record("message " + Utf8(m.text));
}

void RunRecorder::SetEnabled(RunControl c, bool enabled) {
    Record(std::string(enabled ? "enable " : "disable ") + ControlName(c));
}

void RunRecorder::SetCaption(RunControl c, const std::string& caption) {
    Record(std::string("caption ") + ControlName(c) + " " + Utf8(caption));
}

void RunRecorder::ShowPage(TabControl tabs, int page) {
    Record(std::string("page ") + (tabs == TabControl::Main ? "main " : "poetry ") +
           std::to_string(page));
}

void RunRecorder::ReserveRows(ResultList, std::size_t count) {
    {
        std::lock_guard lock(mutex_);
        rows_.assign(count, {});
    }
    Record("reserve " + std::to_string(count));
}

void RunRecorder::FillRows(ResultList, std::size_t firstRow, std::vector<NameRow> rows) {
    const std::size_t n = rows.size();
    {
        std::lock_guard lock(mutex_);
        PlaceRows(rows_, firstRow, std::move(rows));
        batches_.push_back(n);
        filled_ += n;
    }
    Record("fill " + std::to_string(firstRow) + " " + std::to_string(n));
}

void RunRecorder::RemoveEmptyRows(ResultList) {
    {
        std::lock_guard lock(mutex_);
        lumo::RemoveEmptyRows(rows_);
    }
    Record("remove");
}

void RunRecorder::SortByScore(ResultList) {
    {
        std::lock_guard lock(mutex_);
        lumo::SortByScore(rows_);
        sorted_ = rows_;
    }
    Record("sort");
}

void RunRecorder::Renumber(ResultList) {
    {
        std::lock_guard lock(mutex_);
        lumo::Renumber(rows_);
    }
    Record("renumber");
}

void RunRecorder::SetClassicText(const std::string& text) {
    {
        std::lock_guard lock(mutex_);
        classic_.push_back(text);
    }
    Record("classic");
}

void RunRecorder::AddEnglishRows(std::vector<EnglishRow> rows) {
    const std::size_t n = rows.size();
    {
        std::lock_guard lock(mutex_);
        english_.insert(english_.end(), rows.begin(), rows.end());
    }
    Record("english " + std::to_string(n));
}

std::vector<std::string> RunRecorder::Events() const {
    std::lock_guard lock(mutex_);
    return events_;
}
std::vector<NameRow> RunRecorder::Rows() const {
    std::lock_guard lock(mutex_);
    return rows_;
}
std::vector<NameRow> RunRecorder::SortedRows() const {
    std::lock_guard lock(mutex_);
    return sorted_;
}
std::vector<UserMessage> RunRecorder::Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}
std::size_t RunRecorder::CountMessages(const char* utf8) const {
    std::lock_guard lock(mutex_);
    return static_cast<std::size_t>(
        std::count_if(messages_.begin(), messages_.end(),
                      [&](const UserMessage& m) { return m.text == Gbk(utf8); }));
}
std::vector<std::string> RunRecorder::ClassicTexts() const {
    std::lock_guard lock(mutex_);
    return classic_;
}
std::vector<EnglishRow> RunRecorder::EnglishRows() const {
    std::lock_guard lock(mutex_);
    return english_;
}
std::vector<std::size_t> RunRecorder::BatchSizes() const {
    std::lock_guard lock(mutex_);
    return batches_;
}
std::size_t RunRecorder::FilledRows() const {
    std::lock_guard lock(mutex_);
    return filled_;
}
std::vector<std::string> RunRecorder::GivenNames() const {
    std::vector<std::string> out;
    for (const NameRow& r : Rows()) out.push_back(Utf8(r.name).substr(family.size()));
    return out;
}

void RunNow(const GenerationInputs& inputs, RunRecorder& recorder) {
    recorder.family = GbkToUtf8(inputs.familyName);
    RunSignals signals;
    GenerationRun(GenerationDb(), inputs, recorder, signals).Execute();
}

}  // namespace lumo::test
