#include <iostream>
#include <map>
#include <optional>

#include "birthchart/BirthChart.h"
#include "birthchart/ChartAnalysis.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "content/NameListCsv.h"
#include "db/Gbk.h"
#include "generation/GenerationWorker.h"
#include "generation/InputLimits.h"
#include "numerology/Characters.h"
#include "numerology/NameCheck.h"

namespace lumo::cli {
namespace {

// Collects what a run does to the window: messages go to stderr at once, the lists are kept with
// the same operations the desktop applies, and printed when the run has ended.
class PrintingObserver : public GenerationObserver {
  public:
    void OpenWaitWindow() override { opened = true; }
    void CloseWaitWindow() override {}
    void ShowMessage(const UserMessage& m) override { Err(m.text); }
    void SetEnabled(RunControl, bool) override {}
    void SetCaption(RunControl, const std::string&) override {}
    void ShowPage(TabControl, int) override {}
    // Reserved rows that stay empty are removed at the end anyway; only the filled ones are kept.
    void ReserveRows(ResultList, std::size_t count) override {
        rows.clear();
        rows.reserve(count);
    }
    void FillRows(ResultList, std::size_t first, std::vector<NameRow> batch) override {
        PlaceRows(rows, first, std::move(batch));
    }
    void RemoveEmptyRows(ResultList) override { lumo::RemoveEmptyRows(rows); }
    // A run that ends without opening its wait window was refused by the core.
    void RunFinished() override { refused = !opened; }
    void SortByScore(ResultList) override { lumo::SortByScore(rows); }
    void Renumber(ResultList) override { lumo::Renumber(rows); }
    void SetClassicText(const std::string& text) override { classicText = text; }
    void AddEnglishRows(std::vector<EnglishRow> batch) override {
        english.insert(english.end(), batch.begin(), batch.end());
    }

