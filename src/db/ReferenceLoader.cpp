#include "db/ReferenceLoader.h"

#include <filesystem>
#include <system_error>

#include "db/Gbk.h"
#include "db/ReferenceSchema.h"

namespace lumo {
namespace {

void ShowError(MessageSink& messages, const std::string& text) {
    messages.Show(UserMessage{text, Gbk("信息："), MessageIcon::Error});
}

bool AttachedHasTable(SqliteDatabase& db, const std::string& name) {
    Statement st =
        db.Query("select count(*) from new_db.sqlite_master where type='table' and name=?",
                 {SqlParam::Text(name)});
    bool found = db.ColumnInt(st, 0) > 0;
    db.Finalize(st);
    return found;
}

std::string CorruptFileMessage(const ReferencePaths& paths) {
    return Gbk("数据文件已损坏或不是 Lumo 的数据文件：") + paths.databasePath;
}

// Answers -1 when the query fails (the file is no database at all).
int AttachedTableCount(SqliteDatabase& db) {
    Statement st = db.Query("select count(*) from new_db.sqlite_master where type='table'");
    int n = st ? db.ColumnInt(st, 0) : -1;
    db.Finalize(st);
    return n;
}

// The first row of a query as texts, or nothing.
std::optional<std::vector<std::string>> FirstRow(SqliteDatabase& db, const char* utf8Sql,
                                                 int columns) {
    Statement st = db.Query(Gbk(utf8Sql));
    std::optional<std::vector<std::string>> row;
    if (st && !db.ColumnText(st, 0).empty()) {
        row.emplace();
        for (int i = 0; i < columns; ++i) row->push_back(db.ColumnText(st, i));
    }
    db.Finalize(st);
    return row;
}

int Count(SqliteDatabase& db, const char* utf8Sql) {
    Statement st = db.Query(Gbk(utf8Sql));
    int n = db.ColumnInt(st, 0);
    db.Finalize(st);
    return n;
}

}  // namespace

std::optional<std::string> ReferenceDataProblem(SqliteDatabase& db) {
    const int numbers =
        Count(db, "select count(distinct Id) from LM_八一灵动数 where Id between 1 and 81");
    if (numbers != 81)
        return Gbk("八十一数理表应有 81 个数，只有 ") + std::to_string(numbers) + Gbk(" 个");
    const int talents =
        Count(db,
              "select count(distinct 三才) from LM_三才配置 where length(三才) = 3 and "
              "replace(replace(replace(replace(replace(三才,'金',''),'木',''),'水',''),'火',''),'"
              "土','') = ''");
    if (talents != 125)
        return Gbk("三才配置表应有 125 种配置，只有 ") + std::to_string(talents) + Gbk(" 种");
    // typeof() tells a text or a NULL from a number: the column's affinity has already turned
    // numeric texts into integers.
    if (auto row =
            FirstRow(db,
                     "select 汉字, quote(简体笔画数), quote(繁体笔画数) from LM_CNWord where not "
                     "(typeof(简体笔画数) = 'integer' and 简体笔画数 between 1 and 64 and "
                     "typeof(繁体笔画数) = 'integer' and 繁体笔画数 between 1 and 64) limit 1",
                     3))
        return Gbk("字库中“") + (*row)[0] + Gbk("”的笔画数（") + (*row)[1] + Gbk("，") + (*row)[2] +
               Gbk("）不是 1 至 64 之间的整数");
    if (auto row = FirstRow(db,
                            "select 汉字, 五行属性 from LM_CNWord where 五行属性 is not null and "
                            "五行属性 <> '' and 五行属性 not in ('金','木','水','火','土') limit 1",
                            2))
        return Gbk("字库中“") + (*row)[0] + Gbk("”的五行“") + (*row)[1] +
               Gbk("”不是金木水火土之一");
    return std::nullopt;
}

ReferencePaths ReferencePathsIn(const std::string& dataFolder) {
    return {dataFolder + "/sqlite3.dll", dataFolder + "/namedata.db"};
}

bool LoadReferenceData(SqliteDatabase& db, const ReferencePaths& paths, MessageSink& messages) {
    std::vector<TableLayout> tables = ReferenceTables();
    const std::size_t designed = tables.size();
    tables.insert(tables.end(), SupplementTables().begin(), SupplementTables().end());

    if (!db.Open({}, {}, false, paths.libraryPath)) {
        ShowError(messages, Gbk("打开内存数据库失败！"));
        return false;
    }
    std::string error;
    for (const TableLayout& t : tables) {
        if (!db.CreateTable(t.name, t.columns, &error)) {
            db.Close();
            ShowError(messages, error);
            return false;
        }
    }
    if (!db.AttachDatabase(paths.databasePath, "new_db", &error)) {
        // A file that is there but does not attach holds something other than a database.
        std::error_code ec;
        ShowError(messages, std::filesystem::is_regular_file(GbkToUtf8(paths.databasePath), ec)
                                ? CorruptFileMessage(paths)
                                : Gbk("将磁盘数据库附加到内存数据库失败！"));
        db.Close();
        return false;
    }
    // An empty file attaches as an empty database, other bytes fail at the first query.
    if (AttachedTableCount(db) <= 0 || !AttachedHasTable(db, Gbk("LM_CNWord"))) {
        db.DetachDatabase("new_db");
        db.Close();
        ShowError(messages, CorruptFileMessage(paths));
        return false;
    }
    db.BeginTransaction();
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const TableLayout& t = tables[i];
        // A file from before the supplements leaves them empty rather than failing the load.
        if (i >= designed && !AttachedHasTable(db, t.name)) continue;
        // Table names are our own constants, never user text.
        if (!db.Exec("insert into " + t.name + " select * from new_db." + t.name, &error)) {
            db.RollbackTransaction();
            db.Close();
            ShowError(messages, error);
            return false;
        }
    }
    db.CommitTransaction();
    db.DetachDatabase("new_db");
    if (std::optional<std::string> problem = ReferenceDataProblem(db)) {
        db.Close();
        ShowError(messages, Gbk("数据文件有误：") + paths.databasePath + Gbk("（") + *problem +
                                Gbk("）。不能用它评分，请重新安装软件的数据文件。"));
        return false;
    }
    // Indexes go in after the rows: building them once is cheaper than maintaining them per row.
    for (const char* sql : {"create index NewIndex1 on LM_CNWord(汉字 ASC)",
                            "create index NumberIndex on LM_八一灵动数(Id ASC)",
                            "create index TalentIndex on LM_三才配置(三才 ASC)"}) {
        db.Finalize(db.Query(Gbk(sql)));
    }
    return true;
}

}  // namespace lumo
