// GBK text operations: splitting into characters, find, replace, split at a separator, cutting,
// conversion, and filling a page template.
#include <cstdint>

#include "FuzzInput.h"
#include "content/GbkText.h"
#include "db/Gbk.h"
#include "numerology/Characters.h"
#include "reports/PageTemplates.h"

using namespace lumo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> pieces = fuzz::Pieces(data, size);
    const std::string text = fuzz::Piece(pieces, 0);
    const std::string needle = fuzz::Piece(pieces, 1);
    const std::string replacement = fuzz::Piece(pieces, 2);

    // The characters put back together give the text; a lead byte swallows only a trail byte.
    std::string joined;
    for (const std::string& c : SplitCharacters(text)) {
        LUMO_FUZZ_CHECK(c.size() == 1 || c.size() == 2);
        if (c.size() == 2) LUMO_FUZZ_CHECK(IsGbkTrailByte(static_cast<unsigned char>(c[1])));
        joined += c;
    }
    LUMO_FUZZ_CHECK(joined == text || WithoutSpaces(text).empty());

    std::size_t boundaries = 0;
    for (std::size_t i = 0; i < text.size(); i += gbk::CharLength(text, i)) ++boundaries;
    LUMO_FUZZ_CHECK(boundaries <= text.size());

    // Splitting and joining again with the separator gives the text back.
    if (!needle.empty()) {
        std::vector<std::string> parts = gbk::Split(text, needle);
        std::string back;
        for (std::size_t i = 0; i < parts.size(); ++i) back += (i ? needle : "") + parts[i];
        LUMO_FUZZ_CHECK(back == text);
        LUMO_FUZZ_CHECK(gbk::ReplaceAll(text, needle, needle) == text);
        std::size_t at = gbk::Find(text, needle);
        LUMO_FUZZ_CHECK(at == std::string::npos || text.compare(at, needle.size(), needle) == 0);
        LUMO_FUZZ_CHECK((at != std::string::npos) == gbk::Contains(text, needle));
    }
    gbk::ReplaceAll(text, needle, replacement);

    const std::size_t limit = replacement.size();
    std::string cut = gbk::CutToBytes(text, limit);
    LUMO_FUZZ_CHECK(cut.size() <= limit && text.compare(0, cut.size(), cut) == 0);

    // Conversions never fail on any bytes, and GBK that came from UTF-8 comes back unchanged.
    std::string utf8 = GbkToUtf8(text);
    std::string gbkAgain = Utf8ToGbk(utf8);
    LUMO_FUZZ_CHECK(GbkToUtf8(gbkAgain) == utf8);
    KeepHanzi(text);
    EndsInLoneLeadByte(text);

    // Template filling with any text in the place of the character.
    std::string page = gbk::ReplaceAll(CharacterPageTemplate(), Gbk("{汉字}"), text);
    LUMO_FUZZ_CHECK(page.size() >= text.size());
    return 0;
}
