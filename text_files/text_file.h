// What reading any text file brings in takes: the file's bytes, opened only
// when it is a regular file, the text of a byte-order mark that is really
// followed by its encoding, and the line breaks of a text box. The .nfo and
// sheet readers decide the rest.
#pragma once

#include "outcome.h"
#include "text_encoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace relwiz {

// A text and how its bytes were read.
struct ReadText {
    QString text;  // every line break "\n"
    TextEncoding read_as;
};

// The bytes of a regular file of at most `largest_mib` MiB: a FIFO or a
// device is never opened. A refusal names the file by `path`, in quotes:
// "\"/home/me/group.nfo\" is a folder."
Outcome<QByteArray> read_text_file(const QString& path, int largest_mib);

// "\"/home/me/group.nfo\" is not a text file."
Refusal not_a_text_file(const QString& path);

// Whether a byte of `bytes` is beyond ASCII.
bool beyond_ascii(QByteArrayView bytes);

// Whether NULs among `bytes` make them a binary file (a picture, a program)
// rather than text where a DOS editor or a converter left a few NULs in
// place of blanks. In such text every run of NULs stands beside a blank, a
// TAB, a line end or the text's start or end, and the other control bytes
// (the pictures ☺ ♥ and the rest, TAB, CR, LF, 0x1A and ESC apart) are
// fewer than 1 in 32. Bytes without a NUL are never binary.
//
//     is_binary(QByteArrayView("art \0\r\n", 7)) == false
//     is_binary(QByteArrayView("PK\x03\x04\x14\0", 6)) == true
bool is_binary(QByteArrayView bytes);

// The text after a byte-order mark, when the bytes after it are what the
// mark says: UTF-16 only when whole, validly paired code units follow, one
// character at least below U+0100 (DOS art that begins FF FE has none, or it
// would hold a NUL) and U+0000 at the end taken for padding; UTF-8 only
// when valid UTF-8 follows, NUL padding left out. None otherwise: the
// mark's bytes are text.
std::optional<ReadText> text_after_byte_order_mark(QByteArrayView bytes);

// The text of bytes that only UTF-8 reads as they are: valid UTF-8 with a
// byte beyond ASCII and no NUL. None otherwise.
std::optional<ReadText> text_in_utf8(QByteArrayView bytes);

// CR LF, a lone LF and a lone CR each made one "\n", in one pass.
QString with_line_breaks(QString text);

}  // namespace relwiz
