#include "numerology/Characters.h"

#include <chrono>
#include <random>

#include "db/Gbk.h"

namespace lumo {

std::string WithoutSpaces(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ' ') out.push_back(c);
    return out;
}

std::vector<std::string> SplitCharacters(const std::string& text) {
    std::vector<std::string> out;
    if (WithoutSpaces(text).empty()) return out;
    out.reserve(text.size() / 2 + 1);
    std::size_t i = 0;
    while (i < text.size()) {
        auto b = static_cast<unsigned char>(text[i]);
        std::size_t n = (b > 122 && i + 1 < text.size() &&
                         IsGbkTrailByte(static_cast<unsigned char>(text[i + 1])))
                            ? 2
                            : 1;
        out.emplace_back(text, i, n);
        i += n;
    }
    return out;
}

bool IsHanziCode(const std::string& text) {
    std::string s = WithoutSpaces(text);
    if (s.size() <= 1) return false;
    auto c1 = static_cast<unsigned char>(s[0]);
    auto c2 = static_cast<unsigned char>(s[1]);
    return c1 >= 176 && c1 <= 247 && c2 >= 161 && c2 <= 254;
}

std::string KeepHanzi(const std::string& text) {
    std::string s = WithoutSpaces(text);
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t n = static_cast<unsigned char>(s[i]) >= 128 ? GbkCharLength(s, i) : 1;
        std::string piece = s.substr(i, n);
        if (IsHanziCode(piece)) out += piece;
        i += n;
    }
    return out;
}

void ShuffleCharacters(std::vector<std::string>& characters) {
    if (characters.size() < 2) return;
    std::mt19937_64 rng(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    for (std::size_t i = 0; i + 1 < characters.size(); ++i) {
        std::uniform_int_distribution<std::size_t> pick(i, characters.size() - 1);
        std::swap(characters[i], characters[pick(rng)]);
    }
}

std::string ElementOfDigit(int digit) {
    static const std::string elements[5] = {Gbk("水"), Gbk("木"), Gbk("火"), Gbk("土"), Gbk("金")};
    if (digit < 0 || digit > 9) return {};
    if (digit == 0 || digit == 9) return elements[0];
    return elements[(digit + 1) / 2];
}

}  // namespace lumo
