#pragma once

#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

// 详细解释 of a character: its readings, then a few common words that begin with it and what they
// mean. Words and meanings come from the npm package cnchar-data (explanation/<字>.json, a word
// dictionary filed by first character); how common a word is comes from the word frequencies of
// Debian's python3-jieba (jieba/dict.txt). Only the data files are read; neither package runs.
namespace lumo::refdb {

class Explanations {
  public:
    static constexpr const char* kJiebaDictionary = "/usr/lib/python3/dist-packages/jieba/dict.txt";

    bool Load(const std::filesystem::path& nodeModules, const std::filesystem::path& frequencies,
              std::string& error);
    // Our own words (chars/words.tsv: 字, 词语, 释义) for characters the source has no usable
    // words for, and corrections of a source word's meaning; they come before the source's.
    bool LoadOurWords(const std::filesystem::path& file, std::string& error);

    // UTF-8, GBK-encodable, at most kMaxLength characters.
    std::string Detail(const std::string& character,
                       const std::vector<std::string>& readings) const;

    static constexpr std::size_t kMaxLength = 700;
    // A word needs at least this jieba frequency to count as common.
    static constexpr long kCommonWord = 5;
    static constexpr std::size_t kMaxWords = 5;

  private:
    std::filesystem::path explanationDir_;
    std::unordered_map<std::string, long> frequencies_;
    std::unordered_map<std::string, std::vector<std::pair<std::string, std::string>>> ourWords_;
    std::unordered_map<std::string, std::string> ourNotes_;  // characters that begin no word
};

}  // namespace lumo::refdb
