#pragma once

// The 18 symbol pictures, built into the program by the build from
// symbols/pictures/symbol_NN.jpg as constants in byte-string form: 25 × 25
// baseline JPEGs of one dark red symbol on white, all mutually distinct. The
// order is the list order; a symbol's index is its 1-based place in it.

#include "toolkit/byte_string.h"

#include <array>
#include <cstdint>

namespace symbols {

inline constexpr int kSymbolCount = 18;

extern const std::uint8_t symbol_picture_01[]; // Gemini
extern const std::uint8_t symbol_picture_02[]; // Aries
extern const std::uint8_t symbol_picture_03[]; // Taurus
extern const std::uint8_t symbol_picture_04[]; // cross with a ring around its crossing
extern const std::uint8_t symbol_picture_05[]; // sun
extern const std::uint8_t symbol_picture_06[]; // snowflake
extern const std::uint8_t symbol_picture_07[]; // hexagram
extern const std::uint8_t symbol_picture_08[]; // Latin cross
extern const std::uint8_t symbol_picture_09[]; // eight-pointed star
extern const std::uint8_t symbol_picture_10[]; // rosette
extern const std::uint8_t symbol_picture_11[]; // drop
extern const std::uint8_t symbol_picture_12[]; // Om
extern const std::uint8_t symbol_picture_13[]; // blot
extern const std::uint8_t symbol_picture_14[]; // star and crescent
extern const std::uint8_t symbol_picture_15[]; // cross pattée
extern const std::uint8_t symbol_picture_16[]; // Aquarius
extern const std::uint8_t symbol_picture_17[]; // Cancer
extern const std::uint8_t symbol_picture_18[]; // Virgo

// The built-in pictures in list order: element i - 1 is symbol i.
inline const std::array<toolkit::ByteString, kSymbolCount>& built_in_symbols()
{
    static constexpr std::array<toolkit::ByteString, kSymbolCount> pictures{
        symbol_picture_01, symbol_picture_02, symbol_picture_03, symbol_picture_04, symbol_picture_05,
        symbol_picture_06, symbol_picture_07, symbol_picture_08, symbol_picture_09, symbol_picture_10,
        symbol_picture_11, symbol_picture_12, symbol_picture_13, symbol_picture_14, symbol_picture_15,
        symbol_picture_16, symbol_picture_17, symbol_picture_18,
    };
    return pictures;
}

} // namespace symbols
