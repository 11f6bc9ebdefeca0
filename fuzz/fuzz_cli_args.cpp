// lumo-cli's argument reader over any command line: options with and without values, unknown
// options, bytes that are not UTF-8 or have no GBK form.
#include <cstdint>
#include <iostream>
#include <sstream>

#include "FuzzInput.h"
#include "cli/CliCommon.h"
#include "db/Gbk.h"

using namespace lumo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words = fuzz::Pieces(data, size);
    if (words.size() > 64) words.resize(64);
    std::vector<char*> argv;
    static char program[] = "lumo-cli";
    argv.push_back(program);
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(argv.size()) - 1;

    std::ostringstream quiet;
    std::streambuf* old = std::cerr.rdbuf(quiet.rdbuf());
    cli::Args args;
    const bool ok = cli::ParseArgs(argc, argv.data(), 2, {"--surname", "--chars", "--out"},
                                   {"--json", "--include-unsuitable"}, args);
    std::cerr.rdbuf(old);
    if (ok) {
        // Every accepted word is UTF-8 that GBK can hold, and reaches the core unharmed.
        for (const std::string& p : args.positional) {
            LUMO_FUZZ_CHECK(cli::IsValidUtf8(p) && IsGbkEncodable(p));
        }
        for (const auto& [name, value] : args.options) LUMO_FUZZ_CHECK(name.rfind("--", 0) == 0);
    }
    // What the UTF-8 check refuses, iconv refuses as well.
    for (const std::string& w : words) LUMO_FUZZ_CHECK(cli::IsValidUtf8(w) || !IsGbkEncodable(w));
    return 0;
}
