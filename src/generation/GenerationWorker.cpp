#include "generation/GenerationWorker.h"

#include "generation/GenerationRun.h"

namespace lumo {

GenerationWorker::GenerationWorker(SqliteDatabase& db) : db_(db) {}

GenerationWorker::~GenerationWorker() { Stop(); }

void GenerationWorker::Start(GenerationInputs inputs, GenerationObserver& observer) {
    // At most one run: a start during a run stops that run first, as 按钮_起名 does.
    Stop();
    std::lock_guard lock(mutex_);
    signals_ = std::make_shared<RunSignals>();
    running_.store(true);
    thread_ = std::thread([this, signals = signals_, in = std::move(inputs), &observer]() mutable {
        GenerationRun run(db_, std::move(in), observer, *signals);
        run.Execute();
        running_.store(false);
    });
}

void GenerationWorker::Pause() {
    std::lock_guard lock(mutex_);
    if (signals_) signals_->RequestPause();
}

void GenerationWorker::Resume() {
    std::lock_guard lock(mutex_);
    if (signals_) signals_->Resume();
}

void GenerationWorker::Stop() {
    {
        std::lock_guard lock(mutex_);
        if (signals_) signals_->RequestStop();
    }
    Join();
}

void GenerationWorker::Wait() { Join(); }

bool GenerationWorker::Held() const {
    std::lock_guard lock(mutex_);
    return signals_ && signals_->Held();
}

void GenerationWorker::Join() {
    std::thread finished;
    {
        std::lock_guard lock(mutex_);
        // The run's own thread cannot wait for itself; its stop request is enough there.
        if (!thread_.joinable() || thread_.get_id() == std::this_thread::get_id()) return;
        finished = std::move(thread_);
    }
    finished.join();
}

}  // namespace lumo
