#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

// Readers of the English-name sources: the name lists of the npm packages and our own tables
// under refdata/english/. Each answers false with the file and line of the first bad row.
namespace lumo::refdb {

// The language of origin, the form (原名, 昵称 …) and a short meaning of a common name.
struct NameNotes {
    std::string name;
    std::string language;
    std::string morphology;
    std::string meaning;
};

// One name a line: letters, with a hyphen between the parts of a double name.
bool ReadNameList(const std::filesystem::path& path, std::vector<std::string>& names,
                  std::string& error);

// transliterations.tsv: Name<TAB>Chinese, the reviewed transliterations of common names.
bool ReadReviewedTransliterations(const std::filesystem::path& path,
                                  std::map<std::string, std::string>& out, std::string& error);

// meanings.tsv: Name<TAB>Languag<TAB>Morphology<TAB>Mean, the most common names first.
bool ReadNameNotes(const std::filesystem::path& path, std::vector<NameNotes>& out,
                   std::string& error);

}  // namespace lumo::refdb
