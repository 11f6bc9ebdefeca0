#include "PoemsText.h"

#include <opencc/opencc.h>

#include <cstdint>

#include "db/Gbk.h"

namespace lumo::refdb {
namespace {

std::size_t SequenceLength(unsigned char lead) {
    return lead < 0x80           ? 1
           : (lead >> 5) == 0x6  ? 2
           : (lead >> 4) == 0xE  ? 3
           : (lead >> 3) == 0x1E ? 4
                                 : 1;
}

std::uint32_t CodePoint(std::string_view ch) {
    if (ch.empty()) return 0;
    auto b = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(ch[i]));
    };
    switch (ch.size()) {
        case 2:
            return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
        case 3:
            return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
        case 4:
            return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) |
                   (b(3) & 0x3F);
        default:
            return b(0);
    }
}

bool IsVerseEnd(std::string_view ch) {
    return ch == "，" || ch == "。" || ch == "？" || ch == "！" || ch == "；";
}

}  // namespace

std::vector<std::string> Utf8Characters(std::string_view utf8) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = SequenceLength(static_cast<unsigned char>(utf8[i]));
        if (i + n > utf8.size()) n = utf8.size() - i;
        out.emplace_back(utf8.substr(i, n));
        i += n;
    }
    return out;
}

bool IsIdeograph(std::string_view ch) {
    std::uint32_t cp = CodePoint(ch);
    return (cp >= 0x3400 && cp <= 0x4DBF) || (cp >= 0x4E00 && cp <= 0x9FFF) ||
           (cp >= 0xF900 && cp <= 0xFAFF) || (cp >= 0x20000 && cp <= 0x3FFFF);
}

std::string VerseInitials(std::string_view content) {
    std::string initials;
    bool verseHasInitial = false;
    int noteDepth = 0;
    for (const std::string& ch : Utf8Characters(content)) {
        if (ch == "（") {
            ++noteDepth;
        } else if (ch == "）") {
            if (noteDepth > 0) --noteDepth;
        } else if (noteDepth > 0) {
            continue;
        } else if (IsVerseEnd(ch)) {
            verseHasInitial = false;
        } else if (!verseHasInitial && IsIdeograph(ch)) {
            initials += ch;
            verseHasInitial = true;
        }
    }
    return initials;
}

bool GbkCharacters::Encodable(const std::string& ch) {
    auto [it, inserted] = known_.try_emplace(ch, false);
    if (inserted) it->second = IsGbkEncodable(ch);
    return it->second;
}

bool GbkCharacters::AllEncodable(const std::vector<std::string>& characters) {
    for (const std::string& ch : characters)
        if (!Encodable(ch)) return false;
    return true;
}

Simplifier::Simplifier() {
    opencc_t h = opencc_open("t2s.json");
    if (h != reinterpret_cast<opencc_t>(-1)) handle_ = h;
}

Simplifier::~Simplifier() {
    if (handle_) opencc_close(static_cast<opencc_t>(handle_));
}

std::string Simplifier::Convert(const std::string& utf8) {
    char* converted = opencc_convert_utf8(static_cast<opencc_t>(handle_), utf8.data(), utf8.size());
    if (!converted) return utf8;
    std::string result(converted);
    opencc_convert_utf8_free(converted);
    return result;
}

std::string Simplifier::Simplify(const std::string& utf8) {
    std::vector<std::string> original = Utf8Characters(utf8);
    std::vector<std::string> simplified = Utf8Characters(Convert(utf8));
    // Phrase rules may in principle change the length; then each character is converted alone,
    // so that every simplified character still has its original beside it.
    if (simplified.size() != original.size()) {
        simplified.clear();
        for (const std::string& ch : original) simplified.push_back(Convert(ch));
    }
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < original.size(); ++i) {
        bool keepOriginal = !gbk_.Encodable(simplified[i]) && gbk_.Encodable(original[i]);
        out += keepOriginal ? original[i] : simplified[i];
    }
    return out;
}

}  // namespace lumo::refdb
