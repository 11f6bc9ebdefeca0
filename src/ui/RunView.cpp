#include "ui/RunView.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include "ui/MainWindow.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"
#include "ui/TextTableModel.h"
#include "ui/WaitWindow.h"

namespace lumo::ui {
namespace {

const char* ListName(ResultList list) {
    switch (list) {
        case ResultList::HighScore:
            return "超级列表框_高分起名";
        case ResultList::SuperAuspicious:
            return "超级列表框_超吉起名";
        case ResultList::Poetry:
            return "超级列表框_诗名列表";
        case ResultList::Combination:
            return "超级列表框_组合列表";
        case ResultList::Nickname:
            return "超级列表框_小名列表";
    }
    return "";
}

const char* ButtonName(RunControl control) {
    switch (control) {
        case RunControl::HighScorePause:
            return "按钮_高分暂停";
        case RunControl::HighScoreAgain:
            return "按钮_再生成一次";
        case RunControl::HighScoreExport:
            return "按钮_高分导出";
        case RunControl::SuperPause:
            return "按钮_超吉暂停";
        case RunControl::SuperGenerate:
            return "按钮_超吉生成";
        case RunControl::SuperExport:
            return "按钮_超吉导出";
        case RunControl::NicknameGenerate:
            return "按钮_起小名";
        default:
            return "";
    }
}

QStringList ToCells(const NameRow& row) {
    QStringList cells;
    cells.reserve(NameRow::kColumns);
    for (int c = 0; c < NameRow::kColumns; ++c) cells << FromGbk(row.Column(c));
    return cells;
}

}  // namespace

WidgetRunView::WidgetRunView(MainWindow& window) : QObject(&window), window_(window) {}

TextTableModel* WidgetRunView::Model(ResultList list) const {
    return window_.ListModel(ListName(list));
}

QWidget* WidgetRunView::Control(RunControl control) const {
    return window_.findChild<QPushButton*>(ButtonName(control));
}

void WidgetRunView::OpenWaitWindow() {
    if (!wait_) wait_ = new WaitWindow(&window_);
    wait_->Open();
}

void WidgetRunView::CloseWaitWindow() {
    if (wait_) wait_->hide();
}

void WidgetRunView::ShowMessage(const UserMessage& message) {
    // The one-character notice is news once; after that it goes to the status bar, where it
    // does not stop every run with a box to close.
    static const std::string kOneCharacterNotice =
        ToGbk("一字名数理得分较低,所以软件自动降低评分标准!");
    if (message.text == kOneCharacterNotice && oneCharacterNoticeShown_) {
        window_.statusBar()->showMessage(FromGbk(message.text), 10000);
        return;
    }
    if (message.text == kOneCharacterNotice) oneCharacterNoticeShown_ = true;
    MessageBoxes::Show(&window_, message);
}

void WidgetRunView::SetEnabled(RunControl control, bool enabled) {
    if (control == RunControl::ModeSelectionTool) {
        window_.ToolbarAction(0)->setEnabled(enabled);
    } else if (control == RunControl::ModeSelectionMenu) {
        window_.ModeMenuAction()->setEnabled(enabled);
    } else if (QWidget* w = Control(control)) {
        w->setEnabled(enabled);
    }
}

void WidgetRunView::SetCaption(RunControl control, const std::string& caption) {
    if (auto* b = qobject_cast<QPushButton*>(Control(control))) b->setText(FromGbk(caption));
}

void WidgetRunView::ShowPage(TabControl tabs, int page) {
    QTabWidget* t = tabs == TabControl::Main ? window_.Pages() : window_.PoetryPages();
    if (page >= 0 && page < t->count()) t->setCurrentIndex(page);
}

void WidgetRunView::ReserveRows(ResultList list, std::size_t) {
    if (TextTableModel* m = Model(list)) m->Clear();
}

void WidgetRunView::FillRows(ResultList list, std::size_t, std::vector<NameRow> rows) {
    TextTableModel* m = Model(list);
    if (!m) return;
    std::vector<QStringList> cells;
    cells.reserve(rows.size());
    for (const NameRow& r : rows) cells.push_back(ToCells(r));
    rowsShown_ += rows.size();
    m->AppendRows(std::move(cells));
}

void WidgetRunView::RemoveEmptyRows(ResultList) {}

void WidgetRunView::SortByScore(ResultList list) {
    if (TextTableModel* m = Model(list)) m->SortByIntDescending(7);
}

void WidgetRunView::Renumber(ResultList list) {
    if (TextTableModel* m = Model(list)) m->Renumber();
}

void WidgetRunView::SetClassicText(const std::string& text) {
    if (auto* e = window_.findChild<QPlainTextEdit*>("编辑框_经典名字"))
        e->setPlainText(FromGbk(text));
}

void WidgetRunView::AddEnglishRows(std::vector<EnglishRow> rows) {
    TextTableModel* m = window_.ListModel("超级列表框_英文列表");
    if (!m) return;
    std::vector<QStringList> cells;
    cells.reserve(rows.size());
    for (const EnglishRow& r : rows)
        cells.push_back(
            {FromGbk(r.number), FromGbk(r.name), FromGbk(r.reading), FromGbk(r.meaning)});
    m->AppendRows(std::move(cells));
}

bool WidgetRunView::Idle() {
    std::lock_guard<std::mutex> lock(queueMutex_);
    return queue_.empty();
}

void WidgetRunView::Enqueue(int run, std::function<void(WidgetRunView&)> call) {
    std::lock_guard<std::mutex> lock(queueMutex_);
    queue_.emplace_back(run, std::move(call));
    if (drainScheduled_) return;
    drainScheduled_ = true;
    QMetaObject::invokeMethod(this, &WidgetRunView::Drain, Qt::QueuedConnection);
}

void WidgetRunView::Drain() {
    constexpr qint64 kSliceNs = 12'000'000;
    QElapsedTimer slice;
    slice.start();
    for (;;) {
        std::pair<int, std::function<void(WidgetRunView&)>> next;
        {
            std::lock_guard<std::mutex> lock(queueMutex_);
            if (queue_.empty()) {
                drainScheduled_ = false;
                return;
            }
            if (slice.nsecsElapsed() > kSliceNs) {
                // A zero timer comes after the input and paint events already waiting.
                QTimer::singleShot(0, this, &WidgetRunView::Drain);
                return;
            }
            next = std::move(queue_.front());
            queue_.pop_front();
        }
        if (!currentRun_ || currentRun_->load() == next.first) next.second(*this);
    }
}

void WidgetRunView::RunFinished() {
    CloseWaitWindow();
    emit Finished();
}

QueuedRunObserver::QueuedRunObserver(WidgetRunView& view,
                                     std::shared_ptr<std::atomic<int>> currentRun, int run)
    : view_(&view), currentRun_(std::move(currentRun)), run_(run) {}

template <typename F>
void QueuedRunObserver::Post(F f) {
    if (view_) view_->Enqueue(run_, std::move(f));
}

void QueuedRunObserver::OpenWaitWindow() {
    Post([](WidgetRunView& v) { v.OpenWaitWindow(); });
}
void QueuedRunObserver::CloseWaitWindow() {
    Post([](WidgetRunView& v) { v.CloseWaitWindow(); });
}
void QueuedRunObserver::ShowMessage(const UserMessage& m) {
    Post([m](WidgetRunView& v) { v.ShowMessage(m); });
}
void QueuedRunObserver::SetEnabled(RunControl c, bool e) {
    Post([c, e](WidgetRunView& v) { v.SetEnabled(c, e); });
}
void QueuedRunObserver::SetCaption(RunControl c, const std::string& s) {
    Post([c, s](WidgetRunView& v) { v.SetCaption(c, s); });
}
void QueuedRunObserver::ShowPage(TabControl t, int p) {
    Post([t, p](WidgetRunView& v) { v.ShowPage(t, p); });
}
void QueuedRunObserver::ReserveRows(ResultList l, std::size_t n) {
    Post([l, n](WidgetRunView& v) { v.ReserveRows(l, n); });
}
void QueuedRunObserver::FillRows(ResultList l, std::size_t first, std::vector<NameRow> rows) {
    Post([l, first, rows = std::move(rows)](WidgetRunView& v) mutable {
        v.FillRows(l, first, std::move(rows));
    });
}
void QueuedRunObserver::RemoveEmptyRows(ResultList l) {
    Post([l](WidgetRunView& v) { v.RemoveEmptyRows(l); });
}
void QueuedRunObserver::SortByScore(ResultList l) {
    Post([l](WidgetRunView& v) { v.SortByScore(l); });
}
void QueuedRunObserver::Renumber(ResultList l) {
    Post([l](WidgetRunView& v) { v.Renumber(l); });
}
void QueuedRunObserver::SetClassicText(const std::string& t) {
    Post([t](WidgetRunView& v) { v.SetClassicText(t); });
}
void QueuedRunObserver::AddEnglishRows(std::vector<EnglishRow> rows) {
    Post([rows = std::move(rows)](WidgetRunView& v) mutable { v.AddEnglishRows(std::move(rows)); });
}
void QueuedRunObserver::RunFinished() {
    Post([](WidgetRunView& v) { v.RunFinished(); });
}

}  // namespace lumo::ui
