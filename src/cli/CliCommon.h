#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "db/SqliteDatabase.h"
#include "db/UserMessage.h"

// Shared plumbing of the lumo-cli commands: argument parsing, loading the reference data and
// printing. The terminal speaks UTF-8; every text handed to the core is converted to GBK here.
namespace lumo::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;

// Positional arguments and "--name value" / "--flag" options of one command line.
struct Args {
    std::vector<std::string> positional;    // UTF-8
    std::map<std::string, std::string> options;  // "--db" -> value; flags map to ""
    bool Has(const std::string& name) const { return options.count(name) != 0; }
    std::string Get(const std::string& name, const std::string& fallback = {}) const;
};

// Parses the whole command line except the command word at argv[first - 1]. Options listed in
// `valued` (and --db) take the next argument as their value; those in `flags` take none.
// Answers false (with a message on stderr) for an option of neither list, a valued option without
// a value, and any argument that is not valid UTF-8 or holds a character GBK cannot represent
// (the core could only see it as "?").
bool ParseArgs(int argc, char** argv, int first, const std::vector<std::string>& valued,
               const std::vector<std::string>& flags, Args& out);

// True when the text is well-formed UTF-8 (no overlong forms, surrogates or code points past
// U+10FFFF).
bool IsValidUtf8(std::string_view text);

// The folder holding the running executable.
std::string ProgramDirectory();

// Loads the reference data named by --db (default namedata.db of ProgramDataDirectory) into
// `db` and waits for it. Loader messages go to stderr. Answers false when loading failed.
bool LoadReferenceDatabase(const Args& args, SqliteDatabase& db);

// Core messages printed on stderr.
class StderrMessages : public MessageSink {
public:
    void Show(const UserMessage& message) override;
};

// FAMILY and GIVEN from the first two positional arguments, in GBK. An empty one prints
// "请输入姓氏" or "请输入名字" on stderr and answers false, as does one that is not made of
// Chinese characters (with NameCheck's message).
bool ReadNameArguments(const Args& args, std::string& family, std::string& given);

// Prints a GBK text on stdout or stderr as UTF-8.
void Out(const std::string& gbk);
void Err(const std::string& gbk);

// A JSON string literal (quotes included) of a UTF-8 text.
std::string JsonString(const std::string& utf8);

}  // namespace lumo::cli
