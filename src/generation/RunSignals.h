#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace lumo {

// Pause and stop requests between the thread that controls a run and the run itself. The run
// looks at them between two candidates or two CharacterSet entries, where it holds nothing that
// anyone else needs, and only there does it wait.
class RunSignals {
  public:
    void RequestPause() { paused_.store(true); }
    void Resume();
    void RequestStop();

    bool PauseRequested() const { return paused_.load(std::memory_order_relaxed); }
    bool StopRequested() const { return stop_.load(std::memory_order_relaxed); }
    const std::atomic<bool>& StopFlag() const { return stop_; }

    // Called by the run: waits while paused, until resumed or stopped.
    void HoldWhilePaused();
    // True while the run waits in HoldWhilePaused.
    bool Held() const { return held_.load(); }

  private:
    std::mutex mutex_;
    std::condition_variable wake_;
    std::atomic<bool> paused_{false};
    std::atomic<bool> stop_{false};
    std::atomic<bool> held_{false};
};

}  // namespace lumo
