#include "ui/GenerationPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

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
    MarkerClick(QObject* parent, std::function<void()> action) : QObject(parent), action_(std::move(action)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
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

GenerationPanel::GenerationPanel(MainWindow& window, SqliteDatabase& db, std::function<bool()> referenceLoaded,
                                 const QString& dataDir)
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
    connect(view_, &WidgetRunView::Finished, this, &GenerationPanel::RunFinished);
}

GenerationPanel::~GenerationPanel() { worker_.Stop(); }

void GenerationPanel::Connect() {
    auto button = [this](const char* name) { return window_.findChild<QPushButton*>(name); };
    connect(button("按钮_起名"), &QPushButton::clicked, this, &GenerationPanel::StartNaming);
    connect(button("按钮_再生成一次"), &QPushButton::clicked, this, [this] { StartRunButton("超级列表框_高分起名"); });
    connect(button("按钮_经典生成"), &QPushButton::clicked, this, [this] { StartRunButton({}); });
    connect(button("按钮_超吉生成"), &QPushButton::clicked, this, [this] { StartRunButton("超级列表框_超吉起名"); });
    connect(button("按钮_诗词起名"), &QPushButton::clicked, this, [this] { StartRunButton("超级列表框_诗名列表"); });
    connect(button("按钮_组合起名"), &QPushButton::clicked, this, [this] { StartRunButton("超级列表框_组合列表"); });
    connect(button("按钮_起小名"), &QPushButton::clicked, this, [this] { StartRunButton("超级列表框_小名列表"); });
    connect(button("按钮_英文起名"), &QPushButton::clicked, this, &GenerationPanel::StartEnglish);
    connect(button("按钮_高分暂停"), &QPushButton::clicked, this, [this] { highPause_.Click(worker_, *view_); });
    connect(button("按钮_超吉暂停"), &QPushButton::clicked, this, [this] { superPause_.Click(worker_, *view_); });

    for (int m = 0; m < 4; ++m) {
        static const char* const masters[4] = {"选择框_第二个字五行限定", "选择框_第三个字五行限定",
                                               "选择框_所有字必带五行", "选择框_所有字不能带五行"};
        masterBoxes_[static_cast<std::size_t>(m)] = window_.findChild<QCheckBox*>(masters[m]);
        connect(masterBoxes_[static_cast<std::size_t>(m)], &QCheckBox::clicked, this,
                [this, m] { ClickMaster(static_cast<FilterMaster>(m)); });
        for (int e = 0; e < 5; ++e) {
            QCheckBox* box = window_.findChild<QCheckBox*>(QString("选择框_%1%2").arg(kElementNames[e]).arg(m));
            elementBoxes_[static_cast<std::size_t>(m)][static_cast<std::size_t>(e)] = box;
            connect(box, &QCheckBox::clicked, this, [this, m, e] { ClickElement(static_cast<FilterMaster>(m), e); });
        }
    }
    QLabel* marker = window_.findChild<QLabel*>("标签_设置辈份");
    marker->installEventFilter(new MarkerClick(marker, [this] { OpenCharSettingDialog(); }));
}

NamingMode GenerationPanel::SelectedMode() const {
    static const std::pair<const char*, NamingMode> radios[] = {
        {"单选框_经典起名", NamingMode::Classic},      {"单选框_高分起名", NamingMode::HighScore},
        {"单选框_超吉起名", NamingMode::SuperAuspicious}, {"单选框_诗词起名", NamingMode::Poetry},
        {"单选框_组合起名", NamingMode::Combination},  {"单选框_起小名", NamingMode::Nickname},
        {"单选框_起英文名", NamingMode::English},
    };
    for (const auto& [name, mode] : radios)
        if (window_.findChild<QRadioButton*>(name)->isChecked()) return mode;
    return NamingMode::Classic;
}

