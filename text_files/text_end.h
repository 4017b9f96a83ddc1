// Where the text of a text file ends, whatever its code page: before the
// SAUCE record that art editors append and before NUL padding.
#pragma once

#include <QByteArrayView>

namespace relwiz {

// The bytes without a SAUCE record: the last 128 bytes when they begin
// "SAUCE00", the comment block before them ("COMNT" and as many 64-byte
// lines as the record counts) and the DOS end-of-file byte 0x1A before that.
// A record cut short by a tool that stripped its NULs is one too: "SAUCE00"
// less than 128 bytes from the end, right after 0x1A or after 0x1A and a
// comment block.
//
//     without_sauce_record("art\x1A" "SAUCE00...") == "art"
QByteArrayView without_sauce_record(QByteArrayView bytes);

// The bytes without the NULs at their very end.
//
//     without_nul_padding(QByteArrayView("art\0\0", 5)) == "art"
QByteArrayView without_nul_padding(QByteArrayView bytes);

}  // namespace relwiz
