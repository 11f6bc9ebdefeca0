#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <vector>
#include <filesystem>

#include "content/DataFolder.h"
#include "db/SqliteDatabase.h"
#include "reports/NameDetails.h"

class QFrame;
class QLabel;
class QStatusBar;
class QTabWidget;
class QTextBrowser;
class QToolBar;

// The page windows: the detail window LumoConten with a tab per character, the single-page
// viewer of the dictionary (the same form), and what they share with the article reader — the
// eleven-item toolbar, the rule under it, the status bar, loading a GBK page and printing it.
namespace lumo::ui {

// Shows a page file the core wrote (raw GBK, charset gb2312) in the view. The bytes are decoded
// here because the view would not recognise gb2312 by itself; relative addresses in the page
// resolve against the file's folder. A missing file shows an empty page.
void LoadGbkPage(QTextBrowser* view, const std::filesystem::path& file);
// The HTML a view is given for a GBK page: the page as Qt's rich-text engine can show it.
QString DisplayedHtml(const std::string& gbkPage);

// Printing of the shown page through the print dialog. While recording, the document name of the
// page that would be printed is appended to Recorded() and no dialog opens.
// The document name is what the print dialog proposes as the name of a PDF file.
class PagePrinting {
  public:
    static void Print(QTextBrowser* page, QWidget* owner, const QString& documentName);
    static void SetRecording(bool on);
    static QStringList& Recorded();
};

// A top-level page window owned by the main window: toolbar `工具条1` ("首页", "后退", "前进",
// "导出", "打印", "退出" with separators between them, items 0..10), the rule `分组框4` under
// it, the content from y = 40, and the status bar `状态条1` without text. "打印" and "退出" act
// in every page window; the other four stay greyed unless a window gives them something to do.
class PageWindow : public QWidget {
    Q_OBJECT
  public:
    PageWindow(QWidget* owner, const QString& formName, const QString& caption);

    QToolBar* Toolbar() const { return toolbar_; }
    QStatusBar* StatusBar() const { return status_; }
    // The view "打印" prints.
    virtual QTextBrowser* ShownPage() const = 0;
    // The name of the printed document: the page's title.
    virtual QString DocumentName() const;
    // Toolbar items by their form index: 0 首页, 2 后退, 4 前进, 6 导出, 8 打印, 10 退出.
    QAction* ToolAction(int item) const;
    // The caption, kept on one line: a kept-list cell separates family and given name by CR LF.
    void SetCaption(const QString& caption);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    // Places the content for the client size; the toolbar, rule and status bar are placed already.
    virtual void LayOut(int clientWidth, int clientHeight) = 0;

  private:
    QToolBar* toolbar_;
    QFrame* rule_;
    QStatusBar* status_;
};

// A page view with the program's settings: no link opens anything outside the page.
QTextBrowser* NewPageView(const QString& formName, QWidget* parent);

// LumoConten as the dictionary's viewer: one view `网页浏览框1` at (0, 40), client width − 1 by
// client height − 70.
class SinglePageWindow : public PageWindow {
    Q_OBJECT
  public:
    explicit SinglePageWindow(QWidget* owner);

    // Loads the page and sets the caption.
    void ShowPage(const std::filesystem::path& file, const QString& caption);
    QTextBrowser* ShownPage() const override { return view_; }

  protected:
    void LayOut(int clientWidth, int clientHeight) override;

  private:
    QTextBrowser* view_;
};

// LumoConten as the detail window of a name: the tab control `高级选择夹1` with tab 0 the report
// (`网页浏览框1`, temp.html), tabs 1..4 a character each (temp1.html …) and tab 5 the family
// name (temp5.html). A page is read from its file each time its tab is chosen.
// The toolbar: "首页" shows the report again, "后退" and "前进" move through the tabs visited
// since the name was shown, "导出" saves the report as a web page or a PDF file named after the
// name, and "打印" proposes the name with the page's title as the name of a PDF file.
class DetailWindow : public PageWindow {
    Q_OBJECT
  public:
    DetailWindow(QWidget* owner, DataFolder folder);

    // Shows a name whose pages the core has just written: caption, tab titles, hidden tabs, and
    // the report on tab 0, which becomes the current tab.
    void ShowName(const NameDetails& details);

    QTabWidget* Tabs() const { return tabs_; }
    QTextBrowser* Browser(int tab) const { return browsers_[static_cast<std::size_t>(tab)]; }
    QTextBrowser* ShownPage() const override;
    QString DocumentName() const override;
    // The name shown (family and given name), empty before the first.
    const QString& Name() const { return name_; }

    // "导出": asks where to save the report and writes it; the status bar says where it went, a
    // message box when it could not be written. Answers whether a file was written.
    bool ExportReport();

  protected:
    void LayOut(int clientWidth, int clientHeight) override;

  private:
    void TabChosen(int tab);
    void Step(int by);
    void UpdateToolbar();
    // What the score leaves out, in red in the status bar (the report says it as well).
    void ShowWarnings(const std::vector<std::string>& warnings);
    std::filesystem::path PageFile(int tab) const;

    DataFolder folder_;
    QTabWidget* tabs_;
    std::array<QTextBrowser*, 6> browsers_{};
    QLabel* warning_ = nullptr;
    QString name_;
    std::vector<int> visited_{0};  // tabs in the order chosen; visit_ is the current one
    std::size_t visit_ = 0;
    bool stepping_ = false;  // a tab chosen by 后退 or 前进 is not a new visit
};

// Opens the detail window for the double-clicks of the scoring and records flows. An open detail
// window is reused: the page files are shared by all names (temp1.html … are rewritten for every
// name), so a second window would show the newer name's pages under the older name's tabs.
class NameDetailWindows : public QObject {
    Q_OBJECT
  public:
    NameDetailWindows(QWidget& owner, SqliteDatabase& db, DataFolder folder);

    // Writes the report and the pages of the name and shows them; the caption name is the family
    // and given name joined.
    DetailWindow* OpenNameDetail(const QString& family, const QString& given);
    // Shows pages the core has already written (ShowNameDetails, OpenFromGenerationList …).
    DetailWindow* ShowDetails(const NameDetails& details);

    // The open detail window, or null.
    DetailWindow* Window() const { return window_; }

  private:
    QWidget& owner_;
    SqliteDatabase& db_;
    DataFolder folder_;
    QPointer<DetailWindow> window_;
};

}  // namespace lumo::ui
