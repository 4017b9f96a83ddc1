#include "sheet_file.h"

#include "code_page.h"
#include "dos_text.h"
#include "text_end.h"

namespace relwiz {
namespace {

// Whether most bytes beyond ASCII draw boxes and blocks, as DOS art does;
// in Windows-1252 those bytes are accented letters and signs, which a sheet
// holds a few of at most.
bool drawn_in_dos_boxes(QByteArrayView bytes)
{
    qsizetype high = 0;
    qsizetype boxes = 0;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        high += value >= 0x80;
        boxes += value >= 0xB0 && value <= 0xDF;
    }
    return boxes * 2 > high;
}

}  // namespace

Outcome<ReadText> decode_sheet_text(QByteArrayView bytes, const QString& path)
{
    if (std::optional<ReadText> marked = text_after_byte_order_mark(bytes))
        return *std::move(marked);
    const QByteArrayView body = without_nul_padding(bytes);
    if (std::optional<ReadText> utf8 = text_in_utf8(body))
        return *std::move(utf8);
    if (drawn_in_dos_boxes(body)) {
        // The whole file: DOS text has rules of its own for where its text ends.
        if (dos_text_extent(bytes).contains('\0'))
            return not_a_text_file(path);
        return ReadText{decode_dos_text(bytes), TextEncoding::DosText};
    }
    if (body.contains('\0'))
        return not_a_text_file(path);
    return ReadText{with_line_breaks(windows_1252().decode(body)), TextEncoding::Windows1252};
}

Outcome<ReadText> read_sheet_file(const QString& path)
{
    const Outcome<QByteArray> bytes = read_text_file(path, largest_sheet_file_mib);
    if (!bytes)
        return bytes.refusal();
    return decode_sheet_text(*bytes, path);
}

}  // namespace relwiz
