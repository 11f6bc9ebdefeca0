#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <atomic>
#include <functional>
#include <memory>

#include "generation/ElementFilter.h"
#include "generation/GenerationCharSetting.h"
#include "generation/GenerationInputs.h"
#include "generation/GenerationWorker.h"
#include "generation/PauseButton.h"

class QCheckBox;

namespace lumo::ui {

class MainWindow;
class PoetryPanel;
class QueuedRunObserver;
class WidgetRunView;

// The naming pages: the start buttons of every mode, the two pause buttons, the super-auspicious
// filter boxes and the generation-character marker. Runs go to one GenerationWorker; what they do
// to the window arrives through a QueuedRunObserver on the UI thread.
class GenerationPanel : public QObject {
    Q_OBJECT
public:
    GenerationPanel(MainWindow& window, SqliteDatabase& db, std::function<bool()> referenceLoaded,
                    const QString& dataDir);
    ~GenerationPanel() override;

    // 按钮_起名 "开始起名".
    void StartNaming();
    // Starts a run for the selected mode with the window's current inputs.
    void StartGeneration();
    // Ends a run in progress at once (button 起名 before a new HighScore run, and shutdown).
    void StopGeneration();

    GenerationWorker& Worker() { return worker_; }
    PoetryPanel& Poetry() { return *poetry_; }
    WidgetRunView& View() { return *view_; }
    const GenerationCharSetting& CharSetting() const { return charSetting_; }
    const QString& LastRunSurname() const { return lastRunSurname_; }
    void SetLastRunSurname(const QString& s) { lastRunSurname_ = s; }
    const SuperFilterBoxes& FilterBoxes() const { return boxes_; }

    // The inputs a run would take now.
    GenerationInputs ReadInputs() const;

    // Opens the generation-character dialog (modal) and recolours the marker.
    void OpenCharSettingDialog();
    // Back to "off", as at start-up.
    void ResetCharSetting();

signals:
    void RunFinished();

private:
    void Connect();
    void StartRunButton(const QString& listToEmpty);
    void StartEnglish();
    void ClickMaster(FilterMaster master);
    void ClickElement(FilterMaster master, int element);
    void MirrorFilterBoxes();
    void ColourMarker();
    NamingMode SelectedMode() const;

    MainWindow& window_;
    SqliteDatabase& db_;
    std::function<bool()> referenceLoaded_;
    GenerationWorker worker_;
    WidgetRunView* view_;
    std::shared_ptr<std::atomic<int>> currentRun_;
    std::unique_ptr<QueuedRunObserver> observer_;
    PoetryPanel* poetry_;
    PauseButton highPause_{NamingMode::HighScore};
    PauseButton superPause_{NamingMode::SuperAuspicious};
    GenerationCharSetting charSetting_;
    SuperFilterBoxes boxes_ = SuperFilterBoxes::Initial();
    std::array<QCheckBox*, 4> masterBoxes_{};
    std::array<std::array<QCheckBox*, 5>, 4> elementBoxes_{};
    QString lastRunSurname_;
};

}  // namespace lumo::ui
