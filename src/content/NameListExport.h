#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "generation/NameRow.h"

namespace lumo {

// The text of a list export: the header line "编号    姓名 …    评分" and one line per row, cells
// joined by four spaces, lines ended by CR LF; the rows stop at the first one whose 编号 is empty
// (the reserved rows of a list still being filled).
std::string NameListText(const std::vector<NameRow>& rows);

// Writes NameListText to the file (NameList.txt, 100NameList.txt), replacing it whole.
bool ExportNameList(const std::vector<NameRow>& rows, const std::filesystem::path& file);

// Writes the classic names' edit-box text byte for byte (ClassNameList.txt), replacing the file.
bool ExportClassicNames(const std::string& text, const std::filesystem::path& file);

}  // namespace lumo
