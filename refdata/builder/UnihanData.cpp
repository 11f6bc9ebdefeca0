#include "UnihanData.h"

#include <bzlib.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

namespace lumo::refdb {
namespace {

using FileCloser = int (*)(std::FILE*);

// The whole decompressed text of a .bz2 file, following concatenated streams.
bool ReadBzip2(const std::filesystem::path& file, std::string& text, std::string& error) {
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(file.c_str(), "rb"), &std::fclose);
    if (!f) {
        error = "cannot read " + file.string();
        return false;
    }
    text.clear();
    std::string unused;
    char buffer[1 << 16];
    while (true) {
        int status = BZ_OK;
        BZFILE* bz =
            BZ2_bzReadOpen(&status, f.get(), 0, 0, unused.empty() ? nullptr : unused.data(),
                           static_cast<int>(unused.size()));
        if (status != BZ_OK) {
            BZ2_bzReadClose(&status, bz);
            error = "cannot decompress " + file.string();
            return false;
        }
        while (status == BZ_OK) {
            int n = BZ2_bzRead(&status, bz, buffer, sizeof buffer);
            if (status == BZ_OK || status == BZ_STREAM_END)
                text.append(buffer, static_cast<std::size_t>(n));
        }
        if (status != BZ_STREAM_END) {
            BZ2_bzReadClose(&status, bz);
            error = "corrupt bzip2 data in " + file.string();
            return false;
        }
        void* rest = nullptr;
        int restSize = 0;
        BZ2_bzReadGetUnused(&status, bz, &rest, &restSize);
        unused.assign(static_cast<const char*>(rest), static_cast<std::size_t>(restSize));
        BZ2_bzReadClose(&status, bz);
        if (unused.empty() && std::feof(f.get())) return true;
        if (unused.empty()) {
            int c = std::fgetc(f.get());
            if (c == EOF) return true;
            std::ungetc(c, f.get());
        }
    }
}

bool ReadUnihanFile(const std::filesystem::path& dir, const std::string& name, std::string& text,
                    std::string& error) {
    std::filesystem::path compressed = dir / (name + ".txt.bz2");
    if (std::filesystem::exists(compressed)) return ReadBzip2(compressed, text, error);
    std::ifstream in(dir / (name + ".txt"), std::ios::binary);
    if (!in) {
        error = "Unihan file " + name + " not found in " + dir.string() +
                " (Debian package unicode-data)";
        return false;
    }
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

std::string UnihanEntry::*FieldOf(const std::string& name) {
    static const std::map<std::string, std::string UnihanEntry::*> fields{
        {"kTotalStrokes", &UnihanEntry::totalStrokes}, {"kRSKangXi", &UnihanEntry::rsKangxi},
        {"kRSUnicode", &UnihanEntry::rsUnicode},       {"kMandarin", &UnihanEntry::mandarin},
        {"kTGHZ2013", &UnihanEntry::tghz2013},         {"kXHC1983", &UnihanEntry::xhc1983},
        {"kHanyuPinyin", &UnihanEntry::hanyuPinyin},   {"kDefinition", &UnihanEntry::definition},
        {"kHanyuPinlu", &UnihanEntry::hanyuPinlu},
    };
    auto it = fields.find(name);
    return it == fields.end() ? nullptr : it->second;
}

// "85.7", "167'.4", "96.-1" (the first value when there are several).
bool ParseRadicalStroke(const std::string& value, int& radical, int& residual) {
    std::string first = value.substr(0, value.find(' '));
    std::size_t dot = first.find('.');
    if (dot == std::string::npos || dot == 0) return false;
    std::string rad = first.substr(0, dot);
    while (!rad.empty() && (rad.back() == '\'' || rad.back() == '"')) rad.pop_back();
    try {
        radical = std::stoi(rad);
        residual = std::stoi(first.substr(dot + 1));
    } catch (...) {
        return false;
    }
    return radical >= 1 && radical <= 214;
}

}  // namespace

bool Unihan::Load(const std::filesystem::path& dir, std::string& error) {
    entries_.clear();
    std::set<std::string> found;
    for (const char* name :
         {"Unihan_IRGSources", "Unihan_RadicalStrokeCounts", "Unihan_Readings"}) {
        std::string text;
        if (!ReadUnihanFile(dir, name, text, error)) return false;
        std::size_t pos = 0;
        while (pos < text.size()) {
            std::size_t end = text.find('\n', pos);
            if (end == std::string::npos) end = text.size();
            std::string_view line(text.data() + pos, end - pos);
            pos = end + 1;
            if (line.size() < 3 || line[0] != 'U' || line[1] != '+') continue;
            std::size_t tab1 = line.find('\t');
            std::size_t tab2 = line.find('\t', tab1 + 1);
            if (tab1 == std::string_view::npos || tab2 == std::string_view::npos) continue;
            std::string field(line.substr(tab1 + 1, tab2 - tab1 - 1));
            std::string UnihanEntry::*member = FieldOf(field);
            if (!member) continue;
            char32_t cp = static_cast<char32_t>(
                std::stoul(std::string(line.substr(2, tab1 - 2)), nullptr, 16));
            std::string_view value = line.substr(tab2 + 1);
            if (!value.empty() && value.back() == '\r') value.remove_suffix(1);
            entries_[cp].*member = std::string(value);
            found.insert(field);
        }
    }
    for (const char* needed :
         {"kTotalStrokes", "kRSKangXi", "kRSUnicode", "kMandarin", "kDefinition"}) {
        if (!found.count(needed)) {
            error = std::string("the Unihan files in ") + dir.string() + " carry no " + needed +
                    " (Unihan 15.0 from Debian's unicode-data is needed)";
            return false;
        }
    }
    return true;
}

const UnihanEntry* Unihan::Find(char32_t cp) const {
    auto it = entries_.find(cp);
    return it == entries_.end() ? nullptr : &it->second;
}

bool Unihan::RadicalStroke(char32_t cp, int& radical, int& residual, bool* fromKangxi) const {
    const UnihanEntry* e = Find(cp);
    if (!e) return false;
    if (!e->rsKangxi.empty() && ParseRadicalStroke(e->rsKangxi, radical, residual)) {
        if (fromKangxi) *fromKangxi = true;
        return true;
    }
    if (fromKangxi) *fromKangxi = false;
    return !e->rsUnicode.empty() && ParseRadicalStroke(e->rsUnicode, radical, residual);
}

int Unihan::TotalStrokes(char32_t cp) const {
    const UnihanEntry* e = Find(cp);
    if (!e || e->totalStrokes.empty()) return 0;
    try {
        return std::stoi(e->totalStrokes);
    } catch (...) {
        return 0;
    }
}

}  // namespace lumo::refdb
