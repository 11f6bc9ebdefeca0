#include "EnglishNamesPhonemes.h"

#include <espeak-ng/speak_lib.h>

namespace lumo::refdb {
namespace {

// espeak_TextToPhonemes mode: IPA names, separated by "_", so that multi-letter phonemes such as
// "dʒ" or "aɪə" arrive whole.
constexpr int kIpaWithSeparator = 0x02 | ('_' << 8);

// Splits "t_ˈɒ_m_ə_s" into phonemes, moving the stress marks into the flag. A mark that stands
// alone between separators belongs to the phoneme after it.
void AppendPhonemes(const std::string& text, std::vector<Phoneme>& out) {
    bool pendingStress = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("_ ", start);
        if (end == std::string::npos) end = text.size();
        std::string token = text.substr(start, end - start);
        for (const std::string mark : {"ˈ", "ˌ"}) {
            for (std::size_t at; (at = token.find(mark)) != std::string::npos;) {
                token.erase(at, mark.size());
                pendingStress = true;
            }
        }
        if (!token.empty()) {
            out.push_back({token, pendingStress});
            pendingStress = false;
        }
        start = end + 1;
    }
}

}  // namespace

Pronouncer::~Pronouncer() {
    if (open_) espeak_Terminate();
}

bool Pronouncer::Open(std::string& error) {
    if (espeak_Initialize(AUDIO_OUTPUT_RETRIEVAL, 0, nullptr, espeakINITIALIZE_DONT_EXIT) < 0) {
        error = "espeak-ng cannot start (is the package espeak-ng-data installed?)";
        return false;
    }
    open_ = true;
    if (espeak_SetVoiceByName("en") != EE_OK) {
        error = "espeak-ng has no English voice";
        return false;
    }
    return true;
}

std::vector<Phoneme> Pronouncer::Phonemes(const std::string& word) const {
    std::vector<Phoneme> out;
    if (!open_) return out;
    const void* text = word.c_str();
    while (text) {
        const char* part = espeak_TextToPhonemes(&text, espeakCHARS_UTF8, kIpaWithSeparator);
        if (part) AppendPhonemes(part, out);
    }
    return out;
}

}  // namespace lumo::refdb
