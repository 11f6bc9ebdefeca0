#include "reports/NameDetails.h"

#include <vector>

#include "db/Gbk.h"
#include "numerology/Characters.h"
#include "reports/CharacterPages.h"
#include "reports/NameReport.h"

namespace lumo {

NameDetails ShowNameDetails(SqliteDatabase& db, const std::string& family, const std::string& given,
                            const std::string& captionName, const DataFolder& folder) {
    NameDetails d;
    d.evaluation = BuildNameReport(db, family, given, folder.File("temp.html"));
    d.caption = captionName + Gbk("姓名详细解释");
    std::vector<std::string> chars = SplitCharacters(family + given);
    for (std::size_t k = 1; k <= chars.size() && k <= d.tabs.size(); ++k) {
        CharacterPage(db, chars[k - 1], static_cast<int>(k), folder);
        d.tabs[k - 1] = chars[k - 1];
    }
    d.tabs[4] = Gbk("姓氏起源");
    SurnamePage(db, family, folder);
    return d;
}

}  // namespace lumo
