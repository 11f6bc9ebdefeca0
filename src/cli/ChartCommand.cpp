#include <iostream>

#include "birthchart/BirthChart.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "db/Gbk.h"

namespace lumo::cli {
int RunChart(int argc, char** argv, int first) {
    Args args;
    if (!ParseArgs(argc, argv, first, {}, {}, args)) return kExitUsage;
    if (args.positional.size() != 4) {
        std::cerr << "usage: lumo-cli chart YEAR MONTH DAY HOUR\n";
        return kExitUsage;
    }
    BirthDateTexts texts{Utf8ToGbk(args.positional[0]), Utf8ToGbk(args.positional[1]),
                         Utf8ToGbk(args.positional[2]), Utf8ToGbk(args.positional[3])};
    BirthChart chart;
    StderrMessages messages;
    if (!QueryBirthChart(texts, chart, messages)) return kExitUsage;
    Out(chart.report + "\n");
    return kExitOk;
}

}  // namespace lumo::cli
