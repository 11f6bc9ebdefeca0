#include "ui/ArticleReader.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTextBrowser>

#include "ui/Text.h"
#include "ui/TextTableModel.h"

namespace lumo::ui {
namespace {

constexpr int kContentTop = 40;
constexpr int kListWidth = 232;
constexpr int kPageGap = 4;  // the view starts 236 pixels right of the list's left edge

}  // namespace

ReaderWindow::ReaderWindow(QWidget* owner) : PageWindow(owner, "LumoRead", "文章阅读窗口") {
    list_ = new QTableView(this);
    list_->setObjectName("超级列表框_文章阅读");
    titles_ = new TextTableModel({"文章标题"}, list_);
    list_->setModel(titles_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->setVisible(false);
    list_->verticalHeader()->setDefaultSectionSize(22);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setWordWrap(false);
    list_->setTextElideMode(Qt::ElideRight);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ReaderWindow::TitleChosen);
    connect(list_, &QTableView::clicked, this, &ReaderWindow::TitleChosen);
    view_ = NewPageView("网页浏览框1", this);
    resize(876, 534);
}

void ReaderWindow::LayOut(int cw, int ch) {
    list_->setGeometry(0, kContentTop, kListWidth, ch - 70);
    const int left = kListWidth + kPageGap;
    // Up to one pixel short of the right edge, so the view's scroll bar stays whole.
    view_->setGeometry(left, kContentTop, cw - left - 1, ch - 70);
}

ArticleReader::ArticleReader(QWidget& owner, SqliteDatabase& db, DataFolder folder)
    : QObject(&owner), owner_(owner), db_(db), folder_(std::move(folder)) {}

void ArticleReader::OpenArticleCategory(const QString& table, const QString& category) {
    std::optional<ArticleTable> which = ArticleTableNamed(ToGbk(table));
    if (!which) return;
    std::vector<std::string> found = ArticleTitles(db_, *which, ToGbk(category));
    if (!window_) {
        window_ = new ReaderWindow(&owner_);
        connect(window_, &ReaderWindow::TitleChosen, this, &ArticleReader::ShowSelectedArticle);
    }
    window_->SetCaption(category);
    table_ = which;
    std::vector<QStringList> rows;
    for (const std::string& title : found) rows.push_back({FromGbk(title)});
    // A category without articles still gets one empty line, whose page is empty.
    if (rows.empty()) rows.push_back({QString()});
    {
        // The list is refilled whole; the first article is shown once, below.
        QSignalBlocker quiet(window_);
        window_->Titles()->ReplaceAll(std::move(rows));
        window_->List()->setCurrentIndex(window_->Titles()->index(0, 0));
    }
    window_->List()->scrollToTop();
    ShowSelectedArticle();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void ArticleReader::ShowSelectedArticle() {
    if (!window_ || !table_) return;
    QModelIndex current = window_->List()->currentIndex();
    QString title = current.isValid() ? window_->Titles()->Row(current.row()).value(0) : QString();
    std::filesystem::path file = folder_.File("temp.html");
    WriteArticlePage(db_, *table_, ToGbk(title), file);
    LoadGbkPage(window_->ShownPage(), file);
}

}  // namespace lumo::ui
