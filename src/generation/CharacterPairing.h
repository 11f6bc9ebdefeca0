#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "generation/GenerationCharSetting.h"

namespace lumo {

// A run can build a few million candidates. Each is one or two indexes into the run's piece table
// (the CharacterSet entries first, then the few extra texts a mode adds: the generation character,
// a nickname affix), never a text of its own.
inline constexpr std::uint32_t kNoPiece = UINT32_MAX;

struct Candidate {
    std::uint32_t first = kNoPiece;
    std::uint32_t second = kNoPiece;  // kNoPiece for a one-piece name
};

// The CandidateList of a run, in build order. Most modes build cross products (every listed entry
// with every entry, every FirstList entry with every SecondList entry …); they are kept as blocks
// of their two factors, so that 3.4 million pairs cost a few kilobytes and are formed one at a
// time while scoring, in exactly the order in which they would have been listed.
class CandidateList {
  public:
    // The last `familyEntries` entries of the set stand there only for the family name's strokes:
    // they are looked up like the others but never drawn as given-name characters.
    explicit CandidateList(std::vector<std::string> characterSet, std::size_t familyEntries = 0);

    // Adds a text to the piece table (after the CharacterSet entries) and answers its index.
    std::uint32_t AddPiece(std::string text);

    // Opens a block of every first with every second (firsts outer, seconds inner); AddFirst and
    // AddSecond then grow the block's factors.
    void BeginCross(std::vector<std::uint32_t> firsts, std::vector<std::uint32_t> seconds);
    void AddFirst(std::uint32_t first) { blocks_.back().firsts.push_back(first); }
    void AddSecond(std::uint32_t second) { blocks_.back().seconds.push_back(second); }
    // One candidate on its own (consecutive ones share a block).
    void AddPair(std::uint32_t first, std::uint32_t second);

    const std::vector<std::string>& Pieces() const { return pieces_; }
    std::size_t EntryCount() const { return entryCount_; }  // the CharacterSet entries
    // The entries a given name may be drawn from: the CharacterSet without the family's entries.
    std::size_t DrawnCount() const { return drawnCount_; }
    std::size_t Size() const;

    // Calls visit(candidate) for every candidate in order while it answers true; answers false
    // when visiting was cut short.
    template <typename Visit>
    bool ForEach(Visit&& visit) const;

    // The given name of a candidate; `out` is reused so that the scoring loop does not allocate.
    void TextOf(const Candidate& c, std::string& out) const;
    std::string TextOf(const Candidate& c) const;

  private:
    struct Block {
        bool cross = true;
        std::vector<std::uint32_t> firsts, seconds;  // cross: the factors; otherwise pairs by index
    };
    std::vector<std::string> pieces_;
    std::size_t entryCount_;
    std::size_t drawnCount_;
    std::vector<Block> blocks_;
};

template <typename Visit>
bool CandidateList::ForEach(Visit&& visit) const {
    for (const Block& b : blocks_) {
        if (b.cross) {
            for (std::uint32_t f : b.firsts)
                for (std::uint32_t s : b.seconds)
                    if (!visit(Candidate{f, s})) return false;
        } else {
            for (std::size_t i = 0; i < b.firsts.size(); ++i)
                if (!visit(Candidate{b.firsts[i], b.seconds[i]})) return false;
        }
    }
    return true;
}

// The candidate rule of HighScore, Poetry and Combination, applied to each listed CharacterSet
// entry in set order:
// - two-character names, no generation character: the entry followed by every drawn entry of the
//   set in set order (itself and unlisted entries included, the family name's entries not);
// - second character fixed to X: X + entry; third character fixed to Y: entry + Y;
// - one-character names: the entry alone (the generation character plays no part).
// The constructor adds the fixed character to the piece table once.
class CharacterPairing {
  public:
    CharacterPairing(CandidateList& list, int nameLength, const GenerationCharSetting& setting);
    void AddCandidatesOf(std::uint32_t entry);

  private:
    enum class Rule { Single, AllPairs, FixedFirst, FixedSecond };
    CandidateList& list_;
    Rule rule_ = Rule::Single;
};

}  // namespace lumo
