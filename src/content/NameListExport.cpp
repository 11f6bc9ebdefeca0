#include "content/NameListExport.h"

#include "content/FileOutput.h"
#include "db/Gbk.h"

namespace lumo {

std::string NameListText(const std::vector<NameRow>& rows) {
    const std::string gap = "    ";
    std::string text =
        Gbk("编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分") + "\r\n";
    for (const NameRow& row : rows) {
        if (row.number.empty()) break;
        for (int column = 0; column < NameRow::kColumns; ++column)
            text += (column ? gap : "") + row.Column(column);
        text += "\r\n";
    }
    return text;
}

bool ExportNameList(const std::vector<NameRow>& rows, const std::filesystem::path& file) {
    return WriteFileAtomically(file, NameListText(rows));
}

bool ExportClassicNames(const std::string& text, const std::filesystem::path& file) {
    return WriteFileAtomically(file, text);
}

}  // namespace lumo
