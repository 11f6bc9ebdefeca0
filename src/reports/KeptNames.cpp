#include "reports/KeptNames.h"

#include "content/GbkText.h"
#include "db/Gbk.h"
#include "numerology/NameCheck.h"
#include "reports/NameReport.h"

namespace lumo {
namespace {

const std::string kLineBreak = "\r\n";

void Tell(MessageSink& messages, const std::string& gbkText) {
    messages.Show({gbkText, Gbk("提示"), MessageIcon::Information});
}

bool ListsName(const std::vector<NameRow>& rows, const std::string& cell) {
    for (const NameRow& r : rows)
        if (r.name == cell) return true;
    return false;
}

}  // namespace

std::string KeptNameCell(const std::string& family, const std::string& given) {
    return family + kLineBreak + given;
}

bool ScoreTypedName(SqliteDatabase& db, const std::string& family, const std::string& given,
                    std::vector<NameRow>& scoringList, const DataFolder& folder,
                    MessageSink& messages) {
    if (family.empty()) {
        Tell(messages, Gbk("请输入姓氏"));
        return false;
    }
    if (given.empty()) {
        Tell(messages, Gbk("请输入名字"));
        return false;
    }
    for (const auto& problem : {FamilyNameProblem(family), GivenNameProblem(given)}) {
        if (!problem) continue;
        messages.Show({*problem, Gbk("提示"), MessageIcon::Warning});
        return false;
    }
    NameEvaluation e = BuildNameReport(db, family, given, folder.File("temp.html"));
    std::string cell = KeptNameCell(family, given);
    if (ListsName(scoringList, cell)) return true;
    NameRow row = MakeNameRow(scoringList.size() + 1, family, given, e);
    row.name = cell;
    scoringList.push_back(std::move(row));
    return true;
}

std::optional<NameParts> SplitGenerationCell(const std::string& familyBox, const std::string& cell,
                                             MessageSink& messages) {
    if (familyBox.empty()) {
        Tell(messages, Gbk("请输入姓氏"));
        return std::nullopt;
    }
    std::size_t cut = familyBox.size() < 3 ? 2 : 4;
    std::string given = cell.size() > cut ? cell.substr(cut) : std::string();
    if (given.empty()) {
        Tell(messages,
             Gbk("去掉姓氏“") + familyBox + Gbk("”后名字为空，请检查姓氏输入框中的姓氏。"));
        return std::nullopt;
    }
    return NameParts{familyBox, given};
}

std::optional<NameParts> SplitKeptCell(const std::string& cell, MessageSink& messages) {
    std::size_t at = gbk::Find(cell, kLineBreak);
    NameParts parts;
    if (at != std::string::npos) parts = {cell.substr(0, at), cell.substr(at + kLineBreak.size())};
    if (at == std::string::npos || parts.family.empty() || parts.given.empty()) {
        Tell(messages, Gbk("这条记录的姓名无法分出姓氏和名字，不能打开。"));
        return std::nullopt;
    }
    return parts;
}

std::optional<NameDetails> OpenFromGenerationList(SqliteDatabase& db, const NameRow* selected,
                                                  const std::string& familyBox,
                                                  std::vector<NameRow>& records,
                                                  const DataFolder& folder, MessageSink& messages) {
    if (!selected || selected->name.empty()) return std::nullopt;
    std::optional<NameParts> parts = SplitGenerationCell(familyBox, selected->name, messages);
    if (!parts) return std::nullopt;
    NameDetails details = ShowNameDetails(db, parts->family, parts->given, selected->name, folder);
    std::string cell = KeptNameCell(parts->family, parts->given);
    if (!ListsName(records, cell)) {
        NameRow record = *selected;
        record.number = std::to_string(records.size() + 1);
        record.name = cell;
        records.push_back(std::move(record));
    }
    return details;
}

std::optional<NameDetails> OpenFromKeptList(SqliteDatabase& db, const NameRow* selected,
                                            const DataFolder& folder, MessageSink& messages) {
    if (!selected || selected->name.empty()) return std::nullopt;
    std::optional<NameParts> parts = SplitKeptCell(selected->name, messages);
    if (!parts) return std::nullopt;
    return ShowNameDetails(db, parts->family, parts->given, selected->name, folder);
}

bool DeleteRecord(std::vector<NameRow>& records, int selectedIndex) {
    if (selectedIndex < 0 || static_cast<std::size_t>(selectedIndex) >= records.size())
        return false;
    if (records[selectedIndex].name.empty()) return false;
    records.erase(records.begin() + selectedIndex);
    for (std::size_t i = 0; i < records.size(); ++i) records[i].number = std::to_string(i + 1);
    return true;
}

}  // namespace lumo
