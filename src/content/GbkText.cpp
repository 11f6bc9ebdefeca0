#include "content/GbkText.h"

#include "db/Gbk.h"

namespace lumo::gbk {

std::size_t CharLength(const std::string& text, std::size_t i) { return GbkCharLength(text, i); }

std::size_t Find(const std::string& text, const std::string& needle, std::size_t from) {
    if (needle.empty()) return std::string::npos;
    for (std::size_t i = from; i < text.size(); i += CharLength(text, i))
        if (text.compare(i, needle.size(), needle) == 0) return i;
    return std::string::npos;
}

bool Contains(const std::string& text, const std::string& needle) {
    return Find(text, needle) != std::string::npos;
}

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return text;
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t hit = Find(text, from); hit != std::string::npos;
         hit = Find(text, from, start)) {
        out.append(text, start, hit - start);
        out += to;
        start = hit + from.size();
    }
    out.append(text, start, std::string::npos);
    return out;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t hit = Find(text, separator); hit != std::string::npos;
         hit = Find(text, separator, start)) {
        pieces.emplace_back(text, start, hit - start);
        start = hit + separator.size();
    }
    pieces.emplace_back(text, start, std::string::npos);
    return pieces;
}

std::string CutToBytes(const std::string& text, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < text.size()) {
        std::size_t next = end + CharLength(text, end);
        if (next > maxBytes) break;
        end = next;
    }
    return text.substr(0, end);
}

}  // namespace lumo::gbk
