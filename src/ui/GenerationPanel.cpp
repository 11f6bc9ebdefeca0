#include "ui/GenerationPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include "birthchart/BirthChart.h"
#include "birthchart/ChartAnalysis.h"
#include "numerology/NameCheck.h"
#include "ui/GenerationCharDialog.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/PoetryPanel.h"
#include "ui/RunView.h"
#include "ui/Text.h"
#include "ui/TextTableModel.h"

namespace lumo::ui {
namespace {

// Opens the generation-character dialog when the mouse button is released over the marker.
class MarkerClick : public QObject {
  public:
    MarkerClick(QObject* parent, std::function<void()> action)
        : QObject(parent), action_(std::move(action)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            action_();
            return true;
        }
        return false;
    }

  private:
    std::function<void()> action_;
};

const char* const kElementNames[5] = {"金", "木", "水", "火", "土"};

}  // namespace

GenerationPanel::GenerationPanel(MainWindow& window, SqliteDatabase& db,
                                 std::function<bool()> referenceLoaded, const QString& dataDir)
    : QObject(&window),
      window_(window),
      db_(db),
      referenceLoaded_(std::move(referenceLoaded)),
      worker_(db),
      view_(new WidgetRunView(window)),
      currentRun_(std::make_shared<std::atomic<int>>(0)),
      poetry_(new PoetryPanel(window, db, dataDir)) {
    view_->SetCurrentRun(currentRun_);
    Connect();
    MirrorFilterBoxes();
    ColourMarker();
    // Nothing runs yet: nothing to pause.
    view_->SetEnabled(RunControl::HighScorePause, false);
    view_->SetEnabled(RunControl::SuperPause, false);
    connect(view_, &WidgetRunView::Finished, this, &GenerationPanel::OnRunFinished);
}

GenerationPanel::~GenerationPanel() { worker_.Stop(); }

void GenerationPanel::Connect() {
    auto button = [this](const char* name) { return window_.findChild<QPushButton*>(name); };
    connect(button("按钮_起名"), &QPushButton::clicked, this, &GenerationPanel::StartNaming);
    // Every page's own buttons run that page's mode, whatever the radio on page 0 says.
    const struct {
        const char* button;
        NamingMode mode;
        const char* list;
    } starts[] = {{"按钮_再生成一次", NamingMode::HighScore, "超级列表框_高分起名"},
                  {"按钮_经典生成", NamingMode::Classic, ""},
                  {"按钮_超吉生成", NamingMode::SuperAuspicious, "超级列表框_超吉起名"},
                  {"按钮_诗词起名", NamingMode::Poetry, "超级列表框_诗名列表"},
                  {"按钮_组合起名", NamingMode::Combination, "超级列表框_组合列表"},
                  {"按钮_起小名", NamingMode::Nickname, "超级列表框_小名列表"}};
    for (const auto& s : starts) {
        const NamingMode mode = s.mode;
        const QString list = s.list;
        connect(button(s.button), &QPushButton::clicked, this,
                [this, mode, list] { StartRunButton(mode, list); });
    }
    connect(button("按钮_英文起名"), &QPushButton::clicked, this, &GenerationPanel::StartEnglish);
    connect(button("按钮_高分暂停"), &QPushButton::clicked, this,
            [this] { ClickPause(NamingMode::HighScore, highPause_); });
    connect(button("按钮_超吉暂停"), &QPushButton::clicked, this,
            [this] { ClickPause(NamingMode::SuperAuspicious, superPause_); });

    for (int m = 0; m < 4; ++m) {
        static const char* const masters[4] = {"选择框_第二个字五行限定", "选择框_第三个字五行限定",
                                               "选择框_所有字必带五行", "选择框_所有字不能带五行"};
        masterBoxes_[static_cast<std::size_t>(m)] = window_.findChild<QCheckBox*>(masters[m]);
        connect(masterBoxes_[static_cast<std::size_t>(m)], &QCheckBox::clicked, this,
                [this, m] { ClickMaster(static_cast<FilterMaster>(m)); });
        for (int e = 0; e < 5; ++e) {
            QCheckBox* box =
                window_.findChild<QCheckBox*>(QString("选择框_%1%2").arg(kElementNames[e]).arg(m));
            elementBoxes_[static_cast<std::size_t>(m)][static_cast<std::size_t>(e)] = box;
            connect(box, &QCheckBox::clicked, this,
                    [this, m, e] { ClickElement(static_cast<FilterMaster>(m), e); });
        }
    }
    QLabel* marker = window_.findChild<QLabel*>("标签_设置辈份");
    marker->installEventFilter(new MarkerClick(marker, [this] { OpenCharSettingDialog(); }));
}

