#include "db/ReferenceLoader.h"

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

}  // namespace

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
        ShowError(messages, Gbk("将磁盘数据库附加到内存数据库失败！"));
        db.Close();
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
    // Indexes go in after the rows: building them once is cheaper than maintaining them per row.
    for (const char* sql : {"create index NewIndex1 on LM_CNWord(汉字 ASC)",
                            "create index NumberIndex on LM_八一灵动数(Id ASC)",
                            "create index TalentIndex on LM_三才配置(三才 ASC)"}) {
        db.Finalize(db.Query(Gbk(sql)));
    }
    return true;
}

}  // namespace lumo
