#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

#include "db/SqliteDatabase.h"
#include "generation/GenerationInputs.h"
#include "generation/GenerationObserver.h"
#include "generation/RunSignals.h"

namespace lumo {

// Carries out one generation run at a time on a thread of its own. Its controls (Start, Pause,
// Resume, Stop, Wait) are meant for one controlling thread, the UI thread in the program; the
// observer of a run may call Pause, Resume and Stop too. Nothing is ever suspended or killed from
// outside: the run looks at pause and stop requests between two candidates or two CharacterSet
// entries, where it holds nothing the UI needs.
class GenerationWorker {
  public:
    explicit GenerationWorker(SqliteDatabase& db);
    ~GenerationWorker();  // stops a run in progress
    GenerationWorker(const GenerationWorker&) = delete;
    GenerationWorker& operator=(const GenerationWorker&) = delete;

    // Starts a run with its inputs and the observer that receives everything it does to the
    // window; the observer must outlive the run. A run still in progress is stopped first (and
    // waited for), so that two runs never write the shared lists at once. Never called from an
    // observer callback: a run cannot wait for itself to end.
    void Start(GenerationInputs inputs, GenerationObserver& observer);

    // The run holds at its next pause point, after handing over the rows filled so far.
    void Pause();
    void Resume();
    // Ends the run at once: it carries out no further step (no removal of empty rows, no sort, no
    // re-enabling of controls). Waits for the run's thread unless called from that thread.
    void Stop();
    // Waits until the current run has ended by itself (the command line and the tests).
    void Wait();

    bool Running() const { return running_.load(); }
    // The run is waiting at a pause point.
    bool Held() const;

  private:
    void Join();

    SqliteDatabase& db_;
    mutable std::mutex mutex_;  // guards thread_ and signals_ against a controller and an observer
    std::thread thread_;
    std::shared_ptr<RunSignals> signals_;
    std::atomic<bool> running_{false};
};

}  // namespace lumo
