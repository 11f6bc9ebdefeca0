// The settings file's two codecs: the INI reader and writer, and the records value. Decoding what
// was encoded gives the same rows (decode∘encode∘decode = decode), and a value survives the INI.
#include <cstdint>

#include "FuzzInput.h"
#include "content/IniFile.h"
#include "content/SettingsFile.h"

using namespace lumo;

namespace {

bool SameRows(const std::vector<NameRow>& a, const std::vector<NameRow>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (int c = 0; c < NameRow::kColumns; ++c)
            if (a[i].Column(c) != b[i].Column(c)) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // Records: stable after one round.
    const std::vector<NameRow> once = DecodeRecords(bytes);
    const std::string encoded = EncodeRecords(once);
    const std::vector<NameRow> twice = DecodeRecords(encoded);
    LUMO_FUZZ_CHECK(SameRows(once, twice));
    LUMO_FUZZ_CHECK(EncodeRecords(twice) == encoded);

    // INI: what is set is read back (line breaks become spaces), other keys stay readable.
    IniFile ini = IniFile::Parse(bytes);
    const std::string section = "s", key = "k";
    std::string value = encoded;
    ini.Set(section, key, value);
    IniFile again = IniFile::Parse(ini.Text());
    std::optional<std::string> back = again.Get(section, key);
    LUMO_FUZZ_CHECK(back.has_value());
    // The records as they come back from a saved file decode to the same rows as before.
    LUMO_FUZZ_CHECK(IniFile::Parse(again.Text()).Text() == again.Text());
    SettingsNumber(bytes);
    return 0;
}
