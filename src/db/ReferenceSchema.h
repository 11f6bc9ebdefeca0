#pragma once

#include <string>
#include <vector>

#include "db/SqliteDatabase.h"

namespace lumo {

// One reference table: its name and its columns in `select *` order. Names are GBK.
struct TableLayout {
    std::string name;
    std::vector<ColumnDef> columns;
};

// The nine reference tables in creation and copy order:
// LM_CNWord, LM_三才配置, LM_八一灵动数, LM_EName, LM_Poet, LM_全唐诗, LM_育儿百科, LM_算命风水,
// LM_百家姓. The two article tables share one column list. This is the only definition of the
// layouts: the loader, the reference-data builder and the tests all take them from here.
const std::vector<TableLayout>& ReferenceTables();

// Tables added beside the nine, in creation and copy order: LM_用字注记, LM_诗词注记. They are built, copied and
// looked up like the nine, but listed apart so that the nine keep their designed layouts. A
// database file without them still loads; its characters and poems then carry no notes.
const std::vector<TableLayout>& SupplementTables();

// The layout of one table (of the nine or the supplements) by its GBK name, or nullptr.
const TableLayout* FindReferenceTable(const std::string& name);

// Column positions that readers use, so that no reader counts columns by hand.
namespace cnword {
enum : int {
    kId = 0,
    kCode,
    kHanzi,
    kSimplified,
    kTraditional,
    kSimplifiedStrokes,
    kKangxiStrokes,
    kPinyin1,
    kPinyin2,
    kInitial,
    kFinal,
    kRadical,
    kElement,
    kWubi,
    kBasic,
    kDetail,
};
}
namespace talents {
enum : int {
    kId = 0,
    kKey,
    kRating,
    kText1,
    kText2,
    kSummary /* 总论 */,
    kFirstDetail /* 性格 */,
    kLast = 20
};
}
namespace numbers {
enum : int {
    kId = 0,
    kRating,
    kText1,
    kText2,
    kText3,
    kFoundation,
    kFamily,
    kHealth,
    kMeaning,
    kHint
};
}
namespace ename {
enum : int {
    kId = 0,
    kIndex,
    kIndex2,
    kName,
    kNameLength,
    kSex,
    kCnword,
    kMorphology,
    kLanguage,
    kMean
};
}
namespace poet {
enum : int { kId = 0, kPoet, kPoemCount, kOrderId };
}
namespace poem {
enum : int { kId = 0, kTitle, kAuthor, kContent, kInitials, kLength };
}
namespace article {
enum : int { kId = 0, kCategoryId, kCategory, kTitle, kContent };
}
namespace charnote {
// 五行来源: 审定 (the reviewed naming table), 规则 (the radical or sound rule), 例外 (a reviewed
// exception of the rule). 不宜取名: why the character is unsuitable for a given name, or empty.
enum : int { kId = 0, kHanzi, kElementOrigin, kUnsuitable };
}  // namespace charnote
namespace poemnote {
// Id: the poem's Id in LM_全唐诗. 注记: the editors' remarks and variant readings that the source
// printed inside the verse, one a line, each led by the words it follows (「逻人」一作「叉」).
enum : int { kId = 0, kNotes };
}  // namespace poemnote
namespace surname {
enum : int { kId = 0, kSurname, kOrigin, kRegions, kFamous };
}

}  // namespace lumo
