#include "ui/RecordsPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include "numerology/NameCheck.h"
#include "reports/KeptNames.h"
#include "ui/MainWindow.h"
#include "ui/Menus.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"
#include "ui/TextTableModel.h"

namespace lumo::ui {
namespace {

class BoxMessages : public MessageSink {
  public:
    explicit BoxMessages(QWidget* owner) : owner_(owner) {}
    void Show(const UserMessage& m) override { MessageBoxes::Show(owner_, m); }

  private:
    QWidget* owner_;
};

NameRow RowOf(const QStringList& cells) {
    NameRow r;
    for (int c = 0; c < NameRow::kColumns; ++c) r.Column(c) = ToGbk(cells.value(c));
    return r;
}

const QLineEdit* Edit(const MainWindow& w, const char* name) {
    return w.findChild<QLineEdit*>(name);
}

}  // namespace

RecordsPanel::RecordsPanel(MainWindow& window, SqliteDatabase& db, DataFolder folder)
    : QObject(&window), window_(window), db_(db), folder_(std::move(folder)) {
    connect(window_.findChild<QPushButton*>("按钮_评分"), &QPushButton::clicked, this,
            &RecordsPanel::ScoreName);
    for (const char* name : {"超级列表框_高分起名", "超级列表框_组合列表", "超级列表框_诗名列表",
                             "超级列表框_小名列表", "超级列表框_超吉起名"}) {
        QTableView* list = window_.List(name);
        connect(list, &QTableView::doubleClicked, this,
                [this, list] { OpenFromGenerationList(list); });
    }
    QTableView* scoring = window_.List("超级列表框_评分列表");
    connect(scoring, &QTableView::doubleClicked, this,
            [this, scoring] { OpenFromKeptList(scoring, scoring_); });
    QTableView* records = window_.List("超级列表框_记录列表");
    connect(records, &QTableView::doubleClicked, this,
            [this, records] { OpenFromKeptList(records, records_); });
    if (auto* menus = window_.findChild<Menus*>("菜单栏")) {
        connect(records, &QWidget::customContextMenuRequested, this,
                [menus, records](const QPoint& at) {
                    if (records->indexAt(at).isValid())
                        menus->RecordsMenu()->popup(records->viewport()->mapToGlobal(at));
                });
        connect(menus->DeleteRecordAction(), &QAction::triggered, this,
                &RecordsPanel::DeleteSelectedRecord);
    }
}

void RecordsPanel::Mirror(const char* list, const std::vector<NameRow>& rows) {
    std::vector<QStringList> cells;
    cells.reserve(rows.size());
    for (const NameRow& r : rows) {
        QStringList row;
        for (int c = 0; c < NameRow::kColumns; ++c) row << FromGbk(r.Column(c));
        cells.push_back(row);
    }
    window_.ListModel(list)->ReplaceAll(std::move(cells));
}

void RecordsPanel::Show(const std::optional<NameDetails>& details) {
    if (details && showDetails_) showDetails_(*details);
}

void RecordsPanel::ScoreName() {
    BoxMessages messages(&window_);
    // Spaces around a typed name are slips of the keyboard, not part of the name.
    const std::string family = ToGbk(Edit(window_, "编辑框_评分姓氏")->text().trimmed());
    const std::string given = ToGbk(Edit(window_, "编辑框_评分名字")->text().trimmed());
    QStringList warnings;
    if (lumo::ScoreTypedName(db_, family, given, scoring_, folder_, messages))
        for (const std::string& w : ScoringWarnings(db_, family, given)) warnings << FromGbk(w);
    auto* label = window_.findChild<QLabel*>("标签_评分警告");
    label->setText(warnings.join("\n"));
    label->setVisible(!warnings.isEmpty());
    Mirror("超级列表框_评分列表", scoring_);
}

void RecordsPanel::OpenFromGenerationList(QTableView* list) {
    QModelIndex current = list->currentIndex();
    if (!current.isValid()) return;
    auto* model = qobject_cast<TextTableModel*>(list->model());
    NameRow selected = RowOf(model->Row(current.row()));
    BoxMessages messages(&window_);
    std::size_t before = records_.size();
    Show(lumo::OpenFromGenerationList(db_, &selected, ToGbk(Edit(window_, "编辑框_姓氏")->text()),
                                      records_, folder_, messages));
    if (records_.size() != before) Mirror("超级列表框_记录列表", records_);
}

void RecordsPanel::OpenFromKeptList(QTableView* list, const std::vector<NameRow>& rows) {
    QModelIndex current = list->currentIndex();
    if (!current.isValid() || current.row() >= static_cast<int>(rows.size())) return;
    BoxMessages messages(&window_);
    Show(lumo::OpenFromKeptList(db_, &rows[static_cast<std::size_t>(current.row())], folder_,
                                messages));
}

void RecordsPanel::DeleteSelectedRecord() {
    QModelIndex current = window_.List("超级列表框_记录列表")->currentIndex();
    if (lumo::DeleteRecord(records_, current.isValid() ? current.row() : -1))
        Mirror("超级列表框_记录列表", records_);
}

void RecordsPanel::SetRecords(std::vector<NameRow> records) {
    records_ = std::move(records);
    Mirror("超级列表框_记录列表", records_);
}

Settings RecordsPanel::ReadSettings() const {
    Settings s;
    s.familyName = ToGbk(Edit(window_, "编辑框_姓氏")->text());
    s.sexIndex = window_.findChild<QComboBox*>("组合框_性别")->currentIndex();
    s.nameLengthIndex = window_.findChild<QComboBox*>("组合框_名字个数")->currentIndex();
    s.combinationChars = ToGbk(Edit(window_, "编辑框_组合的字")->text());
    s.englishName = ToGbk(Edit(window_, "编辑框_英文名字")->text());
    s.scoringGivenName = ToGbk(Edit(window_, "编辑框_评分名字")->text());
    s.records = records_;
    s.filterUnsuitable = window_.findChild<QCheckBox*>("选择框_过滤不宜取名用字")->isChecked();
    return s;
}

void RecordsPanel::ApplySettings(const Settings& s) {
    window_.findChild<QLineEdit*>("编辑框_姓氏")->setText(FromGbk(s.familyName));
    window_.findChild<QComboBox*>("组合框_性别")->setCurrentIndex(s.sexIndex);
    window_.findChild<QComboBox*>("组合框_名字个数")->setCurrentIndex(s.nameLengthIndex);
    window_.findChild<QCheckBox*>("选择框_过滤不宜取名用字")->setChecked(s.filterUnsuitable);
    window_.findChild<QLineEdit*>("编辑框_组合的字")->setText(FromGbk(s.combinationChars));
    window_.findChild<QLineEdit*>("编辑框_英文名字")->setText(FromGbk(s.englishName));
    window_.findChild<QLineEdit*>("编辑框_评分名字")->setText(FromGbk(s.scoringGivenName));
    SetRecords(s.records);
}

}  // namespace lumo::ui
