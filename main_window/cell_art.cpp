#include "cell_art.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <string_view>

namespace relwiz {

namespace {

// A rectangle in eighths of the cell, its right and bottom edges excluded.
struct Eighths {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// A block element: up to two rectangles of ink. The three shades fill the
// whole cell with a tone `ink_quarters` of the way from paper to ink, which
// stays even at any scale factor where a pattern of dots would not.
struct Block {
    Eighths first;
    Eighths second = {};
    int ink_quarters = 4;
};

constexpr Eighths whole{0, 0, 8, 8}, upper_half{0, 0, 8, 4}, left_half{0, 0, 4, 8}, right_half{4, 0, 8, 8};
constexpr Eighths upper_left{0, 0, 4, 4}, upper_right{4, 0, 8, 4}, lower_left{0, 4, 4, 8}, lower_right{4, 4, 8, 8};

// U+2580 to U+259F, in order.
constexpr std::array<Block, 32> blocks = {{
    {upper_half}, {{0, 7, 8, 8}}, {{0, 6, 8, 8}}, {{0, 5, 8, 8}},                          // ▀ ▁ ▂ ▃
    {{0, 4, 8, 8}}, {{0, 3, 8, 8}}, {{0, 2, 8, 8}}, {{0, 1, 8, 8}},                        // ▄ ▅ ▆ ▇
    {whole}, {{0, 0, 7, 8}}, {{0, 0, 6, 8}}, {{0, 0, 5, 8}},                               // █ ▉ ▊ ▋
    {left_half}, {{0, 0, 3, 8}}, {{0, 0, 2, 8}}, {{0, 0, 1, 8}},                           // ▌ ▍ ▎ ▏
    {right_half}, {whole, {}, 1}, {whole, {}, 2}, {whole, {}, 3},                          // ▐ ░ ▒ ▓
    {{0, 0, 8, 1}}, {{7, 0, 8, 8}}, {lower_left}, {lower_right},                           // ▔ ▕ ▖ ▗
    {upper_left}, {left_half, lower_right}, {upper_left, lower_right}, {upper_half, lower_left},    // ▘ ▙ ▚ ▛
    {upper_half, lower_right}, {upper_right}, {upper_right, lower_left}, {right_half, lower_left},  // ▜ ▝ ▞ ▟
}};

// U+2500 to U+257F, in order: the stroke toward the cell's top, right,
// bottom and left edges, each ' ' (none), 'l' (light), 'h' (heavy: twice as
// thick) or 'd' (double: two light lines a light line apart). A fifth
// character draws the strokes otherwise: a digit cuts the line into that
// many dashes, 'a' rounds the corner, '/', '\' and 'x' are the diagonals.
constexpr std::array<std::string_view, 128> box_characters = {
    " l l",  " h h",  "l l ",  "h h ",  " l l3", " h h3", "l l 3", "h h 3",  // ─ ━ │ ┃ ┄ ┅ ┆ ┇
    " l l4", " h h4", "l l 4", "h h 4", " ll ",  " hl ",  " lh ",  " hh ",   // ┈ ┉ ┊ ┋ ┌ ┍ ┎ ┏
    "  ll",  "  lh",  "  hl",  "  hh",  "ll  ",  "lh  ",  "hl  ",  "hh  ",   // ┐ ┑ ┒ ┓ └ ┕ ┖ ┗
    "l  l",  "l  h",  "h  l",  "h  h",  "lll ",  "lhl ",  "hll ",  "llh ",   // ┘ ┙ ┚ ┛ ├ ┝ ┞ ┟
    "hlh ",  "hhl ",  "lhh ",  "hhh ",  "l ll",  "l lh",  "h ll",  "l hl",   // ┠ ┡ ┢ ┣ ┤ ┥ ┦ ┧
    "h hl",  "h lh",  "l hh",  "h hh",  " lll",  " llh",  " hll",  " hlh",   // ┨ ┩ ┪ ┫ ┬ ┭ ┮ ┯
    " lhl",  " lhh",  " hhl",  " hhh",  "ll l",  "ll h",  "lh l",  "lh h",   // ┰ ┱ ┲ ┳ ┴ ┵ ┶ ┷
    "hl l",  "hl h",  "hh l",  "hh h",  "llll",  "lllh",  "lhll",  "lhlh",   // ┸ ┹ ┺ ┻ ┼ ┽ ┾ ┿
    "hlll",  "llhl",  "hlhl",  "hllh",  "hhll",  "llhh",  "lhhl",  "hhlh",   // ╀ ╁ ╂ ╃ ╄ ╅ ╆ ╇
    "lhhh",  "hlhh",  "hhhl",  "hhhh",  " l l2", " h h2", "l l 2", "h h 2",  // ╈ ╉ ╊ ╋ ╌ ╍ ╎ ╏
    " d d",  "d d ",  " dl ",  " ld ",  " dd ",  "  ld",  "  dl",  "  dd",   // ═ ║ ╒ ╓ ╔ ╕ ╖ ╗
    "ld  ",  "dl  ",  "dd  ",  "l  d",  "d  l",  "d  d",  "ldl ",  "dld ",   // ╘ ╙ ╚ ╛ ╜ ╝ ╞ ╟
    "ddd ",  "l ld",  "d dl",  "d dd",  " dld",  " ldl",  " ddd",  "ld d",   // ╠ ╡ ╢ ╣ ╤ ╥ ╦ ╧
    "dl l",  "dd d",  "ldld",  "dldl",  "dddd",  " ll a", "  lla", "l  la",  // ╨ ╩ ╪ ╫ ╬ ╭ ╮ ╯
    "ll  a", "    /", "    \\", "    x", "   l",  "l   ",  " l  ",  "  l ",   // ╰ ╱ ╲ ╳ ╴ ╵ ╶ ╷
    "   h",  "h   ",  " h  ",  "  h ",  " h l",  "l h ",  " l h",  "h l ",   // ╸ ╹ ╺ ╻ ╼ ╽ ╾ ╿
};

enum class Stroke : char { none = ' ', light = 'l', heavy = 'h', twin = 'd' };
enum Side { up, right, down, left };

// Pixels [begin, end) along one axis of the cell.
struct Span {
    int begin, end;
};

// Where a stroke lies across its arm, centred in the cell: the one line of
// a light or heavy stroke in both members, the two lines of a double one.
struct StrokeLines {
    Span low, high;
};

QRect rect_of(Span xs, Span ys)
{
    return QRect(QPoint(xs.begin, ys.begin), QPoint(xs.end - 1, ys.end - 1));
}

StrokeLines stroke_lines(Stroke stroke, Span across, int light)
{
    const int thickness = light * (stroke == Stroke::light ? 1 : stroke == Stroke::heavy ? 2 : 3);
    const int begin = across.begin + (across.end - across.begin - thickness) / 2;
    if (stroke == Stroke::twin)
        return {{begin, begin + light}, {begin + 2 * light, begin + 3 * light}};
    return {{begin, begin + thickness}, {begin, begin + thickness}};
}

// One box-drawing character in its cell. Each arm runs from its edge to the
// middle, where it meets the arms beside it as a drawn box does: the lines
// of double strokes join at corners and stop at the lines they meet, so
// that ╔ nests two corners and ╬ leaves its middle open.
class BoxCell {
public:
    BoxCell(std::string_view strokes, const QRect& cell)
        : strokes_(strokes)
        , xs_{cell.left(), cell.left() + cell.width()}
        , ys_{cell.top(), cell.top() + cell.height()}
        , light_(std::max(1, (cell.height() + 8) / 16))  // as the font's strokes: 1 pixel at 13 px
    {
    }

