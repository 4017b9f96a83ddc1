#include "art_in_sight.h"

#include "cell_art.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextDocument>
#include <QTextLayout>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <ranges>
#include <span>

namespace relwiz {

namespace {

using PaintContext = QAbstractTextDocumentLayout::PaintContext;

// The first line of `layout` that reaches below `y`: a long paragraph has
// thousands of lines, and few are in sight.
int first_line_below(const QTextLayout& layout, qreal y)
{
    const auto lines = std::views::iota(0, layout.lineCount());
    return int(std::ranges::partition_point(lines, [&layout, y](int n) {
                   const QTextLine line = layout.lineAt(n);
                   return line.y() + line.height() <= y;
               }) - lines.begin());
}

// Ink and paper of the character at `position`: the selection's where it is
// selected, as QTextLayout draws the glyphs.
std::pair<QColor, QColor> cell_colours(int position, const PaintContext& context)
{
    std::pair colours{context.palette.text().color(), context.palette.base().color()};
    for (const QAbstractTextDocumentLayout::Selection& selection : context.selections) {
        const QBrush paper = selection.format.background();
        if (paper.style() == Qt::NoBrush || position < selection.cursor.selectionStart() ||
            position >= selection.cursor.selectionEnd())
            continue;
        const QBrush ink = selection.format.foreground();
        colours = {ink.style() == Qt::NoBrush ? colours.first : ink.color(), paper.color()};
    }
    return colours;
}

// Block and box characters and printable ASCII: the characters that each
// take one cell of a fixed-pitch font.
bool takes_one_cell(char16_t c)
{
    return is_cell_art(c) || (c >= 0x20 && c < 0x7F);
}

class ArtWalk {
public:
    ArtWalk(const QRectF& exposed, const PaintContext& context, ArtGlyphs& glyphs)
        : exposed_(exposed)
        , context_(context)
        , glyphs_(glyphs)
        , selecting_(!context.selections.isEmpty())
    {
    }

    // Cuts each line in sight into runs of one-cell characters that hold art.
    void add_block(const QTextBlock& block, QPointF origin)
    {
        const QTextLayout& layout = *block.layout();
        const QPointF at = origin + layout.position();
        const QString text = block.text();
        // Where every character takes one cell, the paragraph runs left to
        // right from the margin, and no line needs measuring.
        const bool one_cell_each = std::ranges::all_of(text, [](QChar c) { return takes_one_cell(c.unicode()); });
        QVarLengthArray<char16_t, 160> run;
        for (int n = first_line_below(layout, exposed_.top() - at.y()); n < layout.lineCount(); ++n) {
            const QTextLine line = layout.lineAt(n);
            if (at.y() + line.y() > exposed_.bottom())
                break;
            lines_.push_back({block.position() + line.textStart(), line.textLength(), n == layout.lineCount() - 1});
            const int end = line.textStart() + line.textLength();
            bool holds_art = false;
            for (int column = line.textStart(); column <= end; ++column) {
                const char16_t c = column < end ? text[column].unicode() : u'\n';
                if (takes_one_cell(c)) {
                    run.append(c);
                    holds_art = holds_art || is_cell_art(c);
                    continue;
                }
                if (holds_art)
                    add_run(block, origin, line, column - int(run.size()), run, one_cell_each);
                run.clear();
                holds_art = false;
            }
        }
    }

    ArtInSight finish() &&
    {
        if (selecting_)
            for (std::size_t n = 0; n < art_.cells.size(); ++n)
                art_.cells[n].paper_beside = paper_beside(places_[n]);
        return std::move(art_);
    }

private:
    // Where a cell is: its visual line among those walked, and its column.
    struct Place {
        std::size_t line;
        int column;
    };
    struct Line {
        int start, length;
        bool ends_block;  // a selection that holds the line break shows past its end
    };

    // The characters of a run each take one cell of the font's fixed pitch,
    // so where the run starts places every cell; QTextLine's cursorToX reads
    // and shapes the whole paragraph the first time it is asked, so it is
    // asked where the paragraph holds other characters, and once for the
    // pitch.
    void add_run(const QTextBlock& block, QPointF origin, const QTextLine& line, int first_column,
                 std::span<const char16_t> run, bool line_of_cells)
    {
        const QPointF at = origin + block.layout()->position();
        const qreal top = at.y() + line.y(), bottom = top + line.height(), baseline = top + line.ascent();
        if (pitch_ == 0) {
            const int end = first_column + int(run.size());
            pitch_ = (line.cursorToX(end) - line.cursorToX(first_column)) / qreal(run.size());
        }
        const qreal pitch = pitch_;
        const qreal left = at.x() + (line_of_cells ? line.x() + (first_column - line.textStart()) * pitch
                                                   : line.cursorToX(first_column));
        for (std::size_t n = 0; n < run.size(); ++n) {
            if (!is_cell_art(run[n]))
                continue;
            const QRectF cell(QPointF(left + qreal(n) * pitch, top), QPointF(left + qreal(n + 1) * pitch, bottom));
            const QRectF glyph = glyphs_.bounds()[run[n] - 0x2500].translated(cell.left(), baseline).united(cell);
            const int column = first_column - line.textStart() + int(n);
            const auto [ink, paper] = cell_colours(lines_.back().start + column, context_);
            const QColor base = context_.palette.base().color();
            add_cell({cell, glyph, run[n], ink, paper, {base, base, base, base}}, {lines_.size() - 1, column});
            if (lines_.back().start + column == context_.cursorPosition) {
                art_.caret_block = block;
                art_.caret_block_origin = origin;
            }
        }
    }

