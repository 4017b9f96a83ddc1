// The block elements (U+2580 to U+259F) and box-drawing characters (U+2500
// to U+257F) of .nfo art, drawn as shapes that fill their character cell.
// Art was drawn for a screen where one cell touches the next and one line
// the next; a font draws these characters a little short of its cell and
// its line, so art drawn with the font shows seams. Shapes drawn on whole
// device pixels meet their neighbours at any scale factor.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace relwiz {

// Whether draw_cell_art draws `c` (the font draws every other character).
//     is_cell_art(u'\u2588') == true      // the full block
//     is_cell_art(u'#') == false
constexpr bool is_cell_art(char16_t c)
{
    return c >= 0x2500 && c <= 0x259F;
}

// Whether `c` drawn once over a row of its cells draws what it draws in
// each: the blocks that are bands across the cell, the shades and the
// straight horizontal lines. A row of them then takes one shape.
//     spans_its_width(u'\u2580') == true      // the upper half block
//     spans_its_width(u'\u2502') == false     // a vertical line
bool spans_its_width(char16_t c);

// Draws `c` over the whole of `cell`, a rectangle of device pixels, in `ink`
// on `paper`: whatever the cell held before is covered. `painter` must map
// its coordinates one to one onto device pixels.
//     draw_cell_art(painter, u'\u2500', QRect(0, 0, 8, 16), Qt::green, Qt::black);  // a line across the cell
void draw_cell_art(QPainter& painter, char16_t c, const QRect& cell, const QColor& ink, const QColor& paper);

}  // namespace relwiz
