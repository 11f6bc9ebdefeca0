#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumo {

// Our small reader and writer of INI text (GBK bytes): "[section]" headers and "key=value" lines.
// Keys and section names are compared exactly after trimming spaces and tabs; a value is
// everything after the first "=" up to the line end, unchanged. Lines it does not change (other
// sections, other keys, comments) are kept as they were; the text it writes ends lines in CR LF.
class IniFile {
  public:
    static IniFile Parse(const std::string& text);

    // The value of a key, or nothing when the section or the key is missing.
    std::optional<std::string> Get(const std::string& section, const std::string& key) const;

    // Sets a key, adding the section at the end of the file and the key at the end of its
    // section when they are missing. A line break inside the value becomes one space, since a
    // value cannot span lines.
    void Set(const std::string& section, const std::string& key, const std::string& value);

    std::string Text() const;

  private:
    struct Line {
        std::string text;     // the line as written, without its line end
        std::string section;  // the section it belongs to (trimmed name)
        std::string key;      // trimmed key of a key line, else empty
        bool isHeader = false;
    };
    std::vector<Line> lines_;
};

}  // namespace lumo
