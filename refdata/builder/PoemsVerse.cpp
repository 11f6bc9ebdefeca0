#include "PoemsVerse.h"

#include <algorithm>
#include <set>

#include "PoemsText.h"

namespace lumo::refdb {
namespace {

bool IsVerseEnd(const std::string& ch) {
    return ch == "，" || ch == "。" || ch == "？" || ch == "！" || ch == "；";
}

// Punctuation a verse may carry besides its ends: quotations, titles of works, enumerations.
bool IsVersePunctuation(const std::string& ch) {
    static const std::set<std::string> marks = {"：", "、", "「", "」", "『", "』",
                                                "《", "》", "·",  "…",  "—"};
    return IsVerseEnd(ch) || marks.count(ch) > 0;
}

bool IsNoteNumber(const std::vector<std::string>& chars) {
    static const std::set<std::string> digits = {"一", "二", "三", "四", "五", "六",
                                                 "七", "八", "九", "十", "○",  "〇"};
    if (chars.empty()) return false;
    for (const std::string& c : chars)
        if (!digits.count(c)) return false;
    return true;
}

// The verse since the last verse end: the words a remark refers to.
std::string Anchor(const std::vector<std::string>& verse) {
    std::string anchor;
    for (std::size_t i = verse.size(); i > 0 && !IsVerseEnd(verse[i - 1]); --i)
        anchor.insert(0, verse[i - 1]);
    return anchor;
}

std::string Trimmed(std::string note) {
    static const std::string stops[] = {"。", "，", "；"};
    for (bool cut = true; cut;) {
        cut = false;
        for (const std::string& s : stops)
            if (note.size() >= s.size() && note.compare(note.size() - s.size(), s.size(), s) == 0) {
                note.erase(note.size() - s.size());
                cut = true;
            }
    }
    return note;
}

}  // namespace

SplitPoem SplitVerse(std::string_view content) {
    SplitPoem out;
    std::vector<std::string> chars = Utf8Characters(content), verse;
    int depth = 0;
    std::string note;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const std::string& ch = chars[i];
        if (ch == "（") {
            if (depth++ > 0) note += ch;
            continue;
        }
        if (depth > 0) {
            if (ch == "）" && --depth == 0) {
                std::string anchor = Anchor(verse), text = Trimmed(note);
                if (!text.empty())
                    out.notes.push_back(anchor.empty() ? text : "「" + anchor + "」" + text);
                note.clear();
            } else {
                note += ch;
            }
            continue;
        }
        const std::string close = ch == "[" ? "]" : ch == "［" ? "］" : ch == "〖" ? "〗" : "";
        if (!close.empty()) {
            auto end = std::find(chars.begin() + static_cast<long>(i) + 1, chars.end(), close);
            if (end == chars.end()) {
                out.damage = "an unclosed " + ch;
                break;
            }
            std::vector<std::string> inner(chars.begin() + static_cast<long>(i) + 1, end);
            i = static_cast<std::size_t>(end - chars.begin());
            if (ch == "〖") continue;  // a footnote mark: its text is one of the remarks
            // Numbered marks stand in manuscript editions whose remarks run on outside the
            // parentheses, so their verse cannot be told from the remarks.
            if (IsNoteNumber(inner)) {
                out.damage = "numbered note marks";
                break;
            }
            verse.insert(verse.end(), inner.begin(), inner.end());  // restored by the editors
            continue;
        }
        verse.push_back(ch);
    }
    if (out.damage.empty() && depth > 0) out.damage = "an unclosed （";
    // A remark cut out between two stops leaves both: "前。（…）。" keeps one.
    for (const std::string& ch : verse) {
        if (IsVerseEnd(ch) && (out.verse.empty() || IsVerseEnd(Utf8Characters(out.verse).back())))
            continue;
        if (out.damage.empty() && !IsIdeograph(ch) && !IsVersePunctuation(ch))
            out.damage = ch == "□" || ch == "●" ? "a lost character" : "the sign " + ch;
        out.verse += ch;
    }
    return out;
}

std::vector<std::string> VerseCharacters(std::string_view text) {
    std::vector<std::string> out;
    for (std::string& ch : Utf8Characters(text))
        if (IsIdeograph(ch)) out.push_back(std::move(ch));
    return out;
}

int VerseDifference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    std::vector<int> row(b.size() + 1, 0), next(b.size() + 1, 0);
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < b.size(); ++j)
            next[j + 1] = a[i] == b[j] ? row[j] + 1 : std::max(row[j + 1], next[j]);
        std::swap(row, next);
    }
    return static_cast<int>(std::max(a.size(), b.size())) - row[b.size()];
}

}  // namespace lumo::refdb
