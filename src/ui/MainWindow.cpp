#include "ui/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/Icons.h"
#include "ui/TextTableModel.h"

namespace lumo::ui {
namespace {

void FillCombo(QComboBox* box, int from, int to, int selected) {
    box->clear();
    for (int v = from; v <= to; ++v) box->addItem(QString::number(v));
    box->setCurrentIndex(selected);
}

// The widest texts a list usually holds, so that its columns have room for them before the
// first row arrives: compound family names, two-digit strokes, five grid numbers.
QStringList SampleRow(const QStringList& headers) {
    if (headers == NameRowHeaders())
        return {"10000",    "欧阳子涵",       "18+18",  "18+18",
                "金木水火", "18,18,18,18,18", "金木水", "100"};
    if (headers.value(1) == "诗人") return {"3600", "欧阳修"};
    if (headers.value(1) == "诗词标题") return {"1000", "相和歌辞 王昭君二首"};
    if (headers.value(1) == "英文名") return {"10000", "Maximilian", "马克西米利安", "相关含义"};
    return {"10000"};
}

}  // namespace

void FitColumns(QTableView* view) {
    QHeaderView* header = view->horizontalHeader();
    const QStringList sample = view->property("sampleRow").toStringList();
    const QFontMetrics cell = view->fontMetrics();
    // Cell padding of the item delegate and the style's focus frame.
    const int padding =
        2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) + 8;
    int total = 0;
    for (int c = 0; c < header->count(); ++c) {
        int width =
            std::max(header->sectionSizeHint(c), cell.horizontalAdvance(sample.value(c)) + padding);
        const bool last = c + 1 == header->count();
        if (last) {
            // The stretching last column never gets narrower than its size when it began to
            // stretch, so that size is set to what it needs.
            header->setStretchLastSection(false);
            view->setColumnWidth(c, width);
            header->setStretchLastSection(true);
        } else {
            width = std::max(width, static_cast<QAbstractItemView*>(view)->sizeHintForColumn(c));
            view->setColumnWidth(c, width);
        }
        total += width;
    }
    // The view is never narrower than all columns together.
    const int scrollBar =
        std::max(view->verticalScrollBar()->sizeHint().width(),
                 view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view));
    view->setMinimumWidth(total + scrollBar + 2 * view->frameWidth());
    view->horizontalScrollBar()->setValue(0);
}

QStringList NameRowHeaders() {
    return {"编号", "姓名", "简体笔划", "繁体笔划", "五行", "五格", "三才", "评分"};
}

void FillDateLists(const DateLists& d) {
    FillCombo(d.year, 1970, 2030, 43);
    FillCombo(d.month, 1, 12, 0);
    FillCombo(d.day, 1, 31, 0);
    FillCombo(d.hour, 0, 23, 0);
    if (d.minute) FillCombo(d.minute, 0, 59, 0);
}

BirthMoment ReadBirthMoment(const DateLists& d) {
    BirthMoment m;
    m.year = d.year->currentText().toInt();
    m.month = d.month->currentText().toInt();
    m.day = d.day->currentText().toInt();
    m.hour = d.hour->currentText().toInt();
    m.minute = d.minute ? d.minute->currentText().toInt() : 0;
    return m;
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("主窗口");
    setWindowTitle("Lumo取名软件V1.2  Venka");
    setWindowIcon(ModeIcon(1));
    resize(729, 513);
    move(50, 50);

    pages_ = new QTabWidget(this);
    pages_->setObjectName("高级选择夹1");
    pages_->addTab(BuildModePage(), "模式选择");
    pages_->addTab(BuildHighScorePage(), "高分模式");
    pages_->addTab(BuildPoetryPage(), "诗词起名");
    pages_->addTab(BuildCombinationPage(), "组合起名");
    pages_->addTab(BuildNicknamePage(), "起小名");
    pages_->addTab(BuildEnglishPage(), "起英文名");
    pages_->addTab(BuildChartPage(), "生辰八字");
    pages_->addTab(BuildScoringPage(), "姓名评分");
    pages_->addTab(BuildRecordsPage(), "起名记录");
    pages_->addTab(BuildSuperPage(), "超吉模式");
    pages_->addTab(BuildClassicPage(), "经典模式");
    setCentralWidget(pages_);

    BuildToolbarAndMenu();

    statusBar()->setObjectName("状态条1");
    statusImage_ = new QLabel(this);
    statusImage_->setObjectName("状态条1_图片");
    statusText_ = new QLabel(this);
    statusText_->setObjectName("状态条1_文本");
    statusBar()->addWidget(statusImage_);
    statusBar()->addWidget(statusText_, 1);
    ShowPage(0);
}

QTableView* MainWindow::AddList(const QString& name, const QStringList& headers, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    auto* model = new TextTableModel(headers, view);
    model->setObjectName(name + "_模型");
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(22);
    view->horizontalHeader()->setStretchLastSection(true);
    view->horizontalHeader()->setHighlightSections(false);
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideNone);
    view->setProperty("sampleRow", SampleRow(headers));
    // Columns follow their content: a new list, the first rows of a run (sorting a list keeps its
    // texts). A sample of the rows is measured, so a list of 100,000 names fits as fast as a short
    // one.
    view->horizontalHeader()->setResizeContentsPrecision(200);
    connect(model, &QAbstractItemModel::modelReset, view, [view] { FitColumns(view); });
    connect(model, &QAbstractItemModel::rowsInserted, view, [view](const QModelIndex&, int first) {
        if (first == 0) FitColumns(view);
    });
    FitColumns(view);
    return view;
}

