#pragma once

#include "generation/GenerationObserver.h"
#include "generation/GenerationWorker.h"
#include "generation/NamingMode.h"

namespace lumo {

// The pause button of the HighScore or SuperAuspicious page (按钮_高分暂停 / 按钮_超吉暂停).
// Its caption says what a click does: "暂停" holds the run and lets the user export the rows so
// far and leave the page; "继续" releases it.
class PauseButton {
  public:
    explicit PauseButton(NamingMode mode);

    void Click(GenerationWorker& worker, GenerationObserver& window);
    // Back to "暂停", as 按钮_起名 sets it before a new run.
    void Reset(GenerationObserver& window);
    bool ShowsContinue() const { return showsContinue_; }

  private:
    ModeTraits traits_;
    bool showsContinue_ = false;
};

}  // namespace lumo