GenerationInputs GenerationPanel::ReadInputs() const {
    GenerationInputs in;
    in.mode = SelectedMode();
    in.familyName = ToGbk(window_.findChild<QLineEdit*>("编辑框_姓氏")->text());
    in.sex = window_.findChild<QComboBox*>("组合框_性别")->currentText() == "女" ? Sex::Female : Sex::Male;
    in.nameLength = window_.findChild<QComboBox*>("组合框_名字个数")->currentText() == "二字" ? 2 : 1;
    in.combinationText = ToGbk(window_.findChild<QLineEdit*>("编辑框_组合的字")->text());
    static const std::pair<const char*, NicknameStyle> styles[] = {{"单选框_AA型", NicknameStyle::Doubled},
                                                                   {"单选框_小A型", NicknameStyle::Xiao},
                                                                   {"单选框_A儿型", NicknameStyle::Er},
                                                                   {"单选框_阿A型", NicknameStyle::A}};
    for (const auto& [name, style] : styles)
        if (window_.findChild<QRadioButton*>(name)->isChecked()) in.nicknameStyle = style;
    in.englishGivenName = ToGbk(window_.findChild<QLineEdit*>("编辑框_英文名字")->text());
    in.englishGender = window_.findChild<QRadioButton*>("单选框_女性化")->isChecked()   ? EnglishGender::Feminine
                       : window_.findChild<QRadioButton*>("单选框_中性化")->isChecked() ? EnglishGender::Neutral
                                                                                       : EnglishGender::Masculine;
    in.poemCharacters = poetry_->TickedCharacters();
    in.superFilters = boxes_;
    in.charSetting = charSetting_;
    in.referenceDataLoaded = referenceLoaded_ ? referenceLoaded_() : false;
    return in;
}

void GenerationPanel::StartGeneration() {
    GenerationInputs inputs = ReadInputs();
    int run = currentRun_->fetch_add(1) + 1;
    auto observer = std::make_unique<QueuedRunObserver>(*view_, currentRun_, run);
    // The worker stops and waits for a previous run before it starts this one, so the previous
    // observer must stay alive until Start returns.
    worker_.Start(std::move(inputs), *observer);
    observer_ = std::move(observer);
}

void GenerationPanel::StopGeneration() { worker_.Stop(); }

void GenerationPanel::StartRunButton(const QString& listToEmpty) {
    if (!listToEmpty.isEmpty()) window_.ListModel(listToEmpty)->Clear();
    StartGeneration();
}

void GenerationPanel::StartEnglish() {
    if (window_.findChild<QLineEdit*>("编辑框_英文姓氏")->text().isEmpty()) {
        MessageBoxes::Show(&window_, "请输入姓氏", "提示", MessageIcon::None);
        return;
    }
    if (window_.findChild<QLineEdit*>("编辑框_英文名字")->text().isEmpty()) {
        MessageBoxes::Show(&window_, "请输入名字", "提示", MessageIcon::None);
        return;
    }
    StartRunButton("超级列表框_英文列表");
}

void GenerationPanel::StartNaming() {
    QString family = window_.findChild<QLineEdit*>("编辑框_姓氏")->text();
    if (family.isEmpty()) {
        MessageBoxes::Show(&window_, "请输入姓氏!", "提示", MessageIcon::Information);
        return;
    }
    auto resetForNewFamily = [&](const char* list, PauseButton& pause, RunControl again) {
        window_.ListModel(list)->Clear();
        pause.Reset(*view_);
        view_->SetEnabled(again, true);
        lastRunSurname_ = family;
    };
    switch (SelectedMode()) {
        case NamingMode::Classic:
            StartGeneration();
            break;
        case NamingMode::Poetry:
            poetry_->FillPoets();
            break;
        case NamingMode::HighScore:
            if (family != lastRunSurname_) {
                resetForNewFamily("超级列表框_高分起名", highPause_, RunControl::HighScoreAgain);
                StopGeneration();
                window_.ShowPage(1);
                StartGeneration();
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
            if (family != lastRunSurname_) {
                resetForNewFamily("超级列表框_超吉起名", superPause_, RunControl::SuperGenerate);
                window_.ShowPage(9);
                StopGeneration();
            } else {
                window_.ShowPage(9);
            }
            boxes_.RunHandler(FilterMaster::Required);
            MirrorFilterBoxes();
            break;
    }
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
    marker->setStyleSheet(charSetting_.enabled ? "color: rgb(255, 0, 0);" : "color: rgb(96, 96, 96);");
}

void GenerationPanel::OpenCharSettingDialog() {
    GenerationCharDialog dialog(charSetting_, &window_);
    if (dialog.exec() == QDialog::Accepted) ColourMarker();
}

void GenerationPanel::ResetCharSetting() {
    charSetting_ = GenerationCharSetting{};
    ColourMarker();
}

}  // namespace lumo::ui
