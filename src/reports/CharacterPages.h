#pragma once

#include <string>

#include "content/DataFolder.h"
#include "db/SqliteDatabase.h"

namespace lumo {

// The dictionary page of one character from its LM_CNWord row (GBK). The key is the whole text,
// bound to the query, so any text is safe to look up; no row gives the labels with empty values.
std::string CharacterPageText(SqliteDatabase& db, const std::string& character);

// Writes the character page of position n (1, 2 …) to temp<n>.html of the data folder; answers 1.
int CharacterPage(SqliteDatabase& db, const std::string& character, int n,
                  const DataFolder& folder);

// The family-name page from its LM_百家姓 row (GBK).
std::string SurnamePageText(SqliteDatabase& db, const std::string& familyName);

// Writes the family-name page to temp5.html of the data folder.
void SurnamePage(SqliteDatabase& db, const std::string& familyName, const DataFolder& folder);

// The 汉字查询 dialog's 查询: writes the page of the whole typed text to temp.html and answers the
// viewer's caption, " 汉字[ " + text + " ]的详细解释".
std::string LookUpCharacter(SqliteDatabase& db, const std::string& typedText,
                            const DataFolder& folder);

}  // namespace lumo
