#include "cli/CliCommon.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <thread>

#include "content/DataFolder.h"
#include "db/Gbk.h"
#include "db/ReferenceLoader.h"
#include "numerology/Characters.h"
#include "numerology/NameCheck.h"

namespace lumo::cli {

void StderrMessages::Show(const UserMessage& message) { Err(message.text); }

bool ReadNameArguments(const Args& args, std::string& family, std::string& given) {
    family = args.positional.size() > 0 ? Utf8ToGbk(args.positional[0]) : std::string();
    given = args.positional.size() > 1 ? Utf8ToGbk(args.positional[1]) : std::string();
    if (WithoutSpaces(family).empty()) {
        Err(Gbk("请输入姓氏"));
        return false;
    }
    if (WithoutSpaces(given).empty()) {
        Err(Gbk("请输入名字"));
        return false;
    }
    for (const auto& problem : {FamilyNameProblem(family), GivenNameProblem(given)}) {
        if (!problem) continue;
        Err(*problem);
        return false;
    }
    return true;
}

std::string Args::Get(const std::string& name, const std::string& fallback) const {
    auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t n = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            n = 1, cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            n = 2, cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            n = 3, cp = b & 0x07;
        } else {
            return false;
        }
        for (std::size_t k = 1; k <= n; ++k) {
            if (i + k >= text.size()) return false;
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        const char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
        if (cp < smallest[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += n + 1;
    }
    return true;
}

bool ParseArgs(int argc, char** argv, int first, const std::vector<std::string>& valued,
               const std::vector<std::string>& flags, Args& out) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view text = argv[i];
        if (!IsValidUtf8(text)) {
            std::cerr << "lumo-cli: argument " << i << " is not valid UTF-8\n";
            return false;
        }
        if (!IsGbkEncodable(text)) {
            std::cerr << "lumo-cli: argument " << i << " (" << text
                      << ") holds a character that GBK cannot represent\n";
            return false;
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (i == first - 1) continue;
        std::string a = argv[i];
        if (a.size() > 2 && a.rfind("--", 0) == 0) {
            bool takesValue = a == "--db";
            for (const std::string& v : valued) takesValue |= (v == a);
            if (!takesValue) {
                bool known = false;
                for (const std::string& f : flags) known |= (f == a);
                if (!known) {
                    std::cerr << "lumo-cli: unknown option " << a << "\n";
                    return false;
                }
                out.options[a] = "";
                continue;
            }
            if (i + 1 >= argc) {
                std::cerr << "lumo-cli: " << a << " needs a value\n";
                return false;
            }
            out.options[a] = argv[++i];
        } else {
            out.positional.push_back(a);
        }
    }
    return true;
}

std::string ProgramDirectory() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path().string();
    return exe.parent_path().string();
}

bool LoadReferenceDatabase(const Args& args, SqliteDatabase& db) {
    const std::filesystem::path data = ProgramDataDirectory(ProgramDirectory());
    std::string path = args.Get("--db", (data / "namedata.db").string());
    ReferencePaths paths{(data / "sqlite3.dll").string(), Utf8ToGbk(path)};
    StderrMessages messages;
    bool loaded = false;
    // The loader runs on a thread of its own, as in the desktop program; the CLI simply waits.
    std::thread loader([&] { loaded = LoadReferenceData(db, paths, messages); });
    loader.join();
    // The loader's message does not say which file it read; an installed program's user needs to.
    if (!loaded) std::cerr << "lumo-cli: 参考数据库 " << path << "\n";
    return loaded;
}

void Out(const std::string& gbk) { std::cout << GbkToUtf8(gbk); }
void Err(const std::string& gbk) { std::cerr << GbkToUtf8(gbk) << "\n"; }

std::string JsonString(const std::string& utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out.push_back(static_cast<char>(c));
                }
        }
    }
    return out + "\"";
}

}  // namespace lumo::cli
