#include "content/Pronunciation.h"

#include <vector>

#include "content/GbkText.h"
#include "db/Gbk.h"

namespace lumo {

std::string PronunciationSearchAddress(const std::string& englishName) {
    return std::string(kDictionaryBase) + "/s?wd=" + englishName;
}

std::string Utf8ToLocalText(const std::string& bytes) {
    std::size_t nul = bytes.find('\0');
    return Utf8ToGbk(nul == std::string::npos ? bytes : bytes.substr(0, nul));
}

std::string TextBetween(const std::string& text, const std::string& start, const std::string& end) {
    std::vector<std::string> pieces = gbk::Split(text, start);
    if (start.empty() || pieces.size() < 2) return {};
    if (end.empty()) return pieces[1];
    return gbk::Split(pieces[1], end).front();
}

std::string RecordingAddress(const std::string& searchPageBytes) {
    static const std::string kMarker = "<a href=\"#\" url=\"";
    return TextBetween(Utf8ToLocalText(searchPageBytes), kMarker, ".mp3") + ".mp3";
}

}  // namespace lumo
