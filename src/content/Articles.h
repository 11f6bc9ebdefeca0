#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "db/SqliteDatabase.h"

// The article reader's queries and page. Only the two article tables can be read: a table name is
// never spliced from anything but these constants, and the category and title keys are bound.
namespace lumo {

enum class ArticleTable { Parenting /* 育儿百科 */, Fortune /* 算命风水 */ };

// The table for a name without prefix ("育儿百科", "算命风水", GBK); nothing for any other text.
std::optional<ArticleTable> ArticleTableNamed(const std::string& name);

// The titles of a category's articles, in query order. An empty category gives no titles.
std::vector<std::string> ArticleTitles(SqliteDatabase& db, ArticleTable table,
                                       const std::string& categoryTitle);

// The number of articles of the table.
int ArticleCount(SqliteDatabase& db, ArticleTable table);

// The article page of a title: the first row with that title in the table (not limited to the
// category); a missing article gives the title as heading and an empty body.
std::string ArticlePage(SqliteDatabase& db, ArticleTable table, const std::string& title);

// Writes ArticlePage to the file (temp.html of the data folder); a failed write is not reported.
bool WriteArticlePage(SqliteDatabase& db, ArticleTable table, const std::string& title,
                      const std::filesystem::path& file);

}  // namespace lumo