void MainWindow::FitToContents() {
    for (QTableView* view : findChildren<QTableView*>())
        if (view->property("sampleRow").isValid()) FitColumns(view);
    // The whole birth-chart report, the zodiac advice at its end included, shows without
    // scrolling: its lines (every other one empty) in the skin's font.
    if (auto* report = findChild<QPlainTextEdit*>("编辑框_八字信息")) {
        constexpr int kReportLines = 17;
        report->ensurePolished();
        // A line of Chinese text: its characters come from a fallback font taller than the
        // box's own font may be.
        QTextLayout probe("公历日期：农历", report->font());
        probe.beginLayout();
        QTextLine line = probe.createLine();
        line.setLineWidth(1000);
        const qreal lineHeight = line.height();
        probe.endLayout();
        report->setMinimumHeight(
            static_cast<int>(std::ceil(lineHeight * kReportLines)) +
            2 * (report->frameWidth() + static_cast<int>(report->document()->documentMargin())) +
            8);
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A new skin may change fonts and paddings; the lists are restyled after this event.
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        QTimer::singleShot(0, this, &MainWindow::FitToContents);
}

void MainWindow::OpenAtFittingSize() {
    // The skin's fonts and paddings decide the widths: fit after it is applied.
    FitToContents();
    QSize size = QSize(729, 513).expandedTo(minimumSizeHint());
    if (QScreen* s = screen()) size = size.boundedTo(s->availableGeometry().size() - QSize(60, 80));
    resize(size);
}

QTableView* MainWindow::List(const QString& name) const { return findChild<QTableView*>(name); }

TextTableModel* MainWindow::ListModel(const QString& name) const {
    QTableView* view = List(name);
    return view ? qobject_cast<TextTableModel*>(view->model()) : nullptr;
}

QAction* MainWindow::ToolbarAction(int index) const {
    if (index < 0 || index > 8 || index % 2) return nullptr;
    return toolbarActions_[static_cast<std::size_t>(index / 2)];
}

void MainWindow::BuildToolbarAndMenu() {
    toolbar_ = addToolBar("工具条1");
    toolbar_->setObjectName("工具条1");
    toolbar_->setMovable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const char* captions[5] = {"模式选择", "生辰八字", "姓名评分", "起名记录", "新华字典"};
    for (int i = 0; i < 5; ++i) {
        if (i) toolbar_->addSeparator();
        QAction* a = toolbar_->addAction(ToolbarIcon(i), captions[i]);
        a->setObjectName(QString("工具条1_按钮%1").arg(i * 2));
        connect(a, &QAction::triggered, this, [this, i] { ToolbarCommand(i * 2); });
        toolbarActions_[static_cast<std::size_t>(i)] = a;
    }

    operationMenu_ = menuBar()->addMenu("操作菜单[&C]");
    operationMenu_->setObjectName("操作菜单");
    for (int i = 0; i < 5; ++i) {
        QAction* a = operationMenu_->addAction(captions[i]);
        a->setObjectName(QString("菜单_%1").arg(captions[i]));
        connect(a, &QAction::triggered, this, [this, i] { ToolbarCommand(i * 2); });
        if (i == 0) modeMenuAction_ = a;
    }
    operationMenu_->addSeparator();
    QAction* quit = operationMenu_->addAction("退出程序");
    quit->setObjectName("菜单_退出程序");
    connect(quit, &QAction::triggered, this, &MainWindow::QuitRequested);

    // Top right of the window, beside the menus; the menus module makes it open the version page,
    // which names the installed version (nothing here knows whether a newer one exists).
    auto* download = new QLabel("检查新版本", this);
    download->setObjectName("新版程序下载");
    QFont underlined = download->font();
    underlined.setUnderline(true);
    download->setFont(underlined);
    download->setContentsMargins(0, 0, 10, 0);
    menuBar()->setCornerWidget(download, Qt::TopRightCorner);
}

void MainWindow::ShowPage(int page) {
    if (page >= 0 && page < pages_->count()) pages_->setCurrentIndex(page);
}

void MainWindow::ToolbarCommand(int index) {
    switch (index) {
        case 0:
            ShowPage(0);
            break;
        case 2: {
            BirthMoment m = ReadBirthMoment(inputDates_);
            if (auto* label = findChild<QLabel*>("透明标签_起名日期"))
                label->setText(
                    QString("%1年%2月%3日%4时").arg(m.year).arg(m.month).arg(m.day).arg(m.hour));
            FillDateLists(chartDates_);
            emit ChartPageOpened();
            ShowPage(6);
            break;
        }
        case 4:
            if (auto* from = findChild<QLineEdit*>("编辑框_姓氏"))
                if (auto* to = findChild<QLineEdit*>("编辑框_评分姓氏")) to->setText(from->text());
            FillDateLists(scoringDates_);
            emit ScoringPageOpened();
            ShowPage(7);
            break;
        case 6:
            ShowPage(8);
            break;
        case 8:
            emit DictionaryRequested();
            break;
        default:
            break;
    }
}

void MainWindow::ModeRadioClicked(QRadioButton* radio) {
    statusImage_->setPixmap(ModeIcon(radio->property("modeImage").toInt()).pixmap(16, 16));
    statusText_->setText(radio->property("modeStatus").toString());
}

}  // namespace lumo::ui