NamingMode GenerationPanel::SelectedMode() const {
    static const std::pair<const char*, NamingMode> radios[] = {
        {"单选框_经典起名", NamingMode::Classic},
        {"单选框_高分起名", NamingMode::HighScore},
        {"单选框_超吉起名", NamingMode::SuperAuspicious},
        {"单选框_诗词起名", NamingMode::Poetry},
        {"单选框_组合起名", NamingMode::Combination},
        {"单选框_起小名", NamingMode::Nickname},
        {"单选框_起英文名", NamingMode::English},
    };
    for (const auto& [name, mode] : radios)
        if (window_.findChild<QRadioButton*>(name)->isChecked()) return mode;
    return NamingMode::Classic;
}

QString GenerationPanel::FamilyName() const {
    // Spaces around a typed name are slips of the keyboard, not part of the name.
    return window_.findChild<QLineEdit*>("编辑框_姓氏")->text().trimmed();
}

GenerationInputs GenerationPanel::ReadInputs(NamingMode mode) const {
    GenerationInputs in;
    in.mode = mode;
    in.familyName = ToGbk(FamilyName());
    in.sex = window_.findChild<QComboBox*>("组合框_性别")->currentText() == "女" ? Sex::Female
                                                                                 : Sex::Male;
    in.nameLength =
        window_.findChild<QComboBox*>("组合框_名字个数")->currentText() == "二字" ? 2 : 1;
    in.combinationText = ToGbk(window_.findChild<QLineEdit*>("编辑框_组合的字")->text());
    static const std::pair<const char*, NicknameStyle> styles[] = {
        {"单选框_AA型", NicknameStyle::Doubled},
        {"单选框_小A型", NicknameStyle::Xiao},
        {"单选框_A儿型", NicknameStyle::Er},
        {"单选框_阿A型", NicknameStyle::A}};
    for (const auto& [name, style] : styles)
        if (window_.findChild<QRadioButton*>(name)->isChecked()) in.nicknameStyle = style;
    in.englishGivenName = ToGbk(window_.findChild<QLineEdit*>("编辑框_英文名字")->text());
    in.englishGender =
        window_.findChild<QRadioButton*>("单选框_女性化")->isChecked()   ? EnglishGender::Feminine
        : window_.findChild<QRadioButton*>("单选框_中性化")->isChecked() ? EnglishGender::Neutral
                                                                         : EnglishGender::Masculine;
    auto bound = [this](const char* list) {
        return window_.findChild<QComboBox*>(list)->currentText().toInt();
    };
    in.englishLengths = {bound("组合框_日子1"), bound("组合框_时间1")};
    if (in.englishLengths.shortest > 0 && in.englishLengths.longest > 0 &&
        in.englishLengths.shortest > in.englishLengths.longest)
        std::swap(in.englishLengths.shortest, in.englishLengths.longest);
    in.poemCharacters = poetry_->TickedCharacters();
    in.superFilters = boxes_;
    in.charSetting = charSetting_;
    in.favorableElements = FavorableElements();
    in.filterUnsuitable = window_.findChild<QCheckBox*>("选择框_过滤不宜取名用字")->isChecked();
    in.referenceDataLoaded = referenceLoaded_ ? referenceLoaded_() : false;
    return in;
}

void GenerationPanel::StartGeneration(NamingMode mode) {
    GenerationInputs inputs = ReadInputs(mode);
    if (running_) IdleControls(*running_);  // the run in progress is replaced
    int run = currentRun_->fetch_add(1) + 1;
    auto observer = std::make_unique<QueuedRunObserver>(*view_, currentRun_, run);
    running_ = mode;
    runClock_.start();
    // The worker stops and waits for a previous run before it starts this one, so the previous
    // observer must stay alive until Start returns.
    worker_.Start(std::move(inputs), *observer);
    observer_ = std::move(observer);
}

void GenerationPanel::StopGeneration() {
    worker_.Stop();
    // Calls the stopped run still has on their way are dropped.
    currentRun_->fetch_add(1);
    if (running_) IdleControls(*running_);
    running_.reset();
}

