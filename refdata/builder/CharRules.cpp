#include "CharRules.h"

#include "CharSources.h"

namespace lumo::refdb {
namespace {

bool ParseInt(const std::string& text, int& value) {
    try {
        std::size_t used = 0;
        value = std::stoi(text, &used);
        return used == text.size();
    } catch (...) {
        return false;
    }
}

// Every value of a kTotalStrokes field ("8 9": mainland count, then the traditional one).
std::vector<int> AllTotalStrokes(const Unihan& unihan, char32_t cp) {
    std::vector<int> values;
    const UnihanEntry* e = unihan.Find(cp);
    if (!e) return values;
    std::size_t at = 0;
    while (at < e->totalStrokes.size()) {
        std::size_t end = e->totalStrokes.find(' ', at);
        if (end == std::string::npos) end = e->totalStrokes.size();
        int v = 0;
        if (ParseInt(e->totalStrokes.substr(at, end - at), v)) values.push_back(v);
        at = end + 1;
    }
    return values;
}

}  // namespace

bool CharRules::Load(const std::filesystem::path& dir, const Unihan& unihan, std::string& error) {
    TsvTable table;
    std::filesystem::path file = dir / "kangxi" / "radicals.tsv";
    if (!ReadTsv(file, {"部首号", "部首", "笔画", "常见变形"}, table, error)) return false;
    if (table.rows.size() != 214) {
        error = file.string() + ": the Kangxi dictionary has 214 radicals, found " +
                std::to_string(table.rows.size());
        return false;
    }
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        int number = 0, strokes = 0;
        if (!ParseInt(row[0], number) || number != static_cast<int>(r) + 1 ||
            !ParseInt(row[2], strokes) || strokes < 1 || strokes > 17 || !SingleCodePoint(row[1])) {
            error = Where(file, table.lines[r]) + "expected radical " + std::to_string(r + 1) +
                    " with its character and a stroke count from 1 to 17";
            return false;
        }
        radicalNames_[r + 1] = row[1];
        radicalStrokes_[r + 1] = strokes;
        radicalShapeStrokes_[r + 1] = {strokes};
    }
    // The shapes a radical takes inside characters (氵 3 for 水 4), counted as written, for the
    // consistency check of kRSKangXi. 阝 and 月 carry a note in parentheses.
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        std::u32string shapes = DecodeUtf8(table.rows[r][3]);
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            if (shapes[i] == U'（') {
                while (i < shapes.size() && shapes[i] != U'）') ++i;
                continue;
            }
            for (int v : AllTotalStrokes(unihan, shapes[i]))
                radicalShapeStrokes_[r + 1].push_back(v);
        }
    }

    file = dir / "kangxi" / "overrides.tsv";
    if (!ReadTsv(file, {"字", "繁体", "笔画", "说明"}, table, error)) return false;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        KangxiOverride o{row[1], 0};
        char32_t cp = SingleCodePoint(row[0]);
        if (!cp || !SingleCodePoint(row[1]) ||
            (!row[2].empty() && (!ParseInt(row[2], o.strokes) || o.strokes < 1)) ||
            !kangxiOverrides_.emplace(cp, o).second) {
            error = Where(file, table.lines[r]) +
                    "expected one character (once), its traditional form and a count";
            return false;
        }
    }

    file = dir / "kangxi" / "checked.tsv";
    if (!ReadTsv(file, {"字", "繁体", "笔画", "说明"}, table, error)) return false;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        char32_t cp = SingleCodePoint(row[0]);
        if (!cp || !SingleCodePoint(row[1]) || row[3].empty() || kangxiOverrides_.count(cp) ||
            !kangxiChecked_.emplace(cp, row[3]).second) {
            error = Where(file, table.lines[r]) +
                    "expected one character (once, and not among the overrides), its form, the "
                    "count kept and why";
            return false;
        }
    }

    file = dir / "elements" / "radicals.tsv";
    if (!ReadTsv(file, {"部首号", "部首", "五行", "理由"}, table, error)) return false;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        int number = 0;
        if (!ParseInt(row[0], number) || number < 1 || number > 214 ||
            row[1] != radicalNames_[number] || !IsElement(row[2]) ||
            !radicalElements_[number].empty()) {
            error = Where(file, table.lines[r]) +
                    "expected a radical number (once), its character as in "
                    "kangxi/radicals.tsv and one of 金木水火土";
            return false;
        }
        radicalElements_[number] = row[2];
    }

    file = dir / "elements" / "sounds.tsv";
    if (!ReadTsv(file, {"声母", "五行", "五音"}, table, error)) return false;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        if (!IsElement(row[1]) || !soundElements_.emplace(row[0], row[1]).second) {
            error =
                Where(file, table.lines[r]) + "expected an initial (once) and one of 金木水火土";
            return false;
        }
    }
    if (!soundElements_.count("")) {
        error = file.string() + ": the zero initial (an empty 声母) needs an element";
        return false;
    }

    // The reviewed table: the element of each naming character as the naming tradition prints
    // it, with the two independent readings it was settled from (甲, 乙).
    file = dir / "elements" / "reviewed.tsv";
    if (!ReadTsv(file, {"字", "五行", "甲", "乙", "说明"}, table, error)) return false;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        char32_t cp = SingleCodePoint(row[0]);
        const bool settled = row[1] == row[2] && row[1] == row[3];
        if (!cp || !IsElement(row[1]) || !IsElement(row[2]) || !IsElement(row[3]) ||
            (!settled && row[4].empty()) || !reviewedElements_.emplace(cp, row[1]).second) {
            error = Where(file, table.lines[r]) +
                    "expected one character (once), its element, the two readings (each one of "
                    "金木水火土) and, where they differ from the element, how it was decided";
            return false;
        }
    }

    file = dir / "elements" / "overrides.tsv";
    if (!ReadTsv(file, {"字", "五行", "理由"}, table, error)) return false;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        char32_t cp = SingleCodePoint(row[0]);
        if (!cp || !IsElement(row[1]) || row[2].empty() ||
            !elementOverrides_.emplace(cp, row[1]).second) {
            error = Where(file, table.lines[r]) +
                    "expected one character (once), one of 金木水火土 and a reason";
            return false;
        }
    }
    return true;
}

