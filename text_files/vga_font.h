// The glyphs of the IBM VGA's 8x16 text font, code page 437: what a DOS
// screen drew for each byte, and what .nfo galleries and ansilove draw today.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace relwiz {

inline constexpr int glyph_width = 8;
inline constexpr int glyph_height = 16;

// Sixteen rows from the top, the leftmost pixel in the highest bit.
using Glyph = std::array<std::uint8_t, glyph_height>;

// The glyph of each byte, in byte order.
//
//     vga_font()[0xDB][0] == 0xFF   // the full block: every pixel of every row
std::span<const Glyph, 256> vga_font();

}  // namespace relwiz