void GenerationPanel::IdleControls(NamingMode mode) {
    view_->SetEnabled(RunControl::ModeSelectionTool, true);
    view_->SetEnabled(RunControl::ModeSelectionMenu, true);
    switch (mode) {
        case NamingMode::HighScore:
            highPause_.Reset(*view_);
            view_->SetEnabled(RunControl::HighScorePause, false);
            view_->SetEnabled(RunControl::HighScoreAgain, true);
            view_->SetEnabled(RunControl::HighScoreExport, true);
            break;
        case NamingMode::SuperAuspicious:
            superPause_.Reset(*view_);
            view_->SetEnabled(RunControl::SuperPause, false);
            view_->SetEnabled(RunControl::SuperGenerate, true);
            view_->SetEnabled(RunControl::SuperExport, true);
            break;
        case NamingMode::Nickname:
            view_->SetEnabled(RunControl::NicknameGenerate, true);
            break;
        default:
            break;
    }
    view_->CloseWaitWindow();
}

void GenerationPanel::OnRunFinished() {
    if (running_) {
        IdleControls(*running_);
        ShowRunSummary();
    }
    running_.reset();
    emit RunFinished();
}

void GenerationPanel::ShowRunSummary() {
    const ModeTraits traits = TraitsOf(*running_);
    int names = 0;
    if (traits.scored)
        names = view_->Model(traits.list)->rowCount();
    else if (*running_ == NamingMode::English)
        names = window_.ListModel("超级列表框_英文列表")->rowCount();
    const QString seconds = QString::number(runClock_.elapsed() / 1000.0, 'f', 1);
    const QString text = *running_ == NamingMode::Classic
                             ? QString("名字已生成，用时 %1 秒").arg(seconds)
                             : QString("已生成 %1 个名字，用时 %2 秒").arg(names).arg(seconds);
    window_.statusBar()->showMessage(text, 30000);
}

void GenerationPanel::ClickPause(NamingMode mode, PauseButton& pause) {
    if (running_ != mode) return;  // only the page's own run is paused
    pause.Click(worker_, *view_);
}

bool GenerationPanel::FamilyNameAccepted() {
    if (auto problem = FamilyNameProblem(ToGbk(FamilyName()))) {
        MessageBoxes::Show(&window_, FromGbk(*problem), "提示", MessageIcon::Warning);
        return false;
    }
    return true;
}

void GenerationPanel::StartRunButton(NamingMode mode, const QString& listToEmpty) {
    if (mode != NamingMode::English && !FamilyNameAccepted()) return;
    if (!listToEmpty.isEmpty()) window_.ListModel(listToEmpty)->Clear();
    StartGeneration(mode);
}

bool GenerationPanel::RunKey::operator==(const RunKey& o) const {
    const GenerationCharSetting &a = charSetting, &b = o.charSetting;
    return family == o.family && sex == o.sex && nameLength == o.nameLength &&
           a.enabled == b.enabled && a.fixesSecond == b.fixesSecond &&
           a.secondChar == b.secondChar && a.fixesThird == b.fixesThird &&
           a.thirdChar == b.thirdChar && unsuitableFiltered == o.unsuitableFiltered &&
           favorableElements == o.favorableElements;
}

namespace {
// A date the chart cannot serve simply means no 喜用神 filter; the chart page says why.
class SilentMessages : public MessageSink {
  public:
    void Show(const UserMessage&) override {}
};
}  // namespace

std::string GenerationPanel::FavorableElements() const {
    auto* box = window_.findChild<QCheckBox*>("选择框_按喜用神起名");
    if (!box || !box->isChecked()) return {};
    const DateLists& d = window_.InputDates();
    auto text = [](QComboBox* c) { return c ? ToGbk(c->currentText()) : std::string(); };
    BirthChart chart;
    SilentMessages quiet;
    ChartAnalysis analysis;
    if (!QueryBirthChart({text(d.year), text(d.month), text(d.day), text(d.hour)}, chart, quiet) ||
        !AnalyzeChart(chart.pillars, analysis))
        return {};
    return ElementsText(analysis.favorable);
}

GenerationPanel::RunKey GenerationPanel::KeyOf(const GenerationInputs& in) const {
    return {in.familyName,       in.sex, in.nameLength, in.charSetting, in.filterUnsuitable,
            in.favorableElements};
}

QString GenerationPanel::LastRunSurname() const { return FromGbk(lastRun_.family); }

void GenerationPanel::SetLastRunSurname(const QString& s) {
    lastRun_ = RunKey{};
    lastRun_.family = ToGbk(s);
}

