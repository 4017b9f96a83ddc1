#include "text_end.h"

namespace relwiz {
namespace {

// The record as ACiD's SAUCE 00 standard lays it out: the ID "SAUCE" and the
// version "00" first, the number of comment lines at offset 104; the comment
// block before it is the ID "COMNT" and 64 bytes a line.
constexpr qsizetype record_size = 128;
constexpr QByteArrayView record_id = "SAUCE00";
constexpr qsizetype comment_count_offset = 104;
constexpr QByteArrayView comment_id = "COMNT";
constexpr qsizetype comment_line_size = 64;
constexpr char end_of_file = '\x1A';

}  // namespace

QByteArrayView without_sauce_record(QByteArrayView bytes)
{
    if (bytes.size() < record_size || !bytes.sliced(bytes.size() - record_size).startsWith(record_id))
        return bytes;
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
