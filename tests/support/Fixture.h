#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "db/SqliteDatabase.h"
#include "db/UserMessage.h"

namespace lumo::test {

// A fresh folder under the system temp directory, removed with the object.
class TempDir {
public:
    explicit TempDir(const std::string& name = "lumo");
    ~TempDir();
    const std::filesystem::path& path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// A character row for LM_CNWord; texts UTF-8.
struct CharRow {
    std::string hanzi;
    int simplified = 0;
    int kangxi = 0;
    std::string element;
    std::string traditional = {};
    std::string pinyin = {};
};

// Writes a reference database file with the nine tables (optionally leaving some out) and the
// given rows. 81-number rows get rating `numberRating(n)`; every three-talent key gets `talentRating`.
class ReferenceFile {
public:
    explicit ReferenceFile(const std::string& path);
    ~ReferenceFile();
    void AddChar(const CharRow& row);
    void AddNumber(int id, const std::string& ratingUtf8);
    void AddTalent(const std::string& keyUtf8, const std::string& ratingUtf8);
    // Fills all 81 numbers and all 125 keys with one rating each.
    void AddUniformRatings(const std::string& numberRatingUtf8, const std::string& talentRatingUtf8);
    // Adds the numbers and keys that are not there yet, rated 吉, so that a file made for other
    // tables passes the loader's check of the rating tables.
    void CompleteRatings();
    SqliteDatabase& db() { return db_; }

private:
    SqliteDatabase db_;
};

// Records loader messages instead of showing them.
class RecordingSink : public MessageSink {
public:
    void Show(const UserMessage& m) override { messages.push_back(m); }
    std::vector<UserMessage> messages;
};

// Loads a reference file into `db` (in memory); fails the test when loading fails.
bool LoadFile(SqliteDatabase& db, const std::string& path, RecordingSink* sink = nullptr);

// The five element characters in UTF-8, in 金木水火土 order.
const std::vector<std::string>& ElementsUtf8();

}  // namespace lumo::test
