#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "db/SqliteDatabase.h"
#include "generation/CharacterPairing.h"
#include "generation/GenerationInputs.h"
#include "generation/GenerationObserver.h"
#include "generation/RunSignals.h"
#include "numerology/CharInfo.h"
#include "numerology/CharNotes.h"
#include "numerology/NameScore.h"

namespace lumo {

// One generation run, step by step: opening, inputs, mode preparation, attribute loading and
// candidate building, the scoring pass, closing. Runs on whatever thread calls Execute (the
// GenerationWorker's own); it talks to the window only through the observer and returns at once,
// without another step, when a stop is requested.
class GenerationRun {
  public:
    GenerationRun(SqliteDatabase& db, GenerationInputs inputs, GenerationObserver& observer,
                  RunSignals& signals);
    void Execute();

  private:
    // Answers false when the run is to end now. Holds here while paused, after handing over the
    // rows filled so far, so that the list is complete while the user looks at it.
    bool Checkpoint();

    bool RunClassic();
    bool RunEnglish();
    bool RunScored();
    std::vector<std::string> PrepareCharacters();
    void WarnOfUnsuitable(const std::vector<std::string>& chosen, const UnsuitableChars& skip);
    bool BuildCandidates(CandidateList& list);
    bool ScoringPass(const CandidateList& list);
    int AcceptThreshold(RatingSource& ratings);
    void Closing();

    void CloseWaitWindow();
    void FlushRows();

    SqliteDatabase& db_;
    GenerationInputs in_;
    GenerationObserver& observer_;
    RunSignals& signals_;
    ModeTraits traits_;
    bool waitWindowOpen_ = false;

    // One record per CharacterSet entry, in set order, then the characters of the extra pieces.
    CharInfoCache cache_;
    // Rows filled but not yet handed to the observer; they start at row pendingFirst_.
    std::vector<NameRow> pending_;
    std::size_t pendingFirst_ = 0;
    std::chrono::steady_clock::time_point lastFlush_;
};

}  // namespace lumo
