#pragma once

#include <array>
#include <string>

#include "content/DataFolder.h"
#include "db/SqliteDatabase.h"
#include "numerology/NameScore.h"

namespace lumo {

// What the detail window LumoConten shows for one name: tab 0 holds the report (temp.html), tabs
// 1 to 4 the characters (temp1.html …) and tab 5 the family-name page (temp5.html).
struct NameDetails {
    NameEvaluation evaluation;
    std::string caption;              // caption name + "姓名详细解释"
    std::array<std::string, 5> tabs;  // titles of tabs 1..5; an empty title is a hidden tab
};

// Builds the report, one page per character of family name + given name (at most the first
// five; the fifth tab then becomes the family-name tab) and the family-name page.
NameDetails ShowNameDetails(SqliteDatabase& db, const std::string& family, const std::string& given,
                            const std::string& captionName, const DataFolder& folder);

}  // namespace lumo
