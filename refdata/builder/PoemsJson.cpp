#include "PoemsJson.h"

#include <algorithm>
#include <cstdint>

#include "CharSources.h"

namespace lumo::refdb {
namespace {

// Nesting deeper than this is not a poem file; the limit keeps the recursion bounded.
constexpr int kMaxDepth = 64;

class Parser {
  public:
    explicit Parser(std::string_view text) : s_(text) {}

    bool Document(JsonValue& out, std::string& error) {
        SkipSpace();
        if (!Value(out, 0) || (SkipSpace(), pos_ != s_.size())) {
            if (problem_.empty()) problem_ = "unexpected text after the value";
            std::size_t upto = std::min(pos_, s_.size());
            error = "line " + std::to_string(1 + std::count(s_.begin(), s_.begin() + upto, '\n')) +
                    ": " + problem_;
            return false;
        }
        return true;
    }

  private:
    bool Fail(const char* what) {
        if (problem_.empty()) problem_ = what;
        return false;
    }

    void SkipSpace() {
        while (pos_ < s_.size() &&
               (s_[pos_] == ' ' || s_[pos_] == '\n' || s_[pos_] == '\r' || s_[pos_] == '\t'))
            ++pos_;
    }

    bool Literal(std::string_view word, JsonValue& out, JsonValue::Kind kind) {
        if (s_.substr(pos_, word.size()) != word) return Fail("unknown literal");
        out.kind = kind;
        out.text = std::string(word);
        pos_ += word.size();
        return true;
    }

    bool Value(JsonValue& out, int depth) {
        if (depth > kMaxDepth) return Fail("nesting too deep");
        if (pos_ >= s_.size()) return Fail("unexpected end of the file");
        switch (s_[pos_]) {
            case '{':
                return Object(out, depth);
            case '[':
                return Array(out, depth);
            case '"':
                out.kind = JsonValue::Kind::String;
                return String(out.text);
            case 't':
                return Literal("true", out, JsonValue::Kind::Bool);
            case 'f':
                return Literal("false", out, JsonValue::Kind::Bool);
            case 'n':
                return Literal("null", out, JsonValue::Kind::Null);
            default:
                return Number(out);
        }
    }

    bool Number(JsonValue& out) {
        std::size_t start = pos_;
        if (pos_ < s_.size() && s_[pos_] == '-') ++pos_;
        while (pos_ < s_.size() &&
               std::string_view("0123456789.eE+-").find(s_[pos_]) != std::string_view::npos)
            ++pos_;
        if (pos_ == start || (pos_ == start + 1 && s_[start] == '-'))
            return Fail("a value was expected");
        out.kind = JsonValue::Kind::Number;
        out.text = std::string(s_.substr(start, pos_ - start));
        return true;
    }

    bool Hex4(std::uint32_t& cp) {
        if (pos_ + 4 > s_.size()) return Fail("a broken \\u escape");
        cp = 0;
        for (int i = 0; i < 4; ++i) {
            char c = s_[pos_++];
            cp <<= 4;
            if (c >= '0' && c <= '9')
                cp |= static_cast<std::uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                cp |= static_cast<std::uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                cp |= static_cast<std::uint32_t>(c - 'A' + 10);
            else
                return Fail("a broken \\u escape");
        }
        return true;
    }

    bool Escape(std::string& out) {
        if (pos_ >= s_.size()) return Fail("an unterminated string");
        char c = s_[pos_++];
        static constexpr std::string_view kFrom = "\"\\/bfnrt", kTo = "\"\\/\b\f\n\r\t";
        if (std::size_t k = kFrom.find(c); k != std::string_view::npos) {
            out += kTo[k];
            return true;
        }
        if (c != 'u') return Fail("an unknown escape");
        std::uint32_t cp;
        if (!Hex4(cp)) return false;
        if (cp >= 0xD800 && cp < 0xDC00) {  // a surrogate pair spells a character above U+FFFF
            std::uint32_t low;
            if (s_.substr(pos_, 2) != "\\u") return Fail("a lone surrogate");
            pos_ += 2;
            if (!Hex4(low) || low < 0xDC00 || low > 0xDFFF) return Fail("a lone surrogate");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        }
        out += EncodeUtf8(static_cast<char32_t>(cp));
        return true;
    }

    bool String(std::string& out) {
        ++pos_;  // the opening quote
        out.clear();
        while (pos_ < s_.size()) {
            char c = s_[pos_++];
            if (c == '"') return true;
            if (c == '\\') {
                if (!Escape(out)) return false;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                return Fail("a control character inside a string");
            } else {
                out += c;
            }
        }
        return Fail("an unterminated string");
    }

    bool Array(JsonValue& out, int depth) {
        out.kind = JsonValue::Kind::Array;
        ++pos_;
        SkipSpace();
        if (pos_ < s_.size() && s_[pos_] == ']') return ++pos_, true;
        for (;;) {
            out.items.emplace_back();
            SkipSpace();
            if (!Value(out.items.back(), depth + 1)) return false;
            SkipSpace();
            if (pos_ < s_.size() && s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < s_.size() && s_[pos_] == ']') return ++pos_, true;
            return Fail("\",\" or \"]\" expected");
        }
    }

    bool Object(JsonValue& out, int depth) {
        out.kind = JsonValue::Kind::Object;
        ++pos_;
        SkipSpace();
        if (pos_ < s_.size() && s_[pos_] == '}') return ++pos_, true;
        for (;;) {
            SkipSpace();
            if (pos_ >= s_.size() || s_[pos_] != '"') return Fail("a quoted key expected");
            out.members.emplace_back();
            if (!String(out.members.back().first)) return false;
            SkipSpace();
            if (pos_ >= s_.size() || s_[pos_] != ':') return Fail("\":\" expected");
            ++pos_;
            SkipSpace();
            if (!Value(out.members.back().second, depth + 1)) return false;
            SkipSpace();
            if (pos_ < s_.size() && s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < s_.size() && s_[pos_] == '}') return ++pos_, true;
            return Fail("\",\" or \"}\" expected");
        }
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    std::string problem_;
};

}  // namespace

const JsonValue* JsonValue::Find(std::string_view key) const {
    for (const auto& [name, value] : members)
        if (name == key) return &value;
    return nullptr;
}

bool ParseJson(std::string_view text, JsonValue& out, std::string& error) {
    out = JsonValue{};
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return Parser(text).Document(out, error);
}

}  // namespace lumo::refdb
