#include <cstring>
#include <iostream>
#include <string>

#include "cli/CliCommon.h"
#include "cli/Commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(int, char**, int);
    const char* usage;
};

const Command kCommands[] = {
    {"score", lumo::cli::RunScore, "[--db PATH] score FAMILY GIVEN [--json]"},
    {"char", lumo::cli::RunChar, "[--db PATH] char X [--json]"},
    {"chart", lumo::cli::RunChart, "chart YEAR MONTH DAY HOUR [--json]"},
    {"report", lumo::cli::RunReport, "[--db PATH] report FAMILY GIVEN [--out FILE]"},
    {"generate", lumo::cli::RunGenerate,
     "[--db PATH] generate high-score|classic|super|combination|nickname|english|poetry --surname X "
     "[--sex 男|女] [--length 1|2] [--second C | --third C] [--chars TEXT] [--style AA|小A|A儿|阿A] "
     "[--given TEXT] [--gender 1|2|3] [--second-elements E] [--third-elements E] [--required-elements E] "
     "[--forbidden-elements E] [--include-unsuitable] [--birth YYYY-MM-DD-HH --favorable] "
     "[--per-candidate-queries]"},
};

int Usage() {
    std::cerr << "usage:\n";
    for (const Command& c : kCommands) std::cerr << "  lumo-cli " << c.usage << "\n";
    return lumo::cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    // The command is the first argument that is not an option or an option's value; "--db PATH"
    // may stand before it. The command itself parses everything else, --db included.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--db") == 0) {
            ++i;
            continue;
        }
        if (argv[i][0] == '-') continue;
        for (const Command& c : kCommands)
            if (std::strcmp(argv[i], c.name) == 0) return c.run(argc, argv, i + 1);
        std::cerr << "lumo-cli: unknown command " << argv[i] << "\n";
        return Usage();
    }
    return Usage();
}
