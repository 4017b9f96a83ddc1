// The two multi-line boxes, the pasted release-group sheet and the preview:
// green on black in a fixed-pitch font whose cells are 8 pixels wide, wide
// enough for a 79-character sheet line on one row. Longer lines wrap on
// screen only; the text itself never changes. Tab moves the focus on. The
// block and box characters of .nfo art are drawn as shapes that fill their
// cells (art_in_sight.h), so that art shows whole, without seams.
#pragma once

#include "art_in_sight.h"

#include <QPlainTextEdit>

namespace relwiz {

class SheetTextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    static constexpr int columns = 79;
    static constexpr int cell_width = 8;

    explicit SheetTextBox(QWidget* parent = nullptr);

    // The text with every line break as CR LF, the way sheets are written.
    QString sheet_text() const;

    // The whole text replaced by `text` as one edit that Undo takes back;
    // setPlainText() and clear() would wipe the undo history with it.
    void replace_text(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fit_columns_to_width();

    ArtGlyphs art_glyphs_;
};

// A fixed-pitch font whose character cells are exactly `cell_width` pixels.
QFont sheet_font(int cell_width = SheetTextBox::cell_width);

}  // namespace relwiz
