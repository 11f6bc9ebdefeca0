#pragma once

#include <optional>
#include <string>

#include "db/SqliteDatabase.h"
#include "db/UserMessage.h"

namespace lumo {

// Where the loader finds its files; both GBK paths.
struct ReferencePaths {
    std::string libraryPath;   // <program>/data/sqlite3.dll; kept for the signature, SQLite is linked
    std::string databasePath;  // <program>/data/namedata.db
};

ReferencePaths ReferencePathsIn(const std::string& dataFolder);

// Copies the nine reference tables of the database file into a fresh in-memory database held by
// `db`, then indexes them. Meant to run on a thread of its own while the program is already in
// use: queries made meanwhile see tables that are missing, empty or completely copied.
// Failures are shown through `messages` (title "信息：", error icon) and leave `db` closed: a file
// that is empty or no SQLite database ("数据文件已损坏或不是 Lumo 的数据文件"), and data that
// ReferenceDataProblem finds wrong, so that nothing is ever scored with it.
// Answers true when the copy was committed and checked.

// What is wrong with loaded reference data, in a GBK sentence, or nothing: the 81 numbers and the
// 125 three-talent keys must all be there, every character's stroke counts must be whole numbers
// from 1 to 64 and its element one of 金木水火土 (or empty: the character is then unlisted).
std::optional<std::string> ReferenceDataProblem(SqliteDatabase& db);
bool LoadReferenceData(SqliteDatabase& db, const ReferencePaths& paths, MessageSink& messages);

}  // namespace lumo
