#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "generation/NameRow.h"

// The settings file: the last inputs of the main window and the naming records, in section
// "设置" of a GBK INI file. Read once at start-up, written once at shutdown.
namespace lumo {

struct Settings {
    std::string familyName;        // 姓氏 (编辑框_姓氏)
    int sexIndex = 0;              // 性别: 0 男, 1 女
    int nameLengthIndex = 0;       // 名字个数: 0 一字, 1 二字
    std::string combinationChars;  // 组合的字
    std::string englishName;       // 英文名字
    std::string scoringGivenName;  // 评分名字
    std::vector<NameRow> records;  // 名字记录
    bool filterUnsuitable = true;  // 过滤不宜取名用字 (选择框_过滤不宜取名用字); on unless stored "0"
};

// On Windows the fixed C:\Windows\config.dat; elsewhere $XDG_CONFIG_HOME/lumo/config.dat when
// that variable holds an absolute path, else ~/.config/lumo/config.dat.
std::filesystem::path SettingsLocation();

// The longest input value read back, in bytes: longer stored values are cut (never inside a
// character). The records value is exempt: it is always read whole.
inline constexpr std::size_t kSettingsValueLimit = 10239;

// Reads the file; a missing or unreadable file, or a missing key, gives the defaults (empty texts,
// 男, 一字, no records). `unreadable`, when given, tells a file that is there but could not be
// read (no permission, an I/O error) from a missing one: its records are still on disk, and the
// program must not save over them.
Settings LoadSettings(const std::filesystem::path& file, bool* unreadable = nullptr);

// The message (GBK) the program shows at start-up for a settings file it cannot read.
std::string UnreadableSettingsMessage(const std::filesystem::path& file);

// Writes the seven keys in their order, then 过滤不宜取名用字, keeping the file's other sections
// and keys. The file is replaced atomically (a temporary file beside it, then a rename), so a crash
// or a full disk never loses the records already saved; the folder is created when missing. A file
// that is there but cannot be read is never replaced (its records would be lost): the save answers
// false. The temporary files of earlier saves that were killed before their rename are removed.
// Answers false when the write failed.
bool SaveSettings(const std::filesystem::path& file, const Settings& settings);

// A stored text as a number: optional spaces, sign, digits and one decimal point; anything else
// (an empty text included) reads as 0.
double SettingsNumber(const std::string& text);
int SexIndexFromText(const std::string& text);         // 1 when |n| > 1e-7
int NameLengthIndexFromText(const std::string& text);  // 1 when |n − 1| ≤ 1e-7

// The records value: per row, columns 1..7 joined by ";" and ended by "|"; CR LF in column 1
// becomes one space. Nothing is escaped; a row whose column 7 ends in a lone GBK lead byte gets an
// empty eighth field so that the "|" after it stays a separator. Decoding what this encodes gives
// the same rows back.
std::string EncodeRecords(const std::vector<NameRow>& rows);

// The rows of a records value, numbered from 1: every space back to CR LF, split at "|" and then
// at ";" by characters (a "|" or ";" that is the second byte of a character does not count),
// exactly seven fields per row.
std::vector<NameRow> DecodeRecords(const std::string& value);

}  // namespace lumo
