#include <iostream>

#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "content/DataFolder.h"
#include "content/FileOutput.h"
#include "db/Gbk.h"
#include "numerology/Characters.h"
#include "numerology/NameScore.h"
#include "reports/NameReport.h"

namespace lumo::cli {

int RunReport(int argc, char** argv, int first) {
    Args args;
    if (!ParseArgs(argc, argv, first, {"--out"}, {}, args)) return kExitUsage;
    std::string family, given;
    if (!ReadNameArguments(args, family, given)) return kExitUsage;
    DataFolder folder = DataFolder::Locate(ProgramDirectory());
    if (!args.Has("--db")) args.options["--db"] = folder.ReferenceDatabase().string();
    std::filesystem::path out =
        args.Has("--out") ? std::filesystem::path(args.Get("--out")) : folder.File("temp.html");

    SqliteDatabase db;
    if (!LoadReferenceDatabase(args, db)) return kExitUsage;
    if (!WriteFileAtomically(out, NameReportPage(EvaluateName(db, family, given)))) {
        std::cerr << "lumo-cli: cannot write " << out.string() << "\n";
        return 1;
    }
    std::cout << out.string() << "\n";
    return kExitOk;
}

}  // namespace lumo::cli
