// A DOS text screen drawn as a PNG picture, the way .nfo galleries and
// `ansilove -b 9` draw DOS text: each byte one cell of 9 x 16 pixels holding
// its VGA glyph (vga_font.h), light grey (#AAAAAA) on black. The ninth
// column of a cell is black, but for the line-drawing characters 0xC0 to
// 0xDF, which repeat their eighth there, so that their lines run on into
// the next cell as on a VGA screen. One line of text is one row of cells,
// nothing wraps, and the picture is as wide as the widest line.
//
// The picture is made row by row and handed on as it is made: memory stays
// one row of pixels and the compressor's window, however long the text.
// Standard C++ and libpng only.
#pragma once

#include "outcome.h"

#include <cstddef>
#include <functional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace relwiz {

inline constexpr int cell_width = 9;
inline constexpr int cell_height = 16;

// Lines of cells, one CP437 byte a cell; every byte, 0x00 to 0xFF, is drawn
// as its glyph, none is a control.
struct ScreenLines {
    std::string cells;              // the lines one after another
    std::vector<std::size_t> ends;  // where each line ends in `cells`
    std::size_t columns = 0;        // the cells of the widest line; 0: nothing to draw

    std::string_view line(std::size_t index) const
    {
        const std::size_t start = index == 0 ? 0 : ends[index - 1];
        return std::string_view(cells).substr(start, ends[index] - start);
    }
};

// How far the drawing is, for a progress bar.
struct PictureProgress {
    std::size_t lines_done = 0;
    std::size_t lines_total = 0;
};

// Called on the drawing's thread as it begins, about every 50 ms, and once
// when every line is drawn.
using PictureProgressCallback = std::function<void(const PictureProgress&)>;

// Takes the picture's bytes as they are made; false when it could not keep
// them, which ends the drawing.
using PictureSink = std::function<bool(std::string_view bytes)>;

// Draws `lines` as a PNG of 1 bit a pixel (a palette of black and
// #AAAAAA), columns x 9 pixels wide and 16 pixels a line high. Cancelled
// when `stop` is requested, which is seen between two lines; refused when
// `write` does not take the bytes, when libpng fails (its own words) or
// when there is no cell to draw.
//
//     std::string png;
//     draw_screen_picture(lines, [&png](std::string_view bytes) { png += bytes; return true; }, {}, {});
Outcome<> draw_screen_picture(const ScreenLines& lines, const PictureSink& write, const PictureProgressCallback& progress,
                              std::stop_token stop);

}  // namespace relwiz
