#include "db/SqliteDatabase.h"

#include <sqlite3.h>

#include <cctype>

#include "db/Gbk.h"

namespace lumo {
namespace {

const char* TypeName(int type) {
    switch (type) {
        case kByte: return "Byte";
        case kSmallint: return "Smallint";
        case kInteger: return "Integer";
        case kBigInt: return "BigInt";
        case kDecimal: return "Decimal";
        case kDouble: return "Double";
        case kBit: return "Bit";
        case kDateTime: return "DateTime";
        case kVarChar: return "VarChar";
        case kBlob: return "Blob";
        case kText: return "Text";
        default: return "";
    }
}

std::string FlagsText(int flags) {
    std::string text;
    if (flags & kPrimaryKey) text += "Primary Key";
    if (flags & kAutoIncrement) text += " AutoIncrement";
    if (flags & kNotNull) text += " Not Null";
    return text;
}

bool IsIdentifier(const std::string& s) {
    if (s.empty()) return false;
    for (unsigned char c : s)
        if (!(std::isalnum(c) || c == '_')) return false;
    return true;
}

bool Bind(sqlite3_stmt* st, int index, const SqlParam& p) {
    switch (p.kind) {
        case SqlParam::Kind::Integer:
            return sqlite3_bind_int64(st, index, p.integer) == SQLITE_OK;
        case SqlParam::Kind::Blob:
            return sqlite3_bind_blob(st, index, p.bytes.data(), static_cast<int>(p.bytes.size()),
                                     SQLITE_TRANSIENT) == SQLITE_OK;
        case SqlParam::Kind::Text: {
            std::string utf8 = GbkToUtf8(p.bytes);
            return sqlite3_bind_text(st, index, utf8.data(), static_cast<int>(utf8.size()),
                                     SQLITE_TRANSIENT) == SQLITE_OK;
        }
    }
    return false;
}

}  // namespace

SqliteDatabase::~SqliteDatabase() { Close(); }

bool SqliteDatabase::Open(const std::string& fileName, const std::string& key, bool create,
                          const std::string& /*libraryPath*/) {
    // Three threads share the one connection; that is only safe in serialized mode.
    if (sqlite3_threadsafe() == 0) return false;
    std::string name = fileName.empty() ? std::string(":memory:") : GbkToUtf8(fileName);
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX | SQLITE_OPEN_URI;
    if (create) flags |= SQLITE_OPEN_CREATE;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(name.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(db);
        return false;
    }
    (void)key;  // no encryption-capable SQLite here; the program never passes a key
    sqlite3* old = connection_.exchange(db);
    if (old) sqlite3_close_v2(old);
    return true;
}

bool SqliteDatabase::Close() {
    sqlite3* db = connection_.exchange(nullptr);
    if (!db) return false;
    // close_v2 defers the real close until statements still held by another thread are
    // finalised, so a failed load on one thread cannot pull the connection from under a reader.
    return sqlite3_close_v2(db) == SQLITE_OK;
}

std::string SqliteDatabase::LastError() const {
    sqlite3* db = connection_.load();
    return db ? Utf8ToGbk(sqlite3_errmsg(db)) : std::string();
}

bool SqliteDatabase::Exec(const std::string& sql, std::string* error) {
    if (error) error->clear();
    sqlite3* db = connection_.load();
    if (!db) return false;
    std::string utf8 = GbkToUtf8(sql);
    char* message = nullptr;
    int rc = sqlite3_exec(db, utf8.c_str(), nullptr, nullptr, &message);
    if (error && message) *error = Utf8ToGbk(message);
    sqlite3_free(message);
    return rc == SQLITE_OK;
}

Statement SqliteDatabase::Query(const std::string& sql, const std::vector<SqlParam>& params) {
    sqlite3* db = connection_.load();
    if (!db) return nullptr;
    std::string utf8 = GbkToUtf8(sql);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, utf8.data(), static_cast<int>(utf8.size()), &st, nullptr) != SQLITE_OK ||
        st == nullptr) {
        sqlite3_finalize(st);
        return nullptr;
    }
    for (std::size_t i = 0; i < params.size(); ++i) {
        if (!Bind(st, static_cast<int>(i) + 1, params[i])) return st;  // unstepped, as a bind failure
    }
    sqlite3_step(st);
    return st;
}

bool SqliteDatabase::Finalize(Statement statement) {
    if (!statement) return false;
    return sqlite3_finalize(statement) == SQLITE_OK;
}

bool SqliteDatabase::NextRow(Statement statement) {
    if (!statement) return false;
    return sqlite3_step(statement) == SQLITE_ROW;
}

std::string SqliteDatabase::ColumnText(Statement statement, int index) {
    if (!statement || sqlite3_data_count(statement) == 0) return {};
    const unsigned char* text = sqlite3_column_text(statement, index);
    if (!text) return {};
    int bytes = sqlite3_column_bytes(statement, index);
    return Utf8ToGbk(std::string_view(reinterpret_cast<const char*>(text), static_cast<std::size_t>(bytes)));
}

int SqliteDatabase::ColumnInt(Statement statement, int index) {
    if (!statement || sqlite3_data_count(statement) == 0) return 0;
    return sqlite3_column_int(statement, index);
}

std::string SqliteDatabase::CreateTableSql(const std::string& name, const std::vector<ColumnDef>& columns) {
    std::string sql = "create table " + name;
    if (columns.empty()) return sql;
    sql += " (";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ColumnDef& c = columns[i];
        if (i) sql += ",";
        sql += c.name + " " + TypeName(c.type);
        if (c.size != 0) sql += "(" + std::to_string(c.size) + ")";
        if (c.flags != 0) sql += " " + FlagsText(c.flags);
        if (!c.defaultValue.empty()) sql += " Default " + c.defaultValue;
    }
    sql += ")";
    return sql;
}

bool SqliteDatabase::CreateTable(const std::string& name, const std::vector<ColumnDef>& columns,
                                 std::string* error) {
    return Exec(CreateTableSql(name, columns), error);
}

bool SqliteDatabase::BeginTransaction() { return Exec("BEGIN"); }
bool SqliteDatabase::CommitTransaction() { return Exec("COMMIT"); }
bool SqliteDatabase::RollbackTransaction() { return Exec("ROLLBACK"); }

bool SqliteDatabase::AttachDatabase(const std::string& path, const std::string& alias, std::string* error) {
    if (error) error->clear();
    sqlite3* db = connection_.load();
    if (!db) return false;
    if (!IsIdentifier(alias)) {
        if (error) *error = "invalid database alias";
        return false;
    }
    Statement st = nullptr;
    std::string sql = "Attach Database ? as " + alias;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        if (error) *error = LastError();
        sqlite3_finalize(st);
        return false;
    }
    std::string utf8 = GbkToUtf8(path);
    sqlite3_bind_text(st, 1, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    int rc = sqlite3_step(st);
    if (rc != SQLITE_DONE && error) *error = LastError();
    sqlite3_finalize(st);
    return rc == SQLITE_DONE;
}

bool SqliteDatabase::DetachDatabase(const std::string& alias, std::string* error) {
    if (!IsIdentifier(alias)) {
        if (error) *error = "invalid database alias";
        return false;
    }
    return Exec("Detach Database " + alias, error);
}

}  // namespace lumo
