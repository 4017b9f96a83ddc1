// What each character of a sheet becomes in its picture: the sheet as a
// DOS screen shows it, one CP437 byte a cell. The pictures ☺ ♥ → ← ♪ and
// the rest, and ⌂, are their own glyphs (a → never ends the text, a ←
// never begins an escape sequence); a TAB is blanks to the next multiple
// of 8 columns, as DOS moved the cursor; a character that CP437 lacks is
// "?". Line breaks are CR LF or LF; one at the very end starts no line.
#pragma once

#include "screen_picture.h"

#include <QStringView>

namespace relwiz {

inline constexpr int dos_tab_stop = 8;

struct DosScreen {
    ScreenLines lines;
    qsizetype unencodable = 0;         // characters drawn as "?"; a pair beyond the BMP counts once
    qsizetype first_unencodable = -1;  // where the first of them starts in the sheet, in UTF-16 units
};

//     dos_screen(u"\u2588\tA\r\n\u20AC \u2192")  // lines "\xDB       A" and "? \x1A", 9 columns;
//                                                 // 1 unencodable, the first at 5
DosScreen dos_screen(QStringView sheet);

}  // namespace relwiz