std::string CharRules::RadicalOf(const Unihan& unihan, char32_t cp) const {
    int radical = 0, residual = 0;
    if (!unihan.RadicalStroke(cp, radical, residual)) return {};
    return radicalNames_[radical];
}

int CharRules::KangxiStrokes(const Unihan& unihan, char32_t traditional, Origin* origin) const {
    int radical = 0, residual = 0;
    bool fromKangxi = false;
    if (unihan.RadicalStroke(traditional, radical, residual, &fromKangxi)) {
        if (origin) *origin = fromKangxi ? Origin::Radical : Origin::Fallback;
        return radicalStrokes_[radical] + residual;
    }
    if (origin) *origin = Origin::Fallback;
    return unihan.TotalStrokes(traditional);
}

bool CharRules::KangxiConsistent(const Unihan& unihan, char32_t traditional,
                                 std::string& why) const {
    int radical = 0, residual = 0;
    bool fromKangxi = false;
    if (!unihan.RadicalStroke(traditional, radical, residual, &fromKangxi) || !fromKangxi)
        return true;  // nothing of kRSKangXi to check
    const std::vector<int> totals = AllTotalStrokes(unihan, traditional);
    if (totals.empty()) return true;
    for (int shape : radicalShapeStrokes_[radical])
        for (int total : totals)
            if (shape + residual == total) return true;
    why = EncodeUtf8(traditional) + ": radical " + radicalNames_[radical] + " + residual " +
          std::to_string(residual) + " = " + std::to_string(radicalStrokes_[radical] + residual) +
          ", kTotalStrokes " + unihan.Find(traditional)->totalStrokes;
    return false;
}

TraditionalForm CharRules::Traditional(const Unihan& unihan, char32_t cp, char32_t opencc) const {
    auto it = kangxiOverrides_.find(cp);
    if (it != kangxiOverrides_.end()) {
        const KangxiOverride& o = it->second;
        int strokes = o.strokes ? o.strokes : KangxiStrokes(unihan, SingleCodePoint(o.form));
        return {o.form, strokes, Origin::Override};
    }
    TraditionalForm t;
    char32_t form = opencc ? opencc : cp;
    t.form = EncodeUtf8(form);
    t.strokes = KangxiStrokes(unihan, form, &t.origin);
    return t;
}

std::string CharRules::Element(const Unihan& unihan, char32_t cp, char32_t traditional,
                               const std::string& initial, Origin* origin) const {
    auto set = [origin](Origin o) {
        if (origin) *origin = o;
    };
    auto reviewed = reviewedElements_.find(cp);
    if (reviewed != reviewedElements_.end()) {
        set(Origin::Reviewed);
        return reviewed->second;
    }
    auto it = elementOverrides_.find(cp);
    if (it != elementOverrides_.end()) {
        set(Origin::Override);
        return it->second;
    }
    for (char32_t form : {traditional, cp}) {
        int radical = 0, residual = 0;
        if (unihan.RadicalStroke(form, radical, residual) && !radicalElements_[radical].empty()) {
            set(Origin::Radical);
            return radicalElements_[radical];
        }
    }
    set(Origin::Sound);
    auto sound = soundElements_.find(initial);
    return sound != soundElements_.end() ? sound->second : soundElements_.at("");
}

}  // namespace lumo::refdb