    std::vector<NameRow> rows;
    std::string classicText;
    std::vector<EnglishRow> english;
    bool opened = false;
    bool refused = false;
};

std::optional<NamingMode> ModeNamed(const std::string& word) {
    static const std::map<std::string, NamingMode> modes = {
        {"high-score", NamingMode::HighScore},  {"classic", NamingMode::Classic},
        {"super", NamingMode::SuperAuspicious}, {"combination", NamingMode::Combination},
        {"nickname", NamingMode::Nickname},     {"english", NamingMode::English},
        {"poetry", NamingMode::Poetry}};
    auto it = modes.find(word);
    return it == modes.end() ? std::nullopt : std::optional(it->second);
}

int Refuse(const std::string& why) {
    std::cerr << "lumo-cli generate: " << why << "\n";
    return kExitUsage;
}

// "--required-elements 金木" ticks the master box 必带 and the element boxes 金 and 木.
bool TickElements(const Args& args, SuperFilterBoxes& boxes) {
    static const std::pair<const char*, FilterMaster> options[] = {
        {"--second-elements", FilterMaster::SecondChar},
        {"--third-elements", FilterMaster::ThirdChar},
        {"--required-elements", FilterMaster::Required},
        {"--forbidden-elements", FilterMaster::Forbidden}};
    bool any = false;
    for (const auto& [name, master] : options) any |= args.Has(name);
    if (!any) return true;  // the boxes as they are at start-up
    boxes = SuperFilterBoxes{};
    for (const auto& [name, master] : options) {
        if (!args.Has(name)) continue;
        boxes.Master(master).ticked = true;
        for (const std::string& c : SplitCharacters(Utf8ToGbk(args.Get(name)))) {
            std::size_t i = 0;
            while (i < 5 && ElementCaptions()[i] != c) ++i;
            if (i == 5) return false;
            boxes.elements[static_cast<std::size_t>(master)][i].ticked = true;
        }
    }
    return true;
}

// "--birth 2013-12-23-8 --favorable": the 喜用神 of that birth chart; nothing without --favorable.
// Answers false (the reason on stderr) for a birth that is not a date and hour.
bool FavorableElements(const Args& args, std::vector<ChartElement>& favorable) {
    if (!args.Has("--favorable")) return true;
    std::vector<std::string> parts;
    std::string birth = args.Get("--birth");
    for (std::size_t at = 0; at <= birth.size();) {
        std::size_t dash = birth.find('-', at);
        if (dash == std::string::npos) dash = birth.size();
        parts.push_back(birth.substr(at, dash - at));
        at = dash + 1;
    }
    if (parts.size() != 4) {
        std::cerr << "lumo-cli generate: --favorable needs --birth YYYY-MM-DD-HH\n";
        return false;
    }
    BirthChart chart;
    StderrMessages messages;
    ChartAnalysis analysis;
    if (!QueryBirthChart({parts[0], parts[1], parts[2], parts[3]}, chart, messages) ||
        !AnalyzeChart(chart.pillars, analysis))
        return false;
    favorable = analysis.favorable;
    return true;
}

// Fills everything but the mode-independent defaults from the options; answers an error text.
std::string ReadInputs(const Args& args, GenerationInputs& in) {
    in.familyName = Utf8ToGbk(args.Get("--surname"));
    const std::string sex = args.Get("--sex", "男");
    if (sex != "男" && sex != "女") return "--sex is 男 or 女";
    in.sex = sex == "男" ? Sex::Male : Sex::Female;
    const std::string length = args.Get("--length", "1");
    if (length != "1" && length != "2") return "--length is 1 or 2";
    in.nameLength = length == "2" ? 2 : 1;
    if (args.Has("--second") && args.Has("--third"))
        return "--second and --third exclude each other";
    for (const char* option : {"--second", "--third"}) {
        if (!args.Has(option)) continue;
        GenerationCharChoice choice = std::string(option) == "--second"
                                          ? GenerationCharChoice::Second
                                          : GenerationCharChoice::Third;
        if (ConfirmGenerationChar(in.charSetting, choice, Utf8ToGbk(args.Get(option))))
            return std::string(option) + " needs a character";
    }
    if (args.Has("--chars")) {
        std::string chars = Utf8ToGbk(args.Get("--chars"));
        if (in.mode == NamingMode::Poetry) {
            // The poetry page offers the characters of a poem; here they are typed.
            in.poemCharacters = SplitCharacters(WithoutSpaces(chars));
            for (const std::string& c : in.poemCharacters)
                if (!IsChineseCharacter(c))
                    return "--chars of poetry takes Chinese characters only";
        } else
            in.combinationText = chars;
    }
    static const std::map<std::string, NicknameStyle> styles = {{"AA", NicknameStyle::Doubled},
                                                                {"小A", NicknameStyle::Xiao},
                                                                {"A儿", NicknameStyle::Er},
                                                                {"阿A", NicknameStyle::A}};
    auto style = styles.find(args.Get("--style", "AA"));
    if (style == styles.end()) return "--style is AA, 小A, A儿 or 阿A";
    in.nicknameStyle = style->second;
    in.englishGivenName = Utf8ToGbk(args.Get("--given"));
    const std::string gender = args.Get("--gender", "1");
    if (gender != "1" && gender != "2" && gender != "3") return "--gender is 1, 2 or 3";
    in.englishGender = static_cast<EnglishGender>(gender[0] - '0');
    if (!TickElements(args, in.superFilters))
        return "element options take characters of 金木水火土";
    if (args.Has("--required-elements") && args.Has("--forbidden-elements"))
        for (std::size_t i = 0; i < 5; ++i)
            if (in.superFilters.elements[static_cast<std::size_t>(FilterMaster::Required)][i]
                    .ticked &&
                in.superFilters.elements[static_cast<std::size_t>(FilterMaster::Forbidden)][i]
                    .ticked)
                return "--required-elements and --forbidden-elements share " +
                       GbkToUtf8(ElementCaptions()[i]);
    in.perCandidateQueries = args.Has("--per-candidate-queries");
    in.filterUnsuitable = !args.Has("--include-unsuitable");
    return {};
}

std::string TabLine(std::initializer_list<std::string> columns) {
    std::string line;
    for (const std::string& c : columns) line += (&c == columns.begin() ? "" : "\t") + c;
    return line + "\n";
}

}  // namespace

int RunGenerate(int argc, char** argv, int first) {
    Args args;
    const std::vector<std::string> valued = {"--surname",
                                             "--sex",
                                             "--length",
                                             "--second",
                                             "--third",
                                             "--chars",
                                             "--style",
                                             "--given",
                                             "--gender",
                                             "--second-elements",
                                             "--third-elements",
                                             "--required-elements",
                                             "--forbidden-elements",
                                             "--birth",
                                             "--csv"};
    if (!ParseArgs(argc, argv, first, valued,
                   {"--include-unsuitable", "--per-candidate-queries", "--favorable"}, args))
        return kExitUsage;
    std::optional<NamingMode> mode =
        args.positional.empty() ? std::nullopt : ModeNamed(args.positional[0]);
    if (!mode)
        return Refuse(
            "MODE is one of high-score, classic, super, combination, nickname, english, poetry");
    GenerationInputs in;
    in.mode = *mode;
    if (std::string error = ReadInputs(args, in); !error.empty()) return Refuse(error);
    // An empty family name is refused before any run, whatever the mode: the run would only
    // carry on without one.
    if (WithoutSpaces(in.familyName).empty()) return Err(Gbk("请输入姓氏")), kExitUsage;
    const bool csv = args.Has("--csv");
    if (csv && in.mode == NamingMode::English)
        return Refuse("--csv writes a list of Chinese names; the english mode has none");
    if (in.mode == NamingMode::English && in.englishGivenName.empty())
        return Err(Gbk("请输入名字")), kExitUsage;
    // Every other mode joins the family name to Chinese characters: it must be one itself.
    if (in.mode != NamingMode::English)
        if (auto problem = FamilyNameProblem(in.familyName)) return Err(*problem), kExitUsage;
    // The limits the run itself would refuse with, refused here before loading anything.
    if (auto problem = GenerationInputProblem(in)) return Err(*problem), kExitUsage;

    std::vector<ChartElement> favorable;
    if (!FavorableElements(args, favorable)) return kExitUsage;
    in.favorableElements = ElementsText(favorable);

    SqliteDatabase db;
    // The classic mode prints built-in lists and reads the database only for the CSV's pinyin.
    if ((in.mode != NamingMode::Classic || csv) && !LoadReferenceDatabase(args, db))
        return kExitUsage;
    in.referenceDataLoaded = db.IsOpen();

    PrintingObserver window;
    GenerationWorker worker(db);
    worker.Start(std::move(in), window);
    worker.Wait();

    std::string out;
    if (*mode == NamingMode::Classic) {
        out = window.classicText;
    } else if (*mode == NamingMode::English) {
        for (const EnglishRow& r : window.english)
            out += TabLine({r.number, r.name, r.reading, r.meaning});
    } else {
        for (const NameRow& r : window.rows)
            out += TabLine({r.number, r.name, r.simplifiedStrokes, r.traditionalStrokes, r.elements,
                            r.grids, r.threeTalents, r.score});
    }
    Out(out);
    if (csv) {
        const std::filesystem::path file(args.Get("--csv"));
        const bool written = *mode == NamingMode::Classic
                                 ? ExportClassicNamesCsv(window.classicText, db, file)
                                 : ExportNameListCsv(window.rows, db, file);
        if (!written) {
            std::cerr << "lumo-cli: cannot write " << file.string() << "\n";
            return 1;
        }
    }
    // A run that finds nothing says so, so that an empty output never passes for a silent error.
    if (out.empty() && !window.refused) Err(Gbk("没有找到符合条件的名字"));
    return window.refused ? kExitUsage : kExitOk;
}

}  // namespace lumo::cli
