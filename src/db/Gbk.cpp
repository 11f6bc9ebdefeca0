#include "db/Gbk.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

namespace lumo {
namespace {

// One converter per thread and direction: iconv descriptors carry state and are not shareable.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input; an unconvertible or broken sequence is replaced by "?" and the
    // input advances by `skip(input)` bytes. Answers false only when iconv is unavailable.
    template <typename Skip>
    bool Run(std::string_view in, std::string& out, Skip skip, bool* replaced) {
        out.clear();
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return false;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[4096];
        const char* src = in.data();
        std::size_t srcLeft = in.size();
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, const_cast<char**>(&src), &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (rc != static_cast<std::size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL: replace the offending character and go on after it.
            std::size_t n = skip(std::string_view(src, srcLeft));
            src += n;
            srcLeft -= n;
            out.push_back('?');
            if (replaced) *replaced = true;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return true;
    }

private:
    iconv_t cd_;
};

std::size_t Utf8SequenceLength(std::string_view s) {
    auto b = static_cast<unsigned char>(s[0]);
    std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
    // A truncated or malformed sequence: skip only its continuation bytes that are really there.
    std::size_t i = 1;
    while (i < n && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
    return i;
}

std::size_t GbkSequenceLength(std::string_view s) { return GbkCharLength(s, 0); }

Converter& ToGbk() {
    thread_local Converter c("GBK", "UTF-8");
    return c;
}

Converter& ToUtf8() {
    thread_local Converter c("UTF-8", "GBK");
    return c;
}

bool IsAscii(std::string_view s) {
    for (char ch : s)
        if (static_cast<unsigned char>(ch) >= 0x80) return false;
    return true;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    std::string out;
    if (!ToGbk().Run(utf8, out, Utf8SequenceLength, nullptr)) return {};
    return out;
}

std::string GbkToUtf8(std::string_view gbk) {
    if (IsAscii(gbk)) return std::string(gbk);
    std::string out;
    if (!ToUtf8().Run(gbk, out, GbkSequenceLength, nullptr)) return {};
    return out;
}

bool EndsInLoneLeadByte(std::string_view gbk) {
    std::size_t i = 0, last = 0;
    while (i < gbk.size()) {
        last = i;
        i += GbkCharLength(gbk, i);
    }
    return !gbk.empty() && i - last == 1 && IsGbkLeadByte(static_cast<unsigned char>(gbk[last]));
}

bool IsGbkEncodable(std::string_view utf8) {
    if (IsAscii(utf8)) return true;
    std::string out;
    bool replaced = false;
    return ToGbk().Run(utf8, out, Utf8SequenceLength, &replaced) && !replaced;
}

}  // namespace lumo
