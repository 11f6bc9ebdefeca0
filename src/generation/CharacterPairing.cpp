#include "generation/CharacterPairing.h"

#include <algorithm>
#include <numeric>

namespace lumo {

CandidateList::CandidateList(std::vector<std::string> characterSet, std::size_t familyEntries)
    : pieces_(std::move(characterSet)),
      entryCount_(pieces_.size()),
      drawnCount_(entryCount_ - std::min(familyEntries, entryCount_)) {}

std::uint32_t CandidateList::AddPiece(std::string text) {
    pieces_.push_back(std::move(text));
    return static_cast<std::uint32_t>(pieces_.size() - 1);
}

void CandidateList::BeginCross(std::vector<std::uint32_t> firsts,
                               std::vector<std::uint32_t> seconds) {
    blocks_.push_back({true, std::move(firsts), std::move(seconds)});
}

void CandidateList::AddPair(std::uint32_t first, std::uint32_t second) {
    if (blocks_.empty() || blocks_.back().cross) blocks_.push_back({false, {}, {}});
    blocks_.back().firsts.push_back(first);
    blocks_.back().seconds.push_back(second);
}

std::size_t CandidateList::Size() const {
    std::size_t n = 0;
    for (const Block& b : blocks_)
        n += b.cross ? b.firsts.size() * b.seconds.size() : b.firsts.size();
    return n;
}

void CandidateList::TextOf(const Candidate& c, std::string& out) const {
    out.assign(pieces_[c.first]);
    if (c.second != kNoPiece) out.append(pieces_[c.second]);
}

std::string CandidateList::TextOf(const Candidate& c) const {
    std::string text;
    TextOf(c, text);
    return text;
}

CharacterPairing::CharacterPairing(CandidateList& list, int nameLength,
                                   const GenerationCharSetting& s)
    : list_(list) {
    if (nameLength != 2) {
        list_.BeginCross({}, {kNoPiece});
        return;
    }
    if (s.enabled && s.fixesSecond) {
        rule_ = Rule::FixedFirst;
        list_.BeginCross({list_.AddPiece(s.secondChar)}, {});
    } else if (s.enabled && s.fixesThird) {
        rule_ = Rule::FixedSecond;
        list_.BeginCross({}, {list_.AddPiece(s.thirdChar)});
    } else {
        rule_ = Rule::AllPairs;
        std::vector<std::uint32_t> every(list_.DrawnCount());
        std::iota(every.begin(), every.end(), 0u);
        list_.BeginCross({}, std::move(every));
    }
}

void CharacterPairing::AddCandidatesOf(std::uint32_t entry) {
    if (rule_ == Rule::FixedFirst)
        list_.AddSecond(entry);
    else
        list_.AddFirst(entry);
}

}  // namespace lumo
