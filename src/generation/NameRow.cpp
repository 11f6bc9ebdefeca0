#include "generation/NameRow.h"

#include <algorithm>
#include <cstdlib>

namespace lumo {

const std::string& NameRow::Column(int index) const {
    switch (index) {
        case 0:
            return number;
        case 1:
            return name;
        case 2:
            return simplifiedStrokes;
        case 3:
            return traditionalStrokes;
        case 4:
            return elements;
        case 5:
            return grids;
        case 6:
            return threeTalents;
        default:
            return score;
    }
}

bool NameRow::Empty() const {
    for (int i = 0; i < kColumns; ++i)
        if (!Column(i).empty()) return false;
    return true;
}

int NameRow::ScoreValue() const { return std::atoi(score.c_str()); }

NameRow MakeNameRow(std::size_t number, const std::string& family, const std::string& given,
                    const NameEvaluation& e) {
    return {std::to_string(number),
            family + given,
            std::to_string(e.simplifiedTotal),
            std::to_string(e.traditionalTotal),
            e.elements,
            e.grids.Text(),
            e.threeTalents,
            std::to_string(e.score)};
}

void RemoveEmptyRows(std::vector<NameRow>& rows) {
    rows.erase(std::remove_if(rows.begin(), rows.end(), [](const NameRow& r) { return r.Empty(); }),
               rows.end());
}

void SortByScore(std::vector<NameRow>& rows) {
    // Sort (score, position) keys, then move the rows into place along the permutation's cycles:
    // no second list of rows is ever allocated.
    const std::size_t n = rows.size();
    std::vector<std::pair<int, std::size_t>> keys(n);
    for (std::size_t i = 0; i < n; ++i) keys[i] = {rows[i].ScoreValue(), i};
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<bool> placed(n, false);
    for (std::size_t start = 0; start < n; ++start) {
        if (placed[start]) continue;
        NameRow carried = std::move(rows[start]);
        std::size_t to = start;
        for (;;) {
            placed[to] = true;
            const std::size_t from = keys[to].second;
            if (from == start) break;
            rows[to] = std::move(rows[from]);
            to = from;
        }
        rows[to] = std::move(carried);
    }
}

void Renumber(std::vector<NameRow>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].number = std::to_string(i + 1);
}

void PlaceRows(std::vector<NameRow>& rows, std::size_t firstRow, std::vector<NameRow>&& batch) {
    if (rows.size() < firstRow + batch.size()) rows.resize(firstRow + batch.size());
    std::move(batch.begin(), batch.end(), rows.begin() + static_cast<std::ptrdiff_t>(firstRow));
}

}  // namespace lumo
