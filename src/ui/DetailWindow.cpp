#include "ui/DetailWindow.h"

#include "ui/Icons.h"

#include <QRegularExpression>

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "content/FileOutput.h"
#include "ui/Text.h"

namespace lumo::ui {
namespace {

bool recordingPrints = false;

constexpr int kToolbarHeight = 37;
constexpr int kContentTop = 40;
constexpr int kStatusHeight = 20;

// Small glyph badges in the manner of the main toolbar's images.
QIcon ToolIcon(const QColor& colour, const QString& glyph) { return Badge(colour, glyph, 24); }

}  // namespace

QString DisplayedHtml(const std::string& gbkPage) {
    // Qt's rich-text engine ignores "overflow: hidden", so the pages' invisible source marker would
    // show as stray text; it is left out of what is displayed (the file keeps it).
    static const QRegularExpression hiddenMarker(R"(<span class="sy">.*?</span>)");
    return FromGbk(gbkPage).remove(hiddenMarker);
}

void LoadGbkPage(QTextBrowser* view, const std::filesystem::path& file) {
    std::string bytes;
    if (!ReadWholeFile(file, bytes)) bytes.clear();
    QString folder = QString::fromStdString(file.parent_path().string());
    view->setSearchPaths({folder});
    view->setHtml(DisplayedHtml(bytes));
    // After setHtml: relative images and links of the page are looked up beside its file.
    view->document()->setBaseUrl(QUrl::fromLocalFile(folder + "/"));
}

void PagePrinting::Print(QTextBrowser* page, QWidget* owner) {
    if (!page) return;
    if (recordingPrints) {
        Recorded().append(page->documentTitle());
        return;
    }
    // The pages size their text in pixels; at the screen's resolution a pixel keeps its size on
    // paper, where a high-resolution printer would shrink the text to specks. Text stays vector.
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setDocName(page->documentTitle());
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle("打印");
    if (dialog.exec() == QDialog::Accepted) page->document()->print(&printer);
}

void PagePrinting::SetRecording(bool on) { recordingPrints = on; }

QStringList& PagePrinting::Recorded() {
    static QStringList titles;
    return titles;
}

QTextBrowser* NewPageView(const QString& formName, QWidget* parent) {
    auto* view = new QTextBrowser(parent);
    view->setObjectName(formName);
    view->setOpenLinks(false);  // the pages are leaves: nothing in them leads anywhere
    view->setFrameShape(QFrame::StyledPanel);
    return view;
}

PageWindow::PageWindow(QWidget* owner, const QString& formName, const QString& caption)
    : QWidget(owner, Qt::Window) {
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);

    toolbar_ = new QToolBar("工具条1", this);
    toolbar_->setObjectName("工具条1");
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(20, 20));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const struct {
        const char* text;
        const char* colour;
        const char* glyph;
    } items[6] = {{"首页", "#3a87ad", "首"}, {"后退", "#5cb85c", "←"},  {"前进", "#5cb85c", "→"},
                  {"导出", "#8e6bbf", "存"}, {"打印", "#f0ad4e", "印"}, {"退出", "#d9534f", "×"}};
    for (int i = 0; i < 6; ++i) {
        if (i) toolbar_->addSeparator();
        QAction* a = toolbar_->addAction(
            ToolIcon(QColor(items[i].colour), QString::fromUtf8(items[i].glyph)),
            QString::fromUtf8(items[i].text));
        a->setObjectName(QString("工具条1_按钮%1").arg(i * 2));
        a->setEnabled(i >= 4);
    }
    connect(toolbar_->actions().at(8), &QAction::triggered, this,
            [this] { PagePrinting::Print(ShownPage(), this); });
    connect(toolbar_->actions().at(10), &QAction::triggered, this, &QWidget::close);

    rule_ = new QFrame(this);
    rule_->setObjectName("分组框4");
    rule_->setFrameShape(QFrame::HLine);
    rule_->setFrameShadow(QFrame::Sunken);

    status_ = new QStatusBar(this);
    status_->setObjectName("状态条1");
    status_->setSizeGripEnabled(true);
}

void PageWindow::SetCaption(const QString& caption) {
    QString line = caption;
    line.remove('\r').replace('\n', "");
    setWindowTitle(line);
}

void PageWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int cw = width(), ch = height();
    toolbar_->setGeometry(0, 0, cw, kToolbarHeight);
    rule_->setGeometry(-5, kContentTop - 5, cw + 10, 4);
    status_->setGeometry(0, ch - kStatusHeight, cw, kStatusHeight);
    LayOut(cw, ch);
}

SinglePageWindow::SinglePageWindow(QWidget* owner)
    : PageWindow(owner, "LumoConten", "姓名详细解释") {
    view_ = NewPageView("网页浏览框1", this);
    resize(876, 534);
}

void SinglePageWindow::ShowPage(const std::filesystem::path& file, const QString& caption) {
    LoadGbkPage(view_, file);
    SetCaption(caption);
}

void SinglePageWindow::LayOut(int cw, int ch) {
    view_->setGeometry(0, kContentTop, cw - 1, ch - 70);
}

DetailWindow::DetailWindow(QWidget* owner, DataFolder folder)
    : PageWindow(owner, "LumoConten", "姓名详细解释"), folder_(std::move(folder)) {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("高级选择夹1");
    const char* titles[6] = {"姓名详细解释", "1", "2", "3", "4", "5"};
    for (int k = 0; k < 6; ++k) {
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(2, 2, 2, 2);
        browsers_[static_cast<std::size_t>(k)] =
            NewPageView(QString("网页浏览框%1").arg(k + 1), page);
        layout->addWidget(browsers_[static_cast<std::size_t>(k)]);
        tabs_->addTab(page, QString::fromUtf8(titles[k]));
        tabs_->setTabVisible(k, k == 0);
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &DetailWindow::TabChosen);
    LoadGbkPage(browsers_[0], PageFile(0));
    resize(876, 534);
}

std::filesystem::path DetailWindow::PageFile(int tab) const {
    return folder_.File(tab == 0 ? std::string("temp.html")
                                 : "temp" + std::to_string(tab) + ".html");
}

void DetailWindow::ShowName(const NameDetails& details) {
    SetCaption(FromGbk(details.caption));
    tabs_->setCurrentIndex(0);
    for (int k = 1; k <= 5; ++k) {
        const std::string& title = details.tabs[static_cast<std::size_t>(k - 1)];
        tabs_->setTabText(k, title.empty() ? QString::number(k) : FromGbk(title));
        tabs_->setTabVisible(k, !title.empty());
    }
    // Choosing tab 0 does not read its page; the report of the new name is read here.
    LoadGbkPage(browsers_[0], PageFile(0));
    ShowWarnings(details.evaluation.warnings);
}

void DetailWindow::ShowWarnings(const std::vector<std::string>& warnings) {
    if (!warning_) {
        warning_ = new QLabel(StatusBar());
        warning_->setObjectName("标签_评分警告");
        warning_->setStyleSheet("color: rgb(192, 0, 0); font-weight: bold;");
        StatusBar()->addWidget(warning_, 1);
    }
    QStringList lines;
    for (const std::string& w : warnings) lines << FromGbk(w);
    warning_->setText(lines.join("；"));
    warning_->setVisible(!lines.isEmpty());
}

void DetailWindow::TabChosen(int tab) {
    if (tab >= 1 && tab <= 5) LoadGbkPage(browsers_[static_cast<std::size_t>(tab)], PageFile(tab));
}

QTextBrowser* DetailWindow::ShownPage() const {
    int tab = tabs_->currentIndex();
    return tab >= 0 ? browsers_[static_cast<std::size_t>(tab)] : nullptr;
}

void DetailWindow::LayOut(int cw, int ch) { tabs_->setGeometry(0, kContentTop, cw - 1, ch - 70); }

NameDetailWindows::NameDetailWindows(QWidget& owner, SqliteDatabase& db, DataFolder folder)
    : QObject(&owner), owner_(owner), db_(db), folder_(std::move(folder)) {}

DetailWindow* NameDetailWindows::OpenNameDetail(const QString& family, const QString& given) {
    std::string f = ToGbk(family), g = ToGbk(given);
    return ShowDetails(ShowNameDetails(db_, f, g, f + g, folder_));
}

DetailWindow* NameDetailWindows::ShowDetails(const NameDetails& details) {
    if (!window_) window_ = new DetailWindow(&owner_, folder_);
    window_->ShowName(details);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return window_;
}

}  // namespace lumo::ui
