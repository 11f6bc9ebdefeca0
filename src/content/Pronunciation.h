#pragma once

#include <string>

// Finding the recording of an English name's pronunciation in an online dictionary's search page.
namespace lumo {

// Scheme and host of the online dictionary, without a trailing slash.
inline constexpr const char* kDictionaryBase = "http://www.iciba.com";

// DictionaryBase + "/s?wd=" + the name, appended as it is.
std::string PronunciationSearchAddress(const std::string& englishName);

// UTF-8 bytes as GBK text; characters GBK cannot hold become "?", and the text ends at the first
// NUL byte.
std::string Utf8ToLocalText(const std::string& bytes);

// The text after the first occurrence of `start`, up to the next `start` or the end, then cut
// before the first `end` in it. Empty when `start` does not occur (or is empty). Matches begin on
// character boundaries.
std::string TextBetween(const std::string& text, const std::string& start, const std::string& end);

// The address of the recording in a search page: the text between the first link marker
// `<a href="#" url="` and ".mp3", with ".mp3" appended again.
std::string RecordingAddress(const std::string& searchPageBytes);

}  // namespace lumo
