// The block and box characters a sheet box shows, found on the lines in
// sight only, and drawn over the font's glyphs as shapes on whole device
// pixels (cell_art.h). A 32 MiB .nfo may be in the box; a paint looks at
// the few dozen lines the viewport shows.
#pragma once

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QRectF>
#include <QTextBlock>

#include <array>
#include <optional>
#include <vector>

class QPainter;

namespace relwiz {

// Where `font` draws each block and box character about its baseline and
// the left of its cell. A glyph strays beyond its cell: the full block of
// DejaVu Sans Mono tints the pixel after its cell, and at some scale
// factors the one below its line.
using ArtGlyphBounds = std::array<QRectF, 160>;
ArtGlyphBounds art_glyph_bounds(const QFont& font);

// A box's art_glyph_bounds, measured the first time a paint finds art:
// a box that shows none, as both do when the window opens, never pays for
// them.
class ArtGlyphs {
public:
    void set_font(const QFont& font)
    {
        font_ = font;
        bounds_.reset();
    }

    const ArtGlyphBounds& bounds()
    {
        if (!bounds_)
            bounds_ = art_glyph_bounds(font_);
        return *bounds_;
    }

private:
    QFont font_;
    std::optional<ArtGlyphBounds> bounds_;
};

// A character of art, or a row of one that spans its width, in the
// viewport's coordinates.
struct ArtCell {
    QRectF cell;   // the line's height by the character's advance
    QRectF glyph;  // the cell and wherever the font drew beyond it
    char16_t character;
    QColor ink, paper;
    // The paper of what lies above, right, below and left of the cell,
    // where the glyph strays: selected or not; invalid where it is both.
    std::array<QColor, 4> paper_beside;
};

struct ArtInSight {
    std::vector<ArtCell> cells;
    QTextBlock caret_block;  // valid where the caret stands on art, which covers it
    QPointF caret_block_origin;
};

// The art in `exposed`, walking the blocks from `first`, whose top left lies
// at `origin`, as QPlainTextEdit walks them to draw the text; `context`
// gives the colours, of the selection where a cell is selected.
//     art_in_sight(firstVisibleBlock(), contentOffset(), event->rect(), getPaintContext(), bounds)
ArtInSight art_in_sight(QTextBlock first, QPointF origin, const QRectF& exposed,
                        const QAbstractTextDocumentLayout::PaintContext& context, ArtGlyphs& glyphs);

// Wipes out the glyphs of `cells`, then draws each as its shape, each edge
// of a cell on a whole device pixel where the selection puts it, so that
// neighbours share their edge.
//     paint_art(painter, art_in_sight(...).cells)
void paint_art(QPainter& painter, const std::vector<ArtCell>& cells);

}  // namespace relwiz
