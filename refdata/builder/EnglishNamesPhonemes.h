#pragma once

#include <string>
#include <vector>

// The pronunciation of English given names, from the espeak-ng library (British English voice):
// each name becomes a list of IPA phonemes with their stress.
namespace lumo::refdb {

struct Phoneme {
    std::string ipa;        // without stress marks, e.g. "t", "ɒ", "dʒ", "aɪə"
    bool stressed = false;  // carried a primary or secondary stress mark
};

class Pronouncer {
  public:
    Pronouncer() = default;
    ~Pronouncer();
    Pronouncer(const Pronouncer&) = delete;
    Pronouncer& operator=(const Pronouncer&) = delete;

    // Starts espeak-ng with its English voice; answers false with a message when it cannot.
    bool Open(std::string& error);
    // The phonemes of one word (letters only, no hyphen). Empty when espeak-ng gives nothing.
    std::vector<Phoneme> Phonemes(const std::string& word) const;

  private:
    bool open_ = false;
};

}  // namespace lumo::refdb
