#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace lumo {

// A prepared statement handed out by Query; nullptr stands for "no statement".
// The caller owns it and releases it with Finalize before returning.
using Statement = sqlite3_stmt*;

// ColumnDef::type codes; 9 (and any other value) writes no type name.
enum ColumnType : int {
    kByte = 1, kSmallint = 2, kInteger = 3, kBigInt = 4, kDecimal = 5, kDouble = 6,
    kBit = 7, kDateTime = 8, kVarChar = 10, kBlob = 11, kText = 12,
};

// ColumnDef::flags bits.
enum ColumnFlags : int { kPrimaryKey = 1, kAutoIncrement = 2, kNotNull = 4 };

struct ColumnDef {
    std::string name;  // GBK, written into the SQL unchanged
    int type = 0;
    int size = 0;
    int flags = 0;
    std::string defaultValue;  // written unchanged; empty means none
};

// A value bound to the next "?" of a query. Keys that come from users, lists or the database are
// always bound, never spliced into SQL text.
struct SqlParam {
    enum class Kind { Text, Integer, Blob } kind = Kind::Text;
    std::string bytes;  // Text: GBK (converted on binding); Blob: raw bytes
    std::int64_t integer = 0;

    static SqlParam Text(std::string gbk) { return {Kind::Text, std::move(gbk), 0}; }
    static SqlParam Integer(std::int64_t v) { return {Kind::Integer, {}, v}; }
    static SqlParam Blob(std::string raw) { return {Kind::Blob, std::move(raw), 0}; }
};

// Thin wrapper over one SQLite connection. Texts in and out are GBK; SQLite sees UTF-8.
// Failures never throw: false, nullptr, empty text or 0, plus SQLite's message where asked for.
// The connection is opened in serialized mode, so one object may serve several threads as long as
// each caller prepares, reads and finalises its own statements.
class SqliteDatabase {
public:
    SqliteDatabase() = default;
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // libraryPath is accepted for callers that name a library file; SQLite is linked in, so it
    // only has to be empty or name a path (it is not loaded).
    bool Open(const std::string& fileName = {}, const std::string& key = {}, bool create = false,
              const std::string& libraryPath = {});
    bool Close();
    bool IsOpen() const { return connection_.load() != nullptr; }

    bool Exec(const std::string& sql, std::string* error = nullptr);

    // Prepares, binds the parameters in order and steps once. Answers the statement standing on
    // its first row (or past the end when there is none), or nullptr when the SQL does not prepare.
    Statement Query(const std::string& sql, const std::vector<SqlParam>& params = {});
    bool Finalize(Statement statement);
    bool NextRow(Statement statement);
    std::string ColumnText(Statement statement, int index);
    int ColumnInt(Statement statement, int index);

    bool CreateTable(const std::string& name, const std::vector<ColumnDef>& columns,
                     std::string* error = nullptr);
    static std::string CreateTableSql(const std::string& name, const std::vector<ColumnDef>& columns);

    bool BeginTransaction();
    bool CommitTransaction();
    bool RollbackTransaction();

    // The path is bound as a parameter, so any file name attaches, apostrophes included.
    // The alias must be a plain identifier (letters, digits, "_").
    bool AttachDatabase(const std::string& path, const std::string& alias, std::string* error = nullptr);
    bool DetachDatabase(const std::string& alias, std::string* error = nullptr);

private:
    std::string LastError() const;

    std::atomic<sqlite3*> connection_{nullptr};
};

}  // namespace lumo
