#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "generation/GenerationObserver.h"

namespace lumo::ui {

class MainWindow;
class TextTableModel;
class WaitWindow;

// What a generation run does to the main window, carried out directly on the widgets. Lives on
// the UI thread and is called only there; the worker reaches it through QueuedRunObserver.
class WidgetRunView : public QObject, public GenerationObserver {
    Q_OBJECT
  public:
    explicit WidgetRunView(MainWindow& window);

    void OpenWaitWindow() override;
    void CloseWaitWindow() override;
    void ShowMessage(const UserMessage& message) override;
    void SetEnabled(RunControl control, bool enabled) override;
    void SetCaption(RunControl control, const std::string& caption) override;
    void ShowPage(TabControl tabs, int page) override;
    // The list shows the rows that are filled; the reserved empty rows stay out of sight, so
    // removing them leaves nothing to do on screen.
    void ReserveRows(ResultList list, std::size_t count) override;
    void FillRows(ResultList list, std::size_t firstRow, std::vector<NameRow> rows) override;
    void RemoveEmptyRows(ResultList list) override;
    void SortByScore(ResultList list) override;
    void Renumber(ResultList list) override;
    void SetClassicText(const std::string& text) override;
    void AddEnglishRows(std::vector<EnglishRow> rows) override;
    void RunFinished() override;

    // Calls from a worker, in order. They are carried out in slices of a few milliseconds, so a
    // run that hands over a hundred batches at once never holds up input and painting; calls of a
    // run that is no longer current are dropped.
    void Enqueue(int run, std::function<void(WidgetRunView&)> call);
    void SetCurrentRun(std::shared_ptr<std::atomic<int>> currentRun) {
        currentRun_ = std::move(currentRun);
    }

    TextTableModel* Model(ResultList list) const;
    QWidget* Control(RunControl control) const;
    // Every call handed over so far has been carried out (a finished run's last sort and
    // renumbering land a few slices after the worker has ended).
    bool Idle();
    // Rows handed over by runs so far (the wait window shows them).
    std::size_t RowsShown() const { return rowsShown_; }

  signals:
    void Finished();

  private:
    void Drain();

    MainWindow& window_;
    WaitWindow* wait_ = nullptr;
    std::size_t rowsShown_ = 0;
    bool oneCharacterNoticeShown_ = false;
    std::mutex queueMutex_;
    std::deque<std::pair<int, std::function<void(WidgetRunView&)>>> queue_;
    bool drainScheduled_ = false;
    std::shared_ptr<std::atomic<int>> currentRun_;
};

// The observer a worker calls from its own thread: every call is queued for the UI thread and
// dropped there when its run is no longer the current one (a stopped run's last rows must not
// land in the list of the run that replaced it).
class QueuedRunObserver : public GenerationObserver {
  public:
    QueuedRunObserver(WidgetRunView& view, std::shared_ptr<std::atomic<int>> currentRun, int run);

    void OpenWaitWindow() override;
    void CloseWaitWindow() override;
    void ShowMessage(const UserMessage& message) override;
    void SetEnabled(RunControl control, bool enabled) override;
    void SetCaption(RunControl control, const std::string& caption) override;
    void ShowPage(TabControl tabs, int page) override;
    void ReserveRows(ResultList list, std::size_t count) override;
    void FillRows(ResultList list, std::size_t firstRow, std::vector<NameRow> rows) override;
    void RemoveEmptyRows(ResultList list) override;
    void SortByScore(ResultList list) override;
    void Renumber(ResultList list) override;
    void SetClassicText(const std::string& text) override;
    void AddEnglishRows(std::vector<EnglishRow> rows) override;
    void RunFinished() override;

  private:
    template <typename F>
    void Post(F f);

    QPointer<WidgetRunView> view_;
    std::shared_ptr<std::atomic<int>> currentRun_;
    int run_;
};

}  // namespace lumo::ui