    int light() const { return light_; }
    bool has(int side) const { return stroke(side) != Stroke::none; }
    Stroke stroke(int side) const { return Stroke(strokes_[side]); }
    static bool horizontal(int side) { return side == right || side == left; }
    Span along(int side) const { return horizontal(side) ? xs_ : ys_; }
    StrokeLines lines(int side) const { return stroke_lines(stroke(side), horizontal(side) ? ys_ : xs_, light_); }
    // The middle of the cell along the arm: where a light line across it lies.
    Span middle(int side) const { return stroke_lines(Stroke::light, along(side), light_).low; }

    // The rectangle of the arm toward `side`, its low line or its high one.
    QRect arm(int side, bool low_line) const
    {
        const Span meet = meeting(side, low_line);
        const Span length = side == right || side == down ? Span{meet.begin, along(side).end}
                                                          : Span{along(side).begin, meet.end};
        const Span thickness = low_line ? lines(side).low : lines(side).high;
        return horizontal(side) ? rect_of(length, thickness) : rect_of(thickness, length);
    }

private:
    // The lines across the arm's path that it reaches into: the arms on its
    // two sides (up and down for a horizontal arm), or the middle.
    Span meeting(int side, bool low_line) const
    {
        const int low_side = horizontal(side) ? up : left, high_side = horizontal(side) ? down : right;
        const int opposite = (side + 2) % 4;
        const bool from_high = side == right || side == down;
        const auto nearest = [&](int beside) { return from_high ? lines(beside).high : lines(beside).low; };
        const auto farthest = [&](int beside) { return from_high ? lines(beside).low : lines(beside).high; };
        if (stroke(side) != Stroke::twin) {
            if (has(opposite) || (!has(low_side) && !has(high_side)))
                return middle(side);
            if (stroke(low_side) == Stroke::twin && stroke(high_side) == Stroke::twin)
                return nearest(low_side);  // a branch off a double line ends at its near line
            const Span low = has(low_side) ? lines(low_side).low : lines(high_side).low;
            const Span high = has(high_side) ? lines(high_side).high : lines(low_side).high;
            return {std::min(low.begin, high.begin), std::max(low.end, high.end)};
        }
        const int beside = low_line ? low_side : high_side, across = low_line ? high_side : low_side;
        if (has(beside))
            return nearest(beside);
        if (has(opposite) || !has(across))
            return middle(side);
        return farthest(across);
    }

