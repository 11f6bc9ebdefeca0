#include "ui/PoetryPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>

#include "content/FileOutput.h"
#include "generation/PoemSource.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"
#include "ui/TextTableModel.h"

namespace lumo::ui {
namespace {

constexpr int kBoxesPerLine = 15;

// Rows "1", "2", … holding one text each.
std::vector<QStringList> NumberedRows(const std::vector<std::string>& texts) {
    std::vector<QStringList> rows;
    rows.reserve(texts.size());
    for (const std::string& t : texts)
        rows.push_back({QString::number(rows.size() + 1), FromGbk(t)});
    return rows;
}

void SelectFirstRow(QTableView* view) {
    if (view->model()->rowCount() > 0) view->setCurrentIndex(view->model()->index(0, 1));
    // Choosing the title cell scrolls it into view; the numbers beside it stay in view too.
    view->horizontalScrollBar()->setValue(0);
}

}  // namespace

PoetryPanel::PoetryPanel(MainWindow& window, SqliteDatabase& db, QString dataDir)
    : QObject(&window), window_(window), db_(db), dataDir_(std::move(dataDir)) {
    QTableView* poets = window_.List("超级列表框_诗人列表");
    QTableView* poems = window_.List("超级列表框_诗词残");
    connect(poets->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PoetryPanel::PoetChosen);
    connect(poems->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &PoetryPanel::PoemChosen);
    connect(window_.findChild<QPushButton*>("按钮2"), &QPushButton::clicked, this,
            &PoetryPanel::UsePoem);
    connect(window_.findChild<QPushButton*>("按钮_全选"), &QPushButton::clicked, this,
            &PoetryPanel::TickAll);
    connect(window_.findChild<QPushButton*>("按钮_反选"), &QPushButton::clicked, this,
            &PoetryPanel::Invert);
    connect(window_.findChild<QPushButton*>("按钮_全清"), &QPushButton::clicked, this,
            &PoetryPanel::ClearAll);
}

QString PoetryPanel::CurrentText(const char* list) const {
    QTableView* view = window_.List(list);
    QModelIndex current = view->currentIndex();
    if (!current.isValid()) return {};
    return view->model()->index(current.row(), 1).data().toString();
}

void PoetryPanel::FillPoets() {
    window_.ListModel("超级列表框_诗人列表")->ReplaceAll(NumberedRows(PoetNames(db_)));
    SelectFirstRow(window_.List("超级列表框_诗人列表"));
    PoetChosen();
    window_.ShowPage(2);
}

void PoetryPanel::PoetChosen() {
    QString poet = CurrentText("超级列表框_诗人列表");
    std::vector<QStringList> rows;
    if (!poet.isEmpty()) rows = NumberedRows(PoemTitles(db_, ToGbk(poet)));
    window_.ListModel("超级列表框_诗词残")->ReplaceAll(std::move(rows));
    SelectFirstRow(window_.List("超级列表框_诗词残"));
}

PoemText PoetryPanel::CurrentPoem() const {
    QModelIndex current = window_.List("超级列表框_诗词残")->currentIndex();
    if (!current.isValid()) return {};
    return PoemOfPoet(db_, ToGbk(CurrentText("超级列表框_诗人列表")), current.row());
}

void PoetryPanel::PoemChosen() {
    QString title = CurrentText("超级列表框_诗词残");
    if (title.isEmpty()) return;
    PoemText poem = CurrentPoem();
    std::string page = PoemPreviewPage(ToGbk(CurrentText("超级列表框_诗人列表")), ToGbk(title),
                                       poem.content, poem.notes);
    WriteFileAtomically(dataDir_.toStdString() + "/temp.html", page);
    // The preview shows the page just written, read as GB2312 like a browser would.
    window_.findChild<QTextBrowser*>("网页浏览框1")->setHtml(FromGbk(page));
}

void PoetryPanel::UsePoem() {
    for (QCheckBox* b : boxes_) delete b;
    boxes_.clear();
    QString title = CurrentText("超级列表框_诗词残");
    if (title.isEmpty()) {
        MessageBoxes::Show(&window_, "请选择一首诗词", "提示", MessageIcon::None);
        return;
    }
    QWidget* grid = window_.findChild<QWidget*>("诗词字符_网格");
    auto* layout = static_cast<QGridLayout*>(grid->layout());
    std::vector<PoemCharacter> chars = PoemCharacters(CurrentPoem());
    for (std::size_t k = 0; k < chars.size(); ++k) {
        auto* box = new QCheckBox(FromGbk(chars[k].text), grid);
        box->setObjectName(QString("诗词字符%1").arg(k + 1));
        box->setChecked(chars[k].marked);
        layout->addWidget(box, static_cast<int>(k / kBoxesPerLine),
                          static_cast<int>(k % kBoxesPerLine));
        boxes_.push_back(box);
    }
    window_.PoetryPages()->setCurrentIndex(1);
}

void PoetryPanel::TickAll() {
    for (QCheckBox* b : boxes_) b->setChecked(true);
}

void PoetryPanel::Invert() {
    for (QCheckBox* b : boxes_) b->setChecked(!b->isChecked());
}

void PoetryPanel::ClearAll() {
    for (QCheckBox* b : boxes_) b->setChecked(false);
}

std::vector<std::string> PoetryPanel::TickedCharacters() const {
    std::vector<std::string> ticked;
    for (const QCheckBox* b : boxes_)
        if (b->isChecked()) ticked.push_back(ToGbk(b->text()));
    return ticked;
}

}  // namespace lumo::ui
