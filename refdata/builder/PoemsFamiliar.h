#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "PoemsText.h"

// The readings every reader learned: the 唐诗三百首 of the chinese-poetry package
// (dist/mengxue/tangshisanbaishou.json) matched to their entries of the Tang collection.
namespace lumo::refdb {

// One poem of the Tang collection after its notes were split off (UTF-8, simplified).
struct Poem {
    std::string sourceId;  // the package's id of the entry
    std::string title, author, verse;
    std::vector<std::string> notes;
    int familiarRank = 0;  // place in 唐诗三百首 (1 …), 0 for a poem it does not hold
};

struct FamiliarCounts {
    int matched = 0;     // anthology poems matched to an entry
    int readings = 0;    // entries whose verse changed to the anthology's
    int added = 0;       // anthology poems the collection lacks, added as entries of their own
    int duplicates = 0;  // further entries of a matched poem in another reading, dropped
};

// Matches every anthology poem to an entry of `poems` (the same poet first, then any poet) and
// gives the entry the anthology's title and verse, keeping the collection's reading as a note.
// Another entry of the same poet within a few characters of that verse is the same poem entered
// twice in two readings (渭城曲 as 杂曲歌辞 and as 渭城曲): it is dropped, its reading kept as a
// note. Matches that differ by more than a few characters, and poems without a match, must be
// decided in `reviewFile` (题目 作者 决定 说明); the build stops on an undecided one.
bool TakeFamiliarReadings(const std::filesystem::path& anthology,
                          const std::filesystem::path& reviewFile, Simplifier& simplifier,
                          std::vector<Poem>& poems, FamiliarCounts& counts, std::string& error);

}  // namespace lumo::refdb
