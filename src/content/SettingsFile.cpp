#include "content/SettingsFile.h"

#include <cmath>
#include <cstdlib>
#include <system_error>

#include "content/FileOutput.h"
#include "content/GbkText.h"
#include "content/IniFile.h"
#include "db/Gbk.h"

namespace lumo {
namespace {

struct Keys {
    std::string section = Gbk("设置");
    std::string family = Gbk("姓氏");
    std::string sex = Gbk("性别");
    std::string nameLength = Gbk("名字个数");
    std::string combination = Gbk("组合的字");
    std::string english = Gbk("英文名字");
    std::string scoringName = Gbk("评分名字");
    std::string records = Gbk("名字记录");
    std::string filterUnsuitable = Gbk("过滤不宜取名用字");
};

const Keys& K() {
    static const Keys keys;
    return keys;
}

void SetColumn(NameRow& row, int column, std::string text) {
    std::string* cells[] = {
        &row.number,   &row.name,  &row.simplifiedStrokes, &row.traditionalStrokes,
        &row.elements, &row.grids, &row.threeTalents,      &row.score};
    *cells[column] = std::move(text);
}

}  // namespace

std::filesystem::path SettingsLocation() {
#ifdef _WIN32
    return std::filesystem::path("C:\\Windows\\config.dat");
#else
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg && std::filesystem::path(xdg).is_absolute())
        return std::filesystem::path(xdg) / "lumo" / "config.dat";
    const char* home = std::getenv("HOME");
    std::filesystem::path base =
        home && *home ? std::filesystem::path(home) : std::filesystem::path("/");
    return base / ".config" / "lumo" / "config.dat";
#endif
}

double SettingsNumber(const std::string& text) {
    std::size_t i = text.find_first_not_of(' ');
    std::size_t end = text.find_last_not_of(' ');
    if (i == std::string::npos) return 0;
    double sign = 1;
    if (text[i] == '+' || text[i] == '-') sign = text[i++] == '-' ? -1 : 1;
    double value = 0;
    double scale = 0;  // 0 before the decimal point, then 0.1, 0.01 …
    int digits = 0;
    for (; i <= end; ++i) {
        char c = text[i];
        if (c == '.' && scale == 0) {
            scale = 0.1;
        } else if (c >= '0' && c <= '9') {
            ++digits;
            if (scale == 0) {
                value = value * 10 + (c - '0');
            } else {
                value += (c - '0') * scale;
                scale /= 10;
            }
        } else {
            return 0;
        }
    }
    return digits ? sign * value : 0;
}

int SexIndexFromText(const std::string& text) {
    return std::fabs(SettingsNumber(text)) > 1e-7 ? 1 : 0;
}

int NameLengthIndexFromText(const std::string& text) {
    return std::fabs(SettingsNumber(text) - 1) <= 1e-7 ? 1 : 0;
}

std::string EncodeRecords(const std::vector<NameRow>& rows) {
    std::string value;
    for (const NameRow& row : rows) {
        value += gbk::ReplaceAll(row.name, "\r\n", " ");
        for (int column = 2; column < NameRow::kColumns; ++column)
            value += ";" + row.Column(column);
        // "|" is a GBK trail byte: after a lone lead byte it would be read as half of one
        // character and the row would run into the next. An empty eighth field, which the
        // decoder drops, keeps them apart.
        if (EndsInLoneLeadByte(row.Column(NameRow::kColumns - 1))) value += ";";
        value += "|";
    }
    return value;
}

std::vector<NameRow> DecodeRecords(const std::string& value) {
    std::vector<NameRow> rows;
    if (value.empty()) return rows;
    std::vector<std::string> pieces = gbk::Split(gbk::ReplaceAll(value, " ", "\r\n"), "|");
    if (pieces.back().empty()) pieces.pop_back();  // what follows the final "|" is not a row
    for (const std::string& piece : pieces) {
        NameRow row;
        row.number = std::to_string(rows.size() + 1);
        std::vector<std::string> fields = gbk::Split(piece, ";");
        for (int column = 1;
             column < NameRow::kColumns && column <= static_cast<int>(fields.size()); ++column)
            SetColumn(row, column, fields[column - 1]);
        rows.push_back(std::move(row));
    }
    return rows;
}

Settings LoadSettings(const std::filesystem::path& file, bool* unreadable) {
    Settings s;
    std::string bytes;
    const FileRead found = ReadFile(file, bytes);
    if (unreadable) *unreadable = found == FileRead::Failed;
    if (found != FileRead::Read) return s;
    IniFile ini = IniFile::Parse(bytes);
    auto read = [&](const std::string& key) {
        std::string v = ini.Get(K().section, key).value_or("");
        return v.size() > kSettingsValueLimit ? gbk::CutToBytes(v, kSettingsValueLimit) : v;
    };
    s.familyName = read(K().family);
    s.sexIndex = SexIndexFromText(read(K().sex));
    s.nameLengthIndex = NameLengthIndexFromText(read(K().nameLength));
    s.combinationChars = read(K().combination);
    s.englishName = read(K().english);
    s.scoringGivenName = read(K().scoringName);
    // The records are read whole: a limit here would silently drop every record past about the
    // 220th at the next start, and the records are the one thing the user cannot type again.
    std::string records = ini.Get(K().section, K().records).value_or("");
    s.records = DecodeRecords(records);
    s.filterUnsuitable = ini.Get(K().section, K().filterUnsuitable).value_or("1") != "0";
    return s;
}

std::string UnreadableSettingsMessage(const std::filesystem::path& file) {
    return Gbk("无法读取设置文件“") + Utf8ToGbk(file.string()) +
           Gbk("”，上次的输入和名字记录没有载入。为免覆盖其中的名字记录，本次退出时不保存设置，"
               "请检查该文件的权限或磁盘后重新打开软件。");
}

bool SaveSettings(const std::filesystem::path& file, const Settings& s) {
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    std::string existing;
    if (ReadFile(file, existing) == FileRead::Failed) return false;
    RemoveStaleTemporaries(file);
    IniFile ini = IniFile::Parse(existing);
    ini.Set(K().section, K().family, s.familyName);
    ini.Set(K().section, K().sex, std::to_string(s.sexIndex));
    ini.Set(K().section, K().nameLength, std::to_string(s.nameLengthIndex));
    ini.Set(K().section, K().combination, s.combinationChars);
    ini.Set(K().section, K().english, s.englishName);
    ini.Set(K().section, K().scoringName, s.scoringGivenName);
    ini.Set(K().section, K().records, EncodeRecords(s.records));
    ini.Set(K().section, K().filterUnsuitable, s.filterUnsuitable ? "1" : "0");
    return WriteFileAtomically(file, ini.Text());
}

}  // namespace lumo
