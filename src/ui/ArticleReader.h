#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

#include "content/Articles.h"
#include "content/DataFolder.h"
#include "db/SqliteDatabase.h"
#include "ui/DetailWindow.h"

class QTableView;

namespace lumo::ui {

class TextTableModel;

// The reader window `LumoRead`: the titles of one category in `超级列表框_文章阅读` on the left,
// the chosen article in `网页浏览框1` on the right.
class ReaderWindow : public PageWindow {
    Q_OBJECT
  public:
    explicit ReaderWindow(QWidget* owner);

    QTableView* List() const { return list_; }
    TextTableModel* Titles() const { return titles_; }
    QTextBrowser* ShownPage() const override { return view_; }

  signals:
    // The user chose a title (selection or click).
    void TitleChosen();

  protected:
    void LayOut(int clientWidth, int clientHeight) override;

  private:
    QTableView* list_;
    TextTableModel* titles_;
    QTextBrowser* view_;
};

// Opens categories of the two article tables in the one reader: an open reader is reused, its
// caption, list and page replaced. The first article is shown at once.
class ArticleReader : public QObject {
    Q_OBJECT
  public:
    ArticleReader(QWidget& owner, SqliteDatabase& db, DataFolder folder);

    // The open reader, or null.
    ReaderWindow* Window() const { return window_; }

  public slots:
    // The table without its "LM_" prefix ("育儿百科", "算命风水") and the category title; the
    // menus' ArticleCategoryRequested leads here. Another table name opens nothing.
    void OpenArticleCategory(const QString& table, const QString& category);
    // Writes the page of the list's current title to temp.html and shows it.
    void ShowSelectedArticle();

  private:
    QWidget& owner_;
    SqliteDatabase& db_;
    DataFolder folder_;
    std::optional<ArticleTable> table_;  // kept when the reader is closed
    QPointer<ReaderWindow> window_;
};

}  // namespace lumo::ui
