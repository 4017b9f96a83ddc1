#include "text_end.h"

#include <algorithm>

namespace relwiz {
namespace {

// The record as ACiD's SAUCE 00 standard lays it out: the ID "SAUCE" and the
// version "00" first, the number of comment lines at offset 104; the comment
// block before it is the ID "COMNT" and 64 bytes a line, at most 255 lines.
constexpr qsizetype record_size = 128;
constexpr QByteArrayView record_id = "SAUCE00";
constexpr qsizetype comment_count_offset = 104;
constexpr QByteArrayView comment_id = "COMNT";
constexpr qsizetype comment_line_size = 64;
constexpr int most_comment_lines = 255;
constexpr char end_of_file = '\x1A';

// A record that lost its NULs, as tools that strip them from text leave it
// (its fields no longer where the standard has them): "SAUCE00" less than
// 128 bytes from the end, right after the end-of-file byte or after a
// comment block that follows it. The bytes before that byte, or `bytes`
// when there is no such record.
QByteArrayView without_cut_record(QByteArrayView bytes)
{
    const qsizetype tail = std::min(bytes.size(), record_size - 1);
    const qsizetype found = bytes.last(tail).lastIndexOf(record_id);
    if (found < 0)
        return bytes;
    const QByteArrayView text = bytes.first(bytes.size() - tail + found);
    if (text.endsWith(end_of_file))
        return text.chopped(1);
    for (int lines = 1; lines <= most_comment_lines; ++lines) {
        const qsizetype block = text.size() - comment_id.size() - lines * comment_line_size;
        if (block < 1)
            break;
        if (text[block - 1] == end_of_file && text.sliced(block).startsWith(comment_id))
            return text.first(block - 1);
    }
    return bytes;
}

}  // namespace

QByteArrayView without_sauce_record(QByteArrayView bytes)
{
    if (bytes.size() < record_size || !bytes.sliced(bytes.size() - record_size).startsWith(record_id))
        return without_cut_record(bytes);
    QByteArrayView text = bytes.first(bytes.size() - record_size);
    const auto lines = static_cast<unsigned char>(bytes[bytes.size() - record_size + comment_count_offset]);
    const qsizetype block_size = comment_id.size() + lines * comment_line_size;
    if (lines > 0 && text.size() >= block_size && text.sliced(text.size() - block_size).startsWith(comment_id))
        text.chop(block_size);
    if (text.endsWith(end_of_file))
        text.chop(1);
    return text;
}

QByteArrayView without_nul_padding(QByteArrayView bytes)
{
    while (bytes.endsWith('\0'))
        bytes.chop(1);
    return bytes;
}

}  // namespace relwiz
