#include "support/Fixture.h"

#include <atomic>
#include <chrono>

#include "db/Gbk.h"
#include "db/ReferenceLoader.h"
#include "db/ReferenceSchema.h"

namespace lumo::test {

TempDir::TempDir(const std::string& name) {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            (name + "-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

ReferenceFile::ReferenceFile(const std::string& path) {
    db_.Open(Utf8ToGbk(path), {}, true);
    for (const TableLayout& t : ReferenceTables()) db_.CreateTable(t.name, t.columns);
}

ReferenceFile::~ReferenceFile() { db_.Close(); }

void ReferenceFile::AddChar(const CharRow& r) {
    static int id = 0;
    db_.Finalize(db_.Query(
        Gbk("insert into LM_CNWord (Id, 汉字, 简体, 繁体, 简体笔画数, 繁体笔画数, 拼音2, 五行属性, 部首, 基本解释) "
            "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {SqlParam::Integer(++id), SqlParam::Text(Gbk(r.hanzi)), SqlParam::Text(Gbk(r.hanzi)),
         SqlParam::Text(Gbk(r.traditional)), SqlParam::Integer(r.simplified), SqlParam::Integer(r.kangxi),
         SqlParam::Text(Gbk(r.pinyin)), SqlParam::Text(Gbk(r.element)), SqlParam::Text(Gbk("水")),
         SqlParam::Text(Gbk("基本"))}));
}

void ReferenceFile::AddNumber(int id, const std::string& rating) {
    db_.Finalize(db_.Query(Gbk("insert into LM_八一灵动数 (Id, 吉凶, 解释一, 数理暗示) values (?, ?, ?, ?)"),
                           {SqlParam::Integer(id), SqlParam::Text(Gbk(rating)),
                            SqlParam::Text("title" + std::to_string(id)), SqlParam::Text("a|b")}));
}

void ReferenceFile::AddTalent(const std::string& key, const std::string& rating) {
    db_.Finalize(db_.Query(Gbk("insert into LM_三才配置 (Id, 三才, 吉凶, 解释一) values (?, ?, ?, ?)"),
                           {SqlParam::Integer(0), SqlParam::Text(Gbk(key)), SqlParam::Text(Gbk(rating)),
                            SqlParam::Text(Gbk(key))}));
}

void ReferenceFile::AddUniformRatings(const std::string& numberRating, const std::string& talentRating) {
    db_.BeginTransaction();
    for (int n = 1; n <= 81; ++n) AddNumber(n, numberRating);
    for (const auto& a : ElementsUtf8())
        for (const auto& b : ElementsUtf8())
            for (const auto& c : ElementsUtf8()) AddTalent(a + b + c, talentRating);
    db_.CommitTransaction();
}

void ReferenceFile::CompleteRatings() {
    auto missing = [this](const char* sql, SqlParam key) {
        Statement st = db_.Query(Gbk(sql), {std::move(key)});
        bool none = db_.ColumnInt(st, 0) == 0;
        db_.Finalize(st);
        return none;
    };
    for (int n = 1; n <= 81; ++n)
        if (missing("select count(*) from LM_八一灵动数 where Id=?", SqlParam::Integer(n)))
            AddNumber(n, "吉");
    for (const auto& a : ElementsUtf8())
        for (const auto& b : ElementsUtf8())
            for (const auto& c : ElementsUtf8())
                if (missing("select count(*) from LM_三才配置 where 三才=?",
                            SqlParam::Text(Gbk(a + b + c))))
                    AddTalent(a + b + c, "吉");
}

bool LoadFile(SqliteDatabase& db, const std::string& path, RecordingSink* sink) {
    RecordingSink local;
    ReferencePaths paths{"", Utf8ToGbk(path)};
    return LoadReferenceData(db, paths, sink ? *sink : local);
}

const std::vector<std::string>& ElementsUtf8() {
    static const std::vector<std::string> e = {"金", "木", "水", "火", "土"};
    return e;
}

}  // namespace lumo::test