    std::string_view strokes_;
    Span xs_, ys_;
    int light_;
};

void draw_arms(QPainter& painter, const BoxCell& box, const QColor& ink)
{
    for (int side : {up, right, down, left}) {
        if (!box.has(side))
            continue;
        painter.fillRect(box.arm(side, true), ink);
        if (box.stroke(side) == Stroke::twin)
            painter.fillRect(box.arm(side, false), ink);
    }
}

// A straight line cut into `dashes` even dashes, the gaps shared between the
// cell's two ends so that a row of cells keeps the rhythm.
void draw_dashes(QPainter& painter, const BoxCell& box, int dashes, const QColor& ink)
{
    const int side = box.has(right) ? right : down;
    const Span along = box.along(side), across = box.lines(side).low;
    for (int dash = 0; dash < dashes; ++dash) {
        const int begin = along.begin + dash * (along.end - along.begin) / dashes;
        const int end = along.begin + (dash + 1) * (along.end - along.begin) / dashes;
        const int gap = std::max(box.light(), (end - begin) / 3);
        const Span drawn{begin + gap / 2, end - (gap - gap / 2)};
        painter.fillRect(BoxCell::horizontal(side) ? rect_of(drawn, across) : rect_of(across, drawn), ink);
    }
}

QPointF centre_of(Span xs, Span ys)
{
    return {(xs.begin + xs.end) / 2.0, (ys.begin + ys.end) / 2.0};
}

// A rounded corner: from the middle of one edge along the light line, round
// the middle of the cell, to the middle of the other edge.
void draw_arc(QPainter& painter, const BoxCell& box, const QRect& cell, const QColor& ink)
{
    const QPointF centre = centre_of(box.middle(right), box.middle(down));
    const QPointF toward[] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};  // up, right, down, left
    const qreal reach[] = {centre.y() - cell.top(), cell.left() + cell.width() - centre.x(),
                           cell.top() + cell.height() - centre.y(), centre.x() - cell.left()};
    std::array<int, 2> arms{};
    std::ranges::copy_if(std::array{up, right, down, left}, arms.begin(), [&](int side) { return box.has(side); });
    const qreal radius = std::min(reach[arms[0]], reach[arms[1]]);
    QPainterPath path(centre + toward[arms[0]] * reach[arms[0]]);
    path.lineTo(centre + toward[arms[0]] * radius);
    path.quadTo(centre, centre + toward[arms[1]] * radius);
    path.lineTo(centre + toward[arms[1]] * reach[arms[1]]);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path, QPen(ink, box.light(), Qt::SolidLine, Qt::FlatCap));
    painter.restore();
}

// From corner to corner, so that a row of ╱ or ╲ draws one slope.
void draw_diagonals(QPainter& painter, char kind, const BoxCell& box, const QRect& cell, const QColor& ink)
{
    const QRectF corners(cell);
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, box.light(), Qt::SolidLine, Qt::SquareCap));
    if (kind != '\\')
        painter.drawLine(corners.topRight(), corners.bottomLeft());
    if (kind != '/')
        painter.drawLine(corners.topLeft(), corners.bottomRight());
    painter.restore();
}

