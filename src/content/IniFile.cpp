#include "content/IniFile.h"

#include "content/GbkText.h"

namespace lumo {
namespace {

std::string Trimmed(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    std::size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

// "[name]" with the closing bracket as the last character (not the second byte of one).
bool HeaderName(const std::string& line, std::string& name) {
    std::string t = Trimmed(line);
    if (t.size() < 2 || t[0] != '[') return false;
    std::size_t last = 0;
    for (std::size_t i = 0; i < t.size(); i += gbk::CharLength(t, i)) last = i;
    if (t[last] != ']' || last != t.size() - 1) return false;
    name = Trimmed(t.substr(1, t.size() - 2));
    return true;
}

std::string OneLine(const std::string& value) {
    std::string v = gbk::ReplaceAll(value, "\r\n", " ");
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    return v;
}

}  // namespace

IniFile IniFile::Parse(const std::string& text) {
    IniFile ini;
    std::string section;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);  // "\n" is never the second byte of a character
        std::string raw =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? text.size() : end + 1;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        Line line{raw, section, {}, false};
        std::string name;
        if (HeaderName(raw, name)) {
            section = name;
            line.section = name;
            line.isHeader = true;
        } else if (std::string t = Trimmed(raw); !t.empty() && t[0] != ';') {
            std::size_t eq = gbk::Find(raw, "=");
            if (eq != std::string::npos) line.key = Trimmed(raw.substr(0, eq));
        }
        ini.lines_.push_back(std::move(line));
    }
    return ini;
}

std::optional<std::string> IniFile::Get(const std::string& section, const std::string& key) const {
    for (const Line& l : lines_) {
        if (l.isHeader || l.section != section || l.key != key || key.empty()) continue;
        return l.text.substr(gbk::Find(l.text, "=") + 1);
    }
    return std::nullopt;
}

void IniFile::Set(const std::string& section, const std::string& key, const std::string& value) {
    std::string text = key + "=" + OneLine(value);
    std::size_t lastOfSection = std::string::npos;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Line& l = lines_[i];
        if (l.section != section) continue;
        if (!l.isHeader && l.key == key) {
            l.text = text;
            return;
        }
        // Keys go after the last non-empty line of their section.
        if (l.isHeader || !Trimmed(l.text).empty()) lastOfSection = i;
    }
    if (lastOfSection == std::string::npos) {
        lines_.push_back({"[" + section + "]", section, {}, true});
        lastOfSection = lines_.size() - 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastOfSection) + 1,
                  {text, section, key, false});
}

std::string IniFile::Text() const {
    std::string out;
    for (const Line& l : lines_) out += l.text + "\r\n";
    return out;
}

}  // namespace lumo
