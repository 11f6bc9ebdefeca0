#include "ui/DetailWindow.h"

#include "ui/Icons.h"

#include <QRegularExpression>

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QResizeEvent>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "content/FileOutput.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"

namespace lumo::ui {
namespace {

bool recordingPrints = false;

constexpr int kToolbarHeight = 37;
constexpr int kContentTop = 40;
constexpr int kStatusHeight = 20;

// Small glyph badges in the manner of the main toolbar's images.
QIcon ToolIcon(const QColor& colour, const QString& glyph) { return Badge(colour, glyph, 24); }

// The page as a PDF file, A4, its pixel sizes kept as on the screen.
std::string PdfOf(QTextBrowser* page, const QString& title) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(page->logicalDpiX());
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setTitle(title);
        pdf.setCreator("Lumo取名软件");
        page->document()->print(&pdf);
    }
    return bytes.toStdString();
}

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

void PagePrinting::Print(QTextBrowser* page, QWidget* owner, const QString& documentName) {
    if (!page) return;
    if (recordingPrints) {
        Recorded().append(documentName);
        return;
    }
    // The pages size their text in pixels; at the screen's resolution a pixel keeps its size on
    // paper, where a high-resolution printer would shrink the text to specks. Text stays vector.
    QPrinter printer(QPrinter::ScreenResolution);
    // The dialog proposes the document name as the name of a PDF file.
    printer.setDocName(documentName);
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
            [this] { PagePrinting::Print(ShownPage(), this, DocumentName()); });
    connect(toolbar_->actions().at(10), &QAction::triggered, this, &QWidget::close);

    rule_ = new QFrame(this);
    rule_->setObjectName("分组框4");
    rule_->setFrameShape(QFrame::HLine);
    rule_->setFrameShadow(QFrame::Sunken);

    status_ = new QStatusBar(this);
    status_->setObjectName("状态条1");
    status_->setSizeGripEnabled(true);
}

QString PageWindow::DocumentName() const {
    QTextBrowser* page = ShownPage();
    return page ? page->documentTitle() : QString();
}

QAction* PageWindow::ToolAction(int item) const { return toolbar_->actions().value(item); }

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
    connect(ToolAction(0), &QAction::triggered, this, [this] { tabs_->setCurrentIndex(0); });
    connect(ToolAction(2), &QAction::triggered, this, [this] { Step(-1); });
    connect(ToolAction(4), &QAction::triggered, this, [this] { Step(1); });
    connect(ToolAction(6), &QAction::triggered, this, &DetailWindow::ExportReport);
    ToolAction(0)->setToolTip("回到姓名详细解释");
    ToolAction(6)->setToolTip("把姓名详细解释保存为网页或 PDF 文件");
    LoadGbkPage(browsers_[0], PageFile(0));
    resize(876, 534);
    UpdateToolbar();
}

std::filesystem::path DetailWindow::PageFile(int tab) const {
    return folder_.File(tab == 0 ? std::string("temp.html")
                                 : "temp" + std::to_string(tab) + ".html");
}

void DetailWindow::ShowName(const NameDetails& details) {
    SetCaption(FromGbk(details.caption));
    name_ = windowTitle();
    if (name_.endsWith("姓名详细解释")) name_.chop(QString("姓名详细解释").size());
    name_ = name_.trimmed();
    tabs_->setCurrentIndex(0);
    // A new name starts a new history: the tabs of the last one may be gone.
    visited_ = {0};
    visit_ = 0;
    for (int k = 1; k <= 5; ++k) {
        const std::string& title = details.tabs[static_cast<std::size_t>(k - 1)];
        tabs_->setTabText(k, title.empty() ? QString::number(k) : FromGbk(title));
        tabs_->setTabVisible(k, !title.empty());
    }
    // Choosing tab 0 does not read its page; the report of the new name is read here.
    LoadGbkPage(browsers_[0], PageFile(0));
    ShowWarnings(details.evaluation.warnings);
    UpdateToolbar();
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
    if (!stepping_ && tab >= 0 && tab != visited_[visit_]) {
        // A tab chosen after stepping back drops the steps ahead, as a browser does.
        visited_.resize(visit_ + 1);
        visited_.push_back(tab);
        visit_ = visited_.size() - 1;
    }
    UpdateToolbar();
}

void DetailWindow::Step(int by) {
    const long long to = static_cast<long long>(visit_) + by;
    if (to < 0 || to >= static_cast<long long>(visited_.size())) return;
    visit_ = static_cast<std::size_t>(to);
    stepping_ = true;
    tabs_->setCurrentIndex(visited_[visit_]);
    stepping_ = false;
    UpdateToolbar();
}

void DetailWindow::UpdateToolbar() {
    ToolAction(0)->setEnabled(tabs_->currentIndex() != 0);
    ToolAction(2)->setEnabled(visit_ > 0);
    ToolAction(4)->setEnabled(visit_ + 1 < visited_.size());
    ToolAction(6)->setEnabled(!name_.isEmpty());
}

QString DetailWindow::DocumentName() const {
    const QString title = ShownPage() ? ShownPage()->documentTitle() : QString();
    if (name_.isEmpty()) return title;
    return FileNameOf(name_ + "_" + title);
}

bool DetailWindow::ExportReport() {
    const QString html = "网页文件 (*.html *.htm)", pdf = "PDF 文件 (*.pdf)";
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    const QString proposed = QDir(folder).filePath(FileNameOf(name_ + "_名字评分") + ".html");
    QString filter;
    QString path =
        SaveDialogs::Choose(this, "导出姓名详细解释", proposed, html + ";;" + pdf, &filter);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += filter == pdf ? ".pdf" : ".html";
    const bool asPdf = QFileInfo(path).suffix().compare("pdf", Qt::CaseInsensitive) == 0;

    std::string bytes;
    bool ready = true;
    if (asPdf) {
        bytes = PdfOf(browsers_[0], name_ + "名字评分");
    } else {
        // The page as the core wrote it (GBK, charset gb2312), which any browser shows as here.
        ready = ReadWholeFile(PageFile(0), bytes);
    }
    if (!ready || bytes.empty() ||
        !WriteFileAtomically(std::filesystem::path(path.toStdU16String()), bytes)) {
        StatusBar()->showMessage(QString("导出失败：%1").arg(path), 10000);
        MessageBoxes::Show(this, WriteFailedText(path), "导出失败", MessageIcon::Warning);
        return false;
    }
    StatusBar()->showMessage(QString("已导出到 %1").arg(path), 30000);
    return true;
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
