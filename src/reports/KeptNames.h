#pragma once

#include <optional>
#include <string>
#include <vector>

#include "content/DataFolder.h"
#include "db/SqliteDatabase.h"
#include "db/UserMessage.h"
#include "generation/NameRow.h"
#include "reports/NameDetails.h"

// The name-scoring list and the naming records (RecordsList): lists whose 姓名 cell holds the
// family name, CR LF and the given name, so the family name can always be recovered.
namespace lumo {

struct NameParts {
    std::string family;
    std::string given;
};

// family + "\r\n" + given.
std::string KeptNameCell(const std::string& family, const std::string& given);

// 按钮_评分: refuses an empty family name ("请输入姓氏") or given name ("请输入名字") and one that
// is not made of Chinese characters (NameCheck); otherwise
// writes the report to temp.html and appends the name to the scoring list unless it is listed
// already. Answers true when the name was evaluated.
bool ScoreTypedName(SqliteDatabase& db, const std::string& family, const std::string& given,
                    std::vector<NameRow>& scoringList, const DataFolder& folder,
                    MessageSink& messages);

// The split of a generation-list 姓名 cell (family and given name joined directly) by the current
// text of 编辑框_姓氏: a text shorter than 3 bytes is a one-character family name (2 bytes), a
// longer one a two-character name (4 bytes). An empty family box or an empty given name after the
// split is refused with a message.
std::optional<NameParts> SplitGenerationCell(const std::string& familyBox, const std::string& cell,
                                             MessageSink& messages);

// The split of a kept-list 姓名 cell at its first CR LF. A cell without a line break (a damaged
// settings file) or with nothing on one side of it is refused with a message.
std::optional<NameParts> SplitKeptCell(const std::string& cell, MessageSink& messages);

// Double-click on a generation list: opens the name's details and adds it to the records when it
// is not there yet (columns 2..7 copied from the selected row). Nothing happens without a selected
// row or with an empty 姓名 cell.
std::optional<NameDetails> OpenFromGenerationList(SqliteDatabase& db, const NameRow* selected,
                                                  const std::string& familyBox,
                                                  std::vector<NameRow>& records,
                                                  const DataFolder& folder, MessageSink& messages);

// Double-click on the scoring list or the records: opens the name's details; adds nothing.
std::optional<NameDetails> OpenFromKeptList(SqliteDatabase& db, const NameRow* selected,
                                            const DataFolder& folder, MessageSink& messages);

// 删除记录: removes the selected row (none selected, an index out of range or an empty 姓名 cell
// do nothing) and renumbers the rest from 1. Answers true when a row was removed.
bool DeleteRecord(std::vector<NameRow>& records, int selectedIndex);

}  // namespace lumo
