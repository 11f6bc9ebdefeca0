#include <cstring>
#include <iostream>
#include <string>

#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "content/Version.h"

namespace {

struct Command {
    const char* name;
    int (*run)(int, char**, int);
    const char* usage;
    const char* summary;  // one line of --help
};

const Command kCommands[] = {
    {"score", lumo::cli::RunScore, "[--db PATH] score FAMILY GIVEN [--json]",
     "给姓名评分：笔划、五行、五格、三才、数理与总评分"},
    {"char", lumo::cli::RunChar, "[--db PATH] char X [--json]",
     "查一个汉字：拼音、简繁笔划、康熙笔划、部首、五行与字义"},
    {"chart", lumo::cli::RunChart, "chart YEAR MONTH DAY HOUR [--json]",
     "排生辰八字（公历年月日时）：五行强弱、日主旺衰与喜用神"},
    {"report", lumo::cli::RunReport, "[--db PATH] report FAMILY GIVEN [--out FILE]",
     "写出姓名详细解释的网页（默认写到数据文件夹的 temp.html）"},
    {"generate", lumo::cli::RunGenerate,
     "[--db PATH] generate high-score|classic|super|combination|nickname|english|poetry --surname X "
     "[--sex 男|女] [--length 1|2] [--second C | --third C] [--chars TEXT] [--style AA|小A|A儿|阿A] "
     "[--given TEXT] [--gender 1|2|3] [--second-elements E] [--third-elements E] [--required-elements E] "
     "[--forbidden-elements E] [--include-unsuitable] [--birth YYYY-MM-DD-HH --favorable] "
     "[--per-candidate-queries] [--csv FILE]",
     "按一种起名方式起名，列出名字与评分；--csv 另存为表格文件（UTF-8）"},
};

void Help() {
    std::cout << "lumo-cli " << lumo::ProgramVersion() << " —— Lumo取名软件的命令行版本\n\n用法：\n";
    for (const Command& c : kCommands)
        std::cout << "  lumo-cli " << c.usage << "\n      " << c.summary << "\n";
    std::cout << "\n选项：\n"
                 "  --db PATH    使用指定的参考数据库（默认为程序数据文件夹中的 namedata.db）\n"
                 "  --help       显示本说明\n"
                 "  --version    显示版本号\n"
                 "\n成功时退出码为 0；用法有误或数据加载失败时为 2，文件写不成时为 1，说明都写在标准错误输出。\n";
}

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
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "lumo-cli " << lumo::ProgramVersion() << "\n";
            return lumo::cli::kExitOk;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            Help();
            return lumo::cli::kExitOk;
        }
        if (argv[i][0] == '-') continue;
        for (const Command& c : kCommands)
            if (std::strcmp(argv[i], c.name) == 0) return c.run(argc, argv, i + 1);
        std::cerr << "lumo-cli: unknown command " << argv[i] << "\n";
        return Usage();
    }
    return Usage();
}
