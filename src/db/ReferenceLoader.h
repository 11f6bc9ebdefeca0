#pragma once

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
// Failures are shown through `messages` (title "信息：", error icon) and leave `db` closed.
// Answers true when the copy was committed.
bool LoadReferenceData(SqliteDatabase& db, const ReferencePaths& paths, MessageSink& messages);

}  // namespace lumo