void draw_box_character(QPainter& painter, std::string_view shape, const QRect& cell, const QColor& ink)
{
    const BoxCell box(shape.substr(0, 4), cell);
    const char kind = shape.size() > 4 ? shape[4] : ' ';
    if (kind >= '2' && kind <= '4')
        draw_dashes(painter, box, kind - '0', ink);
    else if (kind == 'a')
        draw_arc(painter, box, cell, ink);
    else if (kind != ' ')
        draw_diagonals(painter, kind, box, cell, ink);
    else
        draw_arms(painter, box, ink);
}

QRect pixels_of(const Eighths& part, const QRect& cell)
{
    const auto x = [&](int eighths) { return cell.left() + (eighths * cell.width() + 4) / 8; };
    const auto y = [&](int eighths) { return cell.top() + (eighths * cell.height() + 4) / 8; };
    return QRect(QPoint(x(part.left), y(part.top)), QPoint(x(part.right) - 1, y(part.bottom) - 1));
}

QColor tone(const QColor& paper, const QColor& ink, int ink_quarters)
{
    const auto mix = [ink_quarters](int from, int to) { return from + (to - from) * ink_quarters / 4; };
    return QColor(mix(paper.red(), ink.red()), mix(paper.green(), ink.green()), mix(paper.blue(), ink.blue()));
}

void draw_block(QPainter& painter, const Block& block, const QRect& cell, const QColor& ink, const QColor& paper)
{
    const bool covers_cell = block.first.right - block.first.left == 8 && block.first.bottom - block.first.top == 8;
    if (!covers_cell)
        painter.fillRect(cell, paper);
    const QColor colour = block.ink_quarters == 4 ? ink : tone(paper, ink, block.ink_quarters);
    painter.fillRect(pixels_of(block.first, cell), colour);
    if (block.second.right > block.second.left)
        painter.fillRect(pixels_of(block.second, cell), colour);
}

}  // namespace

bool spans_its_width(char16_t c)
{
    if (c >= 0x2580 && c <= 0x259F) {
        const Block& block = blocks[c - 0x2580];
        return block.first.left == 0 && block.first.right == 8 && block.second.right == 0;
    }
    return c == 0x2500 || c == 0x2501 || c == 0x2550;  // ─ ━ ═
}

void draw_cell_art(QPainter& painter, char16_t c, const QRect& cell, const QColor& ink, const QColor& paper)
{
    if (c >= 0x2580 && c <= 0x259F)
        return draw_block(painter, blocks[c - 0x2580], cell, ink, paper);
    if (c >= 0x2500 && c < 0x2580) {
        painter.fillRect(cell, paper);
        draw_box_character(painter, box_characters[c - 0x2500], cell, ink);
    }
}

}  // namespace relwiz