void GenerationPanel::StartEnglish() {
    if (window_.findChild<QLineEdit*>("编辑框_英文姓氏")->text().isEmpty()) {
        MessageBoxes::Show(&window_, "请输入姓氏", "提示", MessageIcon::None);
        return;
    }
    const QString given = window_.findChild<QLineEdit*>("编辑框_英文名字")->text();
    if (given.isEmpty()) {
        MessageBoxes::Show(&window_, "请输入名字", "提示", MessageIcon::None);
        return;
    }
    // The list follows the sound of the given name's first character: spaces have none.
    if (given.trimmed().isEmpty()) {
        MessageBoxes::Show(&window_, "名字只有空格，无法按读音查找英文名，请输入宝宝的中文名字",
                           "提示", MessageIcon::Information);
        return;
    }
    StartRunButton(NamingMode::English, "超级列表框_英文列表");
}

void GenerationPanel::StartNaming() {
    QString family = FamilyName();
    if (family.isEmpty()) {
        MessageBoxes::Show(&window_, "请输入姓氏!", "提示", MessageIcon::Information);
        return;
    }
    if (!FamilyNameAccepted()) return;
    const NamingMode mode = SelectedMode();
    const RunKey key = KeyOf(ReadInputs(mode));
    // A list made with other inputs (family name, sex, length or generation character) is stale.
    const bool fresh = !(key == lastRun_);
    auto resetForNewInputs = [&](const char* list) {
        window_.ListModel(list)->Clear();
        lastRun_ = key;
    };
    switch (mode) {
        case NamingMode::Classic:
            StartGeneration(mode);
            break;
        case NamingMode::Poetry:
            poetry_->FillPoets();
            break;
        case NamingMode::HighScore:
            if (fresh) {
                resetForNewInputs("超级列表框_高分起名");
                StopGeneration();
                window_.ShowPage(1);
                StartGeneration(mode);
            } else {
                window_.ShowPage(1);
            }
            break;
        case NamingMode::Combination:
            window_.ListModel("超级列表框_组合列表")->Clear();
            window_.ShowPage(3);
            break;
        case NamingMode::Nickname:
            window_.ListModel("超级列表框_小名列表")->Clear();
            window_.ShowPage(4);
            break;
        case NamingMode::English:
            window_.findChild<QLineEdit*>("编辑框_英文姓氏")->setText(family);
            window_.ListModel("超级列表框_英文列表")->Clear();
            window_.ShowPage(5);
            break;
        case NamingMode::SuperAuspicious:
            window_.ShowPage(9);
            if (fresh) {
                resetForNewInputs("超级列表框_超吉起名");
                StopGeneration();
            }
            boxes_.RunHandler(FilterMaster::Required);
            MirrorFilterBoxes();
            break;
    }
}

void GenerationPanel::RequireElements(const QString& elements) {
    std::array<bool, 5> wanted{};
    for (std::size_t e = 0; e < 5; ++e)
        wanted[e] = elements.contains(QString::fromUtf8(kElementNames[e]));
    boxes_.RequireOnly(wanted);
    MirrorFilterBoxes();
    window_.ShowPage(9);
    window_.statusBar()->showMessage(
        QString("已选“所有字必须带五行”：%1，点击“生成”起带这些五行的名字").arg(elements), 30000);
}

void GenerationPanel::ClickMaster(FilterMaster master) {
    boxes_.ClickMaster(master);
    MirrorFilterBoxes();
}

void GenerationPanel::ClickElement(FilterMaster master, int element) {
    boxes_.ClickElement(master, element);
    MirrorFilterBoxes();
}

void GenerationPanel::MirrorFilterBoxes() {
    for (std::size_t m = 0; m < 4; ++m) {
        masterBoxes_[m]->setChecked(boxes_.masters[m].ticked);
        masterBoxes_[m]->setEnabled(boxes_.masters[m].enabled);
        for (std::size_t e = 0; e < 5; ++e) {
            elementBoxes_[m][e]->setChecked(boxes_.elements[m][e].ticked);
            elementBoxes_[m][e]->setEnabled(boxes_.elements[m][e].enabled);
        }
    }
}

void GenerationPanel::ColourMarker() {
    QLabel* marker = window_.findChild<QLabel*>("标签_设置辈份");
    marker->setStyleSheet(charSetting_.enabled ? "color: rgb(255, 0, 0);"
                                               : "color: rgb(96, 96, 96);");
}

void GenerationPanel::OpenCharSettingDialog() {
    GenerationCharDialog dialog(charSetting_, &window_);
    dialog.exec();
    ColourMarker();  // 取消 turns the setting off: the marker shows that too
}

void GenerationPanel::ResetCharSetting() {
    charSetting_ = GenerationCharSetting{};
    ColourMarker();
}

}  // namespace lumo::ui
