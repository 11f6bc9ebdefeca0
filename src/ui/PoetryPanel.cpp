#include "ui/PoetryPanel.h"

#include <QCheckBox>
#include <algorithm>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QUrl>

#include "db/Gbk.h"
#include "db/ReferenceSchema.h"
#include "numerology/Characters.h"
#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"
#include "ui/TextTableModel.h"

namespace lumo::ui {
namespace {

constexpr int kBoxesPerLine = 15;

// Rows "1", "2", … with one text column from every row of the statement.
std::vector<QStringList> NumberedRows(SqliteDatabase& db, Statement st, int column) {
    std::vector<QStringList> rows;
    if (!st) return rows;
    for (bool more = !db.ColumnText(st, 0).empty(); more; more = db.NextRow(st))
        rows.push_back({QString::number(rows.size() + 1), FromGbk(db.ColumnText(st, column))});
    db.Finalize(st);
    return rows;
}

void SelectFirstRow(QTableView* view) {
    if (view->model()->rowCount() > 0) view->setCurrentIndex(view->model()->index(0, 1));
}

std::string Without(std::string text, const std::string& mark) {
    for (std::size_t at; (at = text.find(mark)) != std::string::npos;) text.erase(at, mark.size());
    return text;
}

}  // namespace

PoetryPanel::PoetryPanel(MainWindow& window, SqliteDatabase& db, QString dataDir)
    : QObject(&window), window_(window), db_(db), dataDir_(std::move(dataDir)) {
    QTableView* poets = window_.List("超级列表框_诗人列表");
    QTableView* poems = window_.List("超级列表框_诗词残");
    connect(poets->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &PoetryPanel::PoetChosen);
    connect(poems->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &PoetryPanel::PoemChosen);
    connect(window_.findChild<QPushButton*>("按钮2"), &QPushButton::clicked, this, &PoetryPanel::UsePoem);
    connect(window_.findChild<QPushButton*>("按钮_全选"), &QPushButton::clicked, this, &PoetryPanel::TickAll);
    connect(window_.findChild<QPushButton*>("按钮_反选"), &QPushButton::clicked, this, &PoetryPanel::Invert);
    connect(window_.findChild<QPushButton*>("按钮_全清"), &QPushButton::clicked, this, &PoetryPanel::ClearAll);
}

QString PoetryPanel::CurrentText(const char* list) const {
    QTableView* view = window_.List(list);
    QModelIndex current = view->currentIndex();
    if (!current.isValid()) return {};
    return view->model()->index(current.row(), 1).data().toString();
}

void PoetryPanel::FillPoets() {
    static const std::string sql = Gbk("select * from LM_Poet order by OrderId ASC");
    window_.ListModel("超级列表框_诗人列表")->ReplaceAll(NumberedRows(db_, db_.Query(sql), poet::kPoet));
    SelectFirstRow(window_.List("超级列表框_诗人列表"));
    PoetChosen();
    window_.ShowPage(2);
}

void PoetryPanel::PoetChosen() {
    static const std::string sql = Gbk("select * from LM_全唐诗 where 作者=?");
    QString poet = CurrentText("超级列表框_诗人列表");
    std::vector<QStringList> rows;
    if (!poet.isEmpty()) rows = NumberedRows(db_, db_.Query(sql, {SqlParam::Text(ToGbk(poet))}), poem::kTitle);
    window_.ListModel("超级列表框_诗词残")->ReplaceAll(std::move(rows));
    SelectFirstRow(window_.List("超级列表框_诗词残"));
}

void PoetryPanel::PoemChosen() {
    static const std::string sql = Gbk("select * from LM_全唐诗 where 标题=?");
    QString title = CurrentText("超级列表框_诗词残");
    if (title.isEmpty()) return;
    Statement st = db_.Query(sql, {SqlParam::Text(ToGbk(title))});
    std::string text = db_.ColumnText(st, poem::kContent);
    db_.Finalize(st);
    std::string period = Gbk("。");
    for (std::size_t at = 0; (at = text.find(period, at)) != std::string::npos; at += period.size() + 4)
        text.insert(at + period.size(), "<br>");
    std::string heading = ToGbk(CurrentText("超级列表框_诗人列表")) + ":" + ToGbk(title);
    std::string page = "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\"><title>" +
                       heading + "</title></head><body><b>" + heading + "</b><br><br>" + text + "</body><html>";
    QDir().mkpath(dataDir_);
    QString path = dataDir_ + "/temp.html";
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(page.data(), static_cast<qint64>(page.size()));
    file.close();
    // The preview shows the page from the bytes just written, read as GB2312 like a browser would.
    auto* view = window_.findChild<QTextBrowser*>("网页浏览框1");
    view->setHtml(FromGbk(page));
}

void PoetryPanel::UsePoem() {
    for (QCheckBox* b : boxes_) delete b;
    boxes_.clear();
    QString title = CurrentText("超级列表框_诗词残");
    if (title.isEmpty()) {
        MessageBoxes::Show(&window_, "请选择一首诗词", "提示", MessageIcon::None);
        return;
    }
    static const std::string sql = Gbk("select * from LM_全唐诗 where 标题=?");
    Statement st = db_.Query(sql, {SqlParam::Text(ToGbk(title))});
    std::string text = Without(Without(db_.ColumnText(st, poem::kContent), Gbk("，")), Gbk("。"));
    std::string marks = db_.ColumnText(st, poem::kInitials);
    db_.Finalize(st);

    QWidget* grid = window_.findChild<QWidget*>("诗词字符_网格");
    auto* layout = static_cast<QGridLayout*>(grid->layout());
    std::vector<std::string> chars = SplitCharacters(text);
    // Compared character by character: a byte search could match across two GBK characters.
    std::vector<std::string> marked = SplitCharacters(marks);
    auto isMarked = [&marked](const std::string& c) {
        return std::find(marked.begin(), marked.end(), c) != marked.end();
    };
    for (std::size_t k = 0; k < chars.size(); ++k) {
        auto* box = new QCheckBox(FromGbk(chars[k]), grid);
        box->setObjectName(QString("诗词字符%1").arg(k + 1));
        box->setChecked(isMarked(chars[k]));
        layout->addWidget(box, static_cast<int>(k / kBoxesPerLine), static_cast<int>(k % kBoxesPerLine));
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
