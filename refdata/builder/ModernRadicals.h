#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <string>

#include "UnihanData.h"

// The radical a modern dictionary shows for a simplified character (部首): the radical of
// kRSUnicode, which follows the modern dictionaries' placement, written in the shape it takes in
// the character — 钅 for 锦, 车 for 轩, 讠 for 话, 纟 for 红 (Unihan marks these simplified
// shapes with an apostrophe; CJKRadicals.txt names them), 氵 for 河, 扌 for 打, 艹 for 草, 亻 for
// 你 (positional shapes, told from where the radical's strokes stand in cnchar-data's stroke
// drawings), and the modern glyph of an old-form name (青 for 靑, 黄 for 黃).
namespace lumo::refdb {

class ModernRadicals {
  public:
    // `unicodeDir` holds CJKRadicals.txt; `drawDir` cnchar-data's draw/<字>.json files.
    bool Load(const std::filesystem::path& unicodeDir, const std::filesystem::path& drawDir,
              std::string& error);

    // UTF-8; empty when Unihan has no radical for the character.
    std::string Of(const Unihan& unihan, char32_t cp) const;

  private:
    enum class Place { Unknown, Left, Right, Top, Bottom, BottomFlat, Whole };
    Place PlaceOf(char32_t cp) const;

    std::map<int, std::string> full_, simplified_;  // radical number → unified ideograph
    std::filesystem::path drawDir_;
};

}  // namespace lumo::refdb
