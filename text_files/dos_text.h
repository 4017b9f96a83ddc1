// DOS text, read as a DOS screen and the .nfo viewers show it: the bytes in
// CP437, the control bytes as their pictures, one line break for each of
// CR LF, CR CR LF, a lone LF and a lone CR, ANSI colour codes left out.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace relwiz {

// Where the text of a whole file's bytes ends, as DOS text has it: before a
// SAUCE record, NUL padding and a last run of the end-of-file byte 0x1A.
//
//     dos_text_extent("art\x1A\x1A\0") == "art"
QByteArrayView dos_text_extent(QByteArrayView bytes);

// The text of a whole file's bytes, as far as dos_text_extent, every line
// break "\n"; a 0x1A with text after it is the picture U+2192. An ANSI
// escape sequence (ESC "[", digits and semicolons, one letter) is left out,
// but ESC "[" n "C", which moves n columns right, gives n blanks (at most
// the screen's 80). A NUL is a blank, as .nfo viewers show it: whether a
// file with NULs is text at all is the caller's question.
//
//     decode_dos_text("\xDB\x10\r\r\n\x1B[1;33m\x1B[2CHi\x1A") == u"\u2588\u25BA\n  Hi"
QString decode_dos_text(QByteArrayView bytes);

}  // namespace relwiz
