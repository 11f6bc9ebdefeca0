#include "ModernRadicals.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "CharSources.h"
#include "PoemsJson.h"

namespace lumo::refdb {
namespace {

// "167'.8" → 167, true.
bool ParseUnicodeRadical(const std::string& value, int& radical, bool& simplified) {
    std::string first = value.substr(0, value.find(' '));
    std::size_t dot = first.find('.');
    if (dot == std::string::npos) return false;
    std::string number = first.substr(0, dot);
    simplified = !number.empty() && number.back() == '\'';
    if (simplified) number.pop_back();
    while (!number.empty() && number.back() == '\'') number.pop_back();  // 2'' forms
    try {
        radical = std::stoi(number);
    } catch (...) {
        return false;
    }
    return radical >= 1 && radical <= 214;
}

// The shape each radical takes by where it stands; radicals not listed keep their full form.
struct Shapes {
    const char* left = nullptr;
    const char* right = nullptr;
    const char* top = nullptr;
    const char* flat = nullptr;    // a low, wide radical at the bottom (灬)
    const char* always = nullptr;  // every character but the radical itself
};

const std::map<int, Shapes>& PositionalShapes() {
    static const std::map<int, Shapes> shapes = {
        {9, {.left = "亻"}},   {18, {.right = "刂"}},   {61, {.left = "忄"}},
        {64, {.left = "扌"}},  {66, {.right = "攵"}},   {85, {.left = "氵"}},
        {86, {.flat = "灬"}},  {87, {.top = "爫"}},     {94, {.left = "犭"}},
        {96, {.left = "王"}},  {113, {.left = "礻"}},   {122, {.top = "罒"}},
        {125, {.top = "耂"}},  {130, {.always = "月"}}, {140, {.always = "艹"}},
        {145, {.left = "衤"}}, {162, {.always = "辶"}}, {163, {.right = "阝"}},
        {170, {.left = "阝"}},
    };
    return shapes;
}

// Old-form names of radicals whose modern glyph differs and which Unihan does not mark as
// simplified in every character (黄 itself is 201.0).
const std::map<std::string, std::string>& ModernGlyphs() {
    static const std::map<std::string, std::string> glyphs = {
        {"靑", "青"}, {"黃", "黄"}, {"麥", "麦"}, {"齊", "齐"}, {"龍", "龙"}, {"龜", "龟"},
        {"黽", "黾"}, {"齒", "齿"}, {"鹵", "卤"}, {"鳥", "鸟"}, {"魚", "鱼"}, {"馬", "马"},
        {"飛", "飞"}, {"風", "风"}, {"頁", "页"}, {"韋", "韦"}, {"門", "门"}, {"長", "长"},
        {"車", "车"}, {"貝", "贝"}, {"見", "见"}, {"黑", "黑"},
    };
    return glyphs;
}

}  // namespace

bool ModernRadicals::Load(const std::filesystem::path& unicodeDir,
                          const std::filesystem::path& drawDir, std::string& error) {
    drawDir_ = drawDir;
    const std::filesystem::path file = unicodeDir / "CJKRadicals.txt";
    std::ifstream in(file);
    if (!in) {
        error = "cannot read " + file.string() + " (Debian package unicode-data)";
        return false;
    }
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string number, radicalChar, ideograph;
        std::getline(fields, number, ';');
        std::getline(fields, radicalChar, ';');
        std::getline(fields, ideograph, ';');
        ideograph.erase(std::remove(ideograph.begin(), ideograph.end(), ' '), ideograph.end());
        int radical = 0;
        bool simplified = false;
        if (!ParseUnicodeRadical(number + ".0", radical, simplified) || ideograph.empty()) continue;
        const std::string glyph =
            EncodeUtf8(static_cast<char32_t>(std::stoul(ideograph, nullptr, 16)));
        (simplified ? simplified_ : full_)[radical] = glyph;
    }
    if (full_.size() != 214) {
        error =
            file.string() + ": expected the 214 radicals, found " + std::to_string(full_.size());
        return false;
    }
    if (!std::filesystem::is_directory(drawDir)) {
        error = "cannot find " + drawDir.string() +
                " (npm package cnchar-data; run npm ci in refdata/)";
        return false;
    }
    return true;
}

ModernRadicals::Place ModernRadicals::PlaceOf(char32_t cp) const {
    std::ifstream in(drawDir_ / (EncodeUtf8(cp) + ".json"), std::ios::binary);
    if (!in) return Place::Unknown;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    JsonValue root;
    std::string error;
    if (!ParseJson(text, root, error)) return Place::Unknown;
    const JsonValue* medians = root.Find("medians");
    const JsonValue* radical = root.Find("radStrokes");
    if (!medians || !radical || radical->items.empty()) return Place::Unknown;
    // Stroke drawings are 1024 units square, y pointing up.
    struct Box {
        double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
        void Add(const JsonValue& point) {
            if (point.items.size() < 2) return;
            double x = std::stod(point.items[0].text), y = std::stod(point.items[1].text);
            x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
        }
    } all, part;
    std::vector<bool> isRadical(medians->items.size(), false);
    for (const JsonValue& i : radical->items) {
        std::size_t k = static_cast<std::size_t>(std::stoi(i.text));
        if (k < isRadical.size()) isRadical[k] = true;
    }
    for (std::size_t s = 0; s < medians->items.size(); ++s)
        for (const JsonValue& point : medians->items[s].items) {
            all.Add(point);
            if (isRadical[s]) part.Add(point);
        }
    if (std::count(isRadical.begin(), isRadical.end(), true) == static_cast<long>(isRadical.size()))
        return Place::Whole;
    const double w = std::max(1.0, all.x1 - all.x0), h = std::max(1.0, all.y1 - all.y0);
    if (part.x1 < all.x0 + 0.5 * w) return Place::Left;
    if (part.x0 > all.x0 + 0.45 * w) return Place::Right;
    if (part.y0 > all.y0 + 0.45 * h) return Place::Top;
    if (part.y1 < all.y0 + 0.5 * h)
        return part.y1 - part.y0 < 0.3 * h ? Place::BottomFlat : Place::Bottom;
    return Place::Unknown;
}

std::string ModernRadicals::Of(const Unihan& unihan, char32_t cp) const {
    const UnihanEntry* e = unihan.Find(cp);
    int radical = 0;
    bool simplified = false;
    if (!e || !ParseUnicodeRadical(e->rsUnicode, radical, simplified)) return {};
    if (simplified && simplified_.count(radical)) return simplified_.at(radical);
    const std::string full = full_.at(radical);
    auto shapes = PositionalShapes().find(radical);
    if (shapes != PositionalShapes().end() && EncodeUtf8(cp) != full) {
        const Shapes& s = shapes->second;
        if (s.always) return s.always;
        switch (PlaceOf(cp)) {
            case Place::Left:
                if (s.left) return s.left;
                break;
            case Place::Right:
                if (s.right) return s.right;
                break;
            case Place::Top:
                if (s.top) return s.top;
                break;
            case Place::BottomFlat:
                if (s.flat) return s.flat;
                break;
            default:
                break;
        }
    }
    auto modern = ModernGlyphs().find(full);
    return modern != ModernGlyphs().end() ? modern->second : full;
}

}  // namespace lumo::refdb
