#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

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
    // Starts a run of `mode` with the window's current inputs. A run still in progress is
    // replaced, and its page's buttons return to their idle state.
    void StartGeneration(NamingMode mode);
    // Ends a run in progress at once (button 起名 before a new HighScore run, and shutdown); its
    // page's buttons return to their idle state.
    void StopGeneration();
    // The mode of the run in progress, if any.
    std::optional<NamingMode> RunningMode() const { return running_; }

    GenerationWorker& Worker() { return worker_; }
    PoetryPanel& Poetry() { return *poetry_; }
    WidgetRunView& View() { return *view_; }
    const GenerationCharSetting& CharSetting() const { return charSetting_; }
    QString LastRunSurname() const;
    // Also forgets the other inputs of the last run, so that the next 开始起名 compares afresh.
    void SetLastRunSurname(const QString& s);
    const SuperFilterBoxes& FilterBoxes() const { return boxes_; }
    // A missing element of the birth chart chosen: shows the super-auspicious page with 必带 and
    // just these elements (captions out of 金木水火土) ticked.
    void RequireElements(const QString& elements);

    // The inputs a run of `mode` would take now.
    GenerationInputs ReadInputs(NamingMode mode) const;
    // With 选择框_按喜用神起名 ticked: the elements the birth chart of the input panel's date
    // favours (GBK, e.g. 水木火); empty otherwise.
    std::string FavorableElements() const;
    // The mode whose radio button is selected on page 0.
    NamingMode SelectedMode() const;

    // Opens the generation-character dialog (modal) and recolours the marker.
    void OpenCharSettingDialog();
    // Back to "off", as at start-up.
    void ResetCharSetting();

  signals:
    void RunFinished();

  private:
    void Connect();
    void StartRunButton(NamingMode mode, const QString& listToEmpty);
    // Refuses, with a message, a family name that is not made of Chinese characters.
    bool FamilyNameAccepted();
    QString FamilyName() const;
    // The buttons of a mode's page as they stand when no run of it goes on.
    void IdleControls(NamingMode mode);
    void OnRunFinished();
    void ClickPause(NamingMode mode, PauseButton& pause);
    void ShowRunSummary();
    void StartEnglish();
    void ClickMaster(FilterMaster master);
    void ClickElement(FilterMaster master, int element);
    void MirrorFilterBoxes();
    void ColourMarker();

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
    // What 开始起名 last started or prepared a HighScore or SuperAuspicious run with: a change of
    // any of them starts afresh instead of showing the previous list.
    struct RunKey {
        std::string family;
        Sex sex = Sex::Male;
        int nameLength = 1;
        GenerationCharSetting charSetting;
        bool unsuitableFiltered = true;
        std::string favorableElements;
        bool operator==(const RunKey& other) const;
    };
    RunKey KeyOf(const GenerationInputs& in) const;
    RunKey lastRun_;
    std::optional<NamingMode> running_;
    QElapsedTimer runClock_;
};

}  // namespace lumo::ui
