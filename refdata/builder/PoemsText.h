#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Text helpers of the poem step: cutting UTF-8 into characters, the traditional-to-simplified
// conversion with its GBK fallback, and the verse initials (首字母) of a poem.
namespace lumo::refdb {

// The UTF-8 characters of a text, one string each.
std::vector<std::string> Utf8Characters(std::string_view utf8);

// True for a character of the CJK ideograph blocks (not punctuation, digits or symbols).
bool IsIdeograph(std::string_view utf8Character);

// The first ideograph of every verse, in order. Verses end at "，", "。", "？", "！" and "；";
// notes in full-width parentheses "（…）" are editors' remarks, not verses, and are skipped.
std::string VerseInitials(std::string_view content);

// Remembers which characters GBK can hold: the poems ask about millions of characters but only a
// few thousand distinct ones.
class GbkCharacters {
  public:
    bool Encodable(const std::string& utf8Character);
    bool AllEncodable(const std::vector<std::string>& characters);

  private:
    std::unordered_map<std::string, bool> known_;
};

// OpenCC's t2s conversion, character-faithful: where the simplified form of a character is not in
// GBK but the original is, the original stays.
class Simplifier {
  public:
    Simplifier();
    ~Simplifier();
    Simplifier(const Simplifier&) = delete;
    Simplifier& operator=(const Simplifier&) = delete;

    bool IsOpen() const { return handle_ != nullptr; }
    std::string Simplify(const std::string& utf8);

  private:
    std::string Convert(const std::string& utf8);

    void* handle_ = nullptr;  // opencc_t
    GbkCharacters gbk_;
};

}  // namespace lumo::refdb