    // A row of one character that spans its cell is drawn as one shape,
    // unless a selection may colour what lies beside each cell apart.
    void add_cell(const ArtCell& cell, Place place)
    {
        ArtCell* last = art_.cells.empty() ? nullptr : &art_.cells.back();
        if (!selecting_ && last && last->character == cell.character && spans_its_width(cell.character) &&
            last->cell.right() == cell.cell.left() && last->cell.top() == cell.cell.top() && last->ink == cell.ink &&
            last->paper == cell.paper) {
            last->cell.setRight(cell.cell.right());
            last->glyph.setRight(cell.glyph.right());
            return;
        }
        art_.cells.push_back(cell);
        if (selecting_)
            places_.push_back(place);
    }

    // The cells beside are found by column: the lines in sight hold art,
    // whose characters take one cell each. A selection that holds a line
    // break shows a little past the line's end, over part of the cell
    // after it: a glyph's stray pixels stay there rather than wipe it out.
    std::array<QColor, 4> paper_beside(Place place) const
    {
        const auto paper_at = [this](std::size_t line, int column) {  // the line before the first is none
            if (line >= lines_.size() || column < 0 || column > lines_[line].length)
                return context_.palette.base().color();
            if (column == lines_[line].length)
                return lines_[line].ends_block ? QColor() : context_.palette.base().color();
            return cell_colours(lines_[line].start + column, context_).second;
        };
        const Line& line = lines_[place.line];
        const QColor right = place.column + 1 == line.length && line.ends_block
                                 ? cell_colours(line.start + line.length, context_).second
                                 : paper_at(place.line, place.column + 1);
        return {paper_at(place.line - 1, place.column), right, paper_at(place.line + 1, place.column),
                paper_at(place.line, place.column - 1)};
    }

    QRectF exposed_;
    const PaintContext& context_;
    ArtGlyphs& glyphs_;
    bool selecting_;
    qreal pitch_ = 0;
    ArtInSight art_;
    std::vector<Line> lines_;
    std::vector<Place> places_;  // of each cell, while selecting
};

}  // namespace

ArtGlyphBounds art_glyph_bounds(const QFont& font)
{
    const QFontMetricsF metrics(font);
    ArtGlyphBounds bounds;
    for (char16_t c = 0x2500; c < 0x25A0; ++c)
        bounds[c - 0x2500] = metrics.boundingRect(QChar(c));
    return bounds;
}

ArtInSight art_in_sight(QTextBlock first, QPointF origin, const QRectF& exposed, const PaintContext& context,
                        ArtGlyphs& glyphs)
{
    ArtWalk walk(exposed, context, glyphs);
    QAbstractTextDocumentLayout* layout = first.isValid() ? first.document()->documentLayout() : nullptr;
    for (QTextBlock block = first; block.isValid() && origin.y() <= exposed.bottom(); block = block.next()) {
        const QRectF bounds = layout->blockBoundingRect(block).translated(origin);
        if (block.isVisible() && bounds.bottom() >= exposed.top())
            walk.add_block(block, origin);
        origin.ry() += bounds.height();
    }
    return std::move(walk).finish();
}

void paint_art(QPainter& painter, const std::vector<ArtCell>& cells)
{
    // An edge falls where QTextLayout's selection puts it: before the pixel
    // it cuts, or before the pixel before it when it falls between two.
    const qreal ratio = painter.deviceTransform().m11();
    const auto pixel = [ratio](qreal edge) { return int(std::ceil(edge * ratio)) - 1; };
    const auto pixels = [&pixel](const QRectF& area) {
        return QRect(QPoint(pixel(area.left()), pixel(area.top())),
                     QPoint(pixel(area.right()) - 1, pixel(area.bottom()) - 1));
    };
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio), true);
    // All the glyphs go first, a glyph strays onto the pixels of the shapes
    // beside it; where it strays beyond the cell, what lay there shows again.
    for (const ArtCell& cell : cells) {
        const QRect glyph = QRectF(cell.glyph.topLeft() * ratio, cell.glyph.bottomRight() * ratio).toAlignedRect();
        if (std::ranges::all_of(cell.paper_beside, [&cell](const QColor& paper) { return paper == cell.paper; })) {
            painter.fillRect(glyph, cell.paper);
            continue;
        }
        const QRect inside = pixels(cell.cell);  // covered by the shape
        const QRect strays[] = {
            QRect(glyph.topLeft(), QPoint(glyph.right(), inside.top() - 1)),
            QRect(QPoint(inside.right() + 1, inside.top()), QPoint(glyph.right(), inside.bottom())),
            QRect(QPoint(glyph.left(), inside.bottom() + 1), glyph.bottomRight()),
            QRect(QPoint(glyph.left(), inside.top()), QPoint(inside.left() - 1, inside.bottom())),
        };
        for (int side = 0; side < 4; ++side)
            if (cell.paper_beside[side].isValid() && !strays[side].isEmpty())
                painter.fillRect(strays[side], cell.paper_beside[side]);
    }
    for (const ArtCell& cell : cells)
        draw_cell_art(painter, cell.character, pixels(cell.cell), cell.ink, cell.paper);
    painter.restore();
}

}  // namespace relwiz
