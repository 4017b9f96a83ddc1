#include "nfo_file.h"

#include "code_page.h"
#include "dos_text.h"
#include "text_end.h"

#include <optional>

namespace relwiz {
namespace {

bool is_dos_art_file(QStringView file_name)
{
    return file_name.endsWith(u".nfo", Qt::CaseInsensitive) || file_name.endsWith(u".diz", Qt::CaseInsensitive);
}

// The text without a byte-order mark, its SAUCE record and NUL padding.
Outcome<ReadText> decode_body(QByteArrayView body, const QString& path)
{
    if (std::optional<ReadText> utf8 = text_in_utf8(body))
        return *std::move(utf8);
    if (!is_dos_art_file(path))
        return ReadText{with_line_breaks(windows_1252().decode(body)), TextEncoding::Windows1252};
    return ReadText{decode_dos_text(body), TextEncoding::DosText};
}

}  // namespace

Outcome<ReadText> decode_nfo_text(QByteArrayView bytes, const QString& path)
{
    const QByteArrayView text = without_sauce_record(bytes);
    if (std::optional<ReadText> marked = text_after_byte_order_mark(text))
        return *std::move(marked);
    const QByteArrayView body = without_nul_padding(text);
    if (!body.contains('\0'))
        return decode_body(body, path);
    if (is_binary(body))
        return not_a_text_file(path);
    // A few NULs in text: .nfo viewers show each as a blank.
    QByteArray blanked = body.toByteArray();
    blanked.replace('\0', ' ');
    return decode_body(blanked, path);
}

Outcome<ReadText> read_nfo_file(const QString& path)
{
    const Outcome<QByteArray> bytes = read_text_file(path, largest_nfo_file_mib);
    if (!bytes)
        return bytes.refusal();
    return decode_nfo_text(*bytes, path);
}

}  // namespace relwiz
