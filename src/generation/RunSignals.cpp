#include "generation/RunSignals.h"

namespace lumo {

void RunSignals::Resume() {
    {
        std::lock_guard lock(mutex_);
        paused_.store(false);
    }
    wake_.notify_all();
}

void RunSignals::RequestStop() {
    {
        std::lock_guard lock(mutex_);
        stop_.store(true);
    }
    wake_.notify_all();
}

void RunSignals::HoldWhilePaused() {
    std::unique_lock lock(mutex_);
    if (!paused_.load() || stop_.load()) return;
    held_.store(true);
    wake_.wait(lock, [this] { return !paused_.load() || stop_.load(); });
    held_.store(false);
}

}  // namespace lumo
