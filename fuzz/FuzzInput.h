#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Shared by the fuzz targets: cutting one input into several texts, and failing loudly.
namespace lumo::fuzz {

// The input cut at every 0 byte (the last piece included, even when empty).
inline std::vector<std::string> Pieces(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> out(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            out.emplace_back();
        else
            out.back().push_back(static_cast<char>(data[i]));
    }
    return out;
}

inline std::string Piece(const std::vector<std::string>& pieces, std::size_t i) {
    return i < pieces.size() ? pieces[i] : std::string();
}

// An invariant that does not hold is a finding: abort so that libFuzzer keeps the input.
#define LUMO_FUZZ_CHECK(condition)                                                             \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

}  // namespace lumo::fuzz
