#include "sheet_text_box.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

namespace relwiz {

QFont sheet_font(int cell_width)
{
    // Named rather than "monospace": on many desktops that is Noto Sans Mono,
    // which Qt does not take for fixed pitch. The system's fixed font stands
    // in only where DejaVu is missing.
    // Asked of the font itself: listing every family installed would cost
    // start-up more than the font.
    const QString family = QStringLiteral("DejaVu Sans Mono");
    QFont font(family);
    if (QFontInfo(font).family() != family)
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(cell_width * 5 / 3);  // 13 pixels: the height of an 8-pixel-wide cell
    // Nudge the spacing so that every cell is a whole `cell_width`, whatever
    // the font's own advance.
    const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('M'));
    font.setLetterSpacing(QFont::AbsoluteSpacing, cell_width - advance);
    return font;
}

SheetTextBox::SheetTextBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setFont(sheet_font());
    QPalette colours = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, Qt::black);
        colours.setColor(group, QPalette::Text, QColor(0, 255, 0));
    }
    setPalette(colours);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    setUndoRedoEnabled(true);
}

QString SheetTextBox::sheet_text() const
{
    // The raw text keeps every character as typed (plain text would turn a
    // no-break space into a blank); blocks are separated by U+2029 and
    // Shift+Enter line breaks are U+2028.
    const QString raw = document()->toRawText();
    QString text;
    text.reserve(raw.size() + raw.size() / 32);
    qsizetype line_start = 0;
    for (qsizetype at = 0; at < raw.size(); ++at) {
        const QChar c = raw[at];
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            text.append(QStringView(raw).sliced(line_start, at - line_start));
            text.append(QLatin1String("\r\n"));
            line_start = at + 1;
        }
    }
    text.append(QStringView(raw).sliced(line_start));
    return text;
}

void SheetTextBox::replace_text(const QString& text)
{
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    if (!all.hasSelection() && text.isEmpty())
        return;  // no empty step in the history
    all.beginEditBlock();
    all.insertText(text);
    all.endEditBlock();
    moveCursor(QTextCursor::Start);  // as a new text is shown: from its first line
}

void SheetTextBox::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    fit_columns_to_width();
}

void SheetTextBox::paintEvent(QPaintEvent* event)
{
    // Found before the text is drawn: where a line must be measured, that
    // shapes its paragraph, and QTextLayout keeps the shapes only until it
    // draws them.
    const QAbstractTextDocumentLayout::PaintContext context = getPaintContext();
    const ArtInSight art =
        art_in_sight(firstVisibleBlock(), contentOffset(), event->rect(), context, art_glyphs_);
    QPlainTextEdit::paintEvent(event);
    if (art.cells.empty())
        return;
    QPainter painter(viewport());
    painter.setClipRect(event->rect());
    paint_art(painter, art.cells);
    if (art.caret_block.isValid()) {  // drawn again over the art, as QPlainTextEdit draws it
        painter.setPen(context.palette.text().color());
        art.caret_block.layout()->drawCursor(&painter, art.caret_block_origin,
                                             context.cursorPosition - art.caret_block.position(), cursorWidth());
    }
}

void SheetTextBox::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)  // as the font resolves against the window's
        art_glyphs_.set_font(font());
}

void SheetTextBox::fit_columns_to_width()
{
    // Leave half a cell of slack over 79 columns: the 80th character wraps.
    const qreal line_width = (columns + 0.5) * cell_width;
    const qreal margin = std::max<qreal>(0, (viewport()->width() - line_width) / 2);
    if (!qFuzzyCompare(document()->documentMargin() + 1, margin + 1))
        document()->setDocumentMargin(margin);
}

}  // namespace relwiz
