#include "generation/PauseButton.h"

#include "db/Gbk.h"

namespace lumo {

PauseButton::PauseButton(NamingMode mode) : traits_(TraitsOf(mode)) {}

void PauseButton::Click(GenerationWorker& worker, GenerationObserver& window) {
    if (!showsContinue_) {
        worker.Pause();
        window.SetEnabled(RunControl::ModeSelectionTool, true);
        window.SetEnabled(traits_.exportButton, true);
        window.SetCaption(traits_.pauseButton, Gbk("继续"));
    } else {
        worker.Resume();
        window.SetCaption(traits_.pauseButton, Gbk("暂停"));
        window.SetEnabled(traits_.exportButton, false);
    }
    showsContinue_ = !showsContinue_;
}

void PauseButton::Reset(GenerationObserver& window) {
    showsContinue_ = false;
    window.SetCaption(traits_.pauseButton, Gbk("暂停"));
}

}  // namespace lumo
