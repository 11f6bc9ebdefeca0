#include "generation/ClassicNames.h"

#include "generation/NameLists.h"
#include "generation/NamePools.h"
#include "numerology/Characters.h"

namespace lumo {
namespace {

std::vector<std::string> ListItems(const std::string& list) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t comma; (comma = list.find(',', start)) != std::string::npos; start = comma + 1)
        if (comma > start) items.push_back(list.substr(start, comma - start));
    if (start < list.size()) items.push_back(list.substr(start));
    return items;
}

}  // namespace

std::vector<std::string> ClassicEntries(Sex sex, int nameLength) {
    if (nameLength == 2)
        return ListItems(sex == Sex::Male ? MaleGivenNameList() : FemaleGivenNameList());
    return SplitCharacters(sex == Sex::Male ? MaleClassicPool() : FemaleClassicPool());
}

std::string LayOutClassicNames(const std::vector<std::string>& entries, int nameLength,
                               const std::string& family) {
    const bool twoChars = nameLength == 2;
    const std::string separator = twoChars ? "  " : "   ";
    const std::size_t perLine = twoChars ? 14 : 16;
    std::string text;
    text.reserve(entries.size() * (family.size() + 4 + separator.size()) +
                 entries.size() / perLine * 4);
    for (std::size_t i = 1; i <= entries.size(); ++i) {
        text += family;
        text += entries[i - 1];
        text += separator;
        if (i % perLine == 0) text += "\r\n\r\n";
    }
    return text;
}

std::string ClassicText(Sex sex, int nameLength, const std::string& family) {
    std::vector<std::string> entries = ClassicEntries(sex, nameLength);
    ShuffleCharacters(entries);
    return LayOutClassicNames(entries, nameLength, family);
}

}  // namespace lumo
