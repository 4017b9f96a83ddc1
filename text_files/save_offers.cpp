#include "save_offers.h"

#include "nfo_file.h"

#include <algorithm>

namespace relwiz {
namespace {

// Whether `read` (line breaks "\n") is `sheet` (line breaks CR LF).
bool same_text(QStringView read, QStringView sheet)
{
    auto in = sheet.begin();
    for (const QChar c : read) {
        if (c == u'\n' && in != sheet.end() && *in == u'\r')
            ++in;
        if (in == sheet.end() || *in++ != c)
            return false;
    }
    return in == sheet.end();
}

// The sheet in CP437 when the file it makes, read back as the saved
// "<title>.nfo" would be, gives the sheet again: a control character would
// come back as its picture, a last U+2192 would end the text, bytes that
// happen to be UTF-8 would be read as such.
std::optional<EncodedText> as_dos_text(QStringView sheet)
{
    EncodedText encoded = cp437().encode(sheet);
    if (encoded.unencodable > 0)
        return std::nullopt;
    const Outcome<ReadText> read = decode_nfo_text(encoded.bytes, QStringLiteral("sheet.nfo"));
    if (!read || !same_text(read->text, sheet))
        return std::nullopt;
    return encoded;
}

}  // namespace

std::vector<SaveOffer> save_offers(QStringView sheet, std::optional<TextEncoding> came_in)
{
    EncodedText in_windows_1252 = windows_1252().encode(sheet);
    // .nfo viewers read DOS text: Windows-1252 would change how the group's
    // characters beyond ASCII look, though it holds them.
    const bool keep_code_page = came_in == TextEncoding::DosText || came_in == TextEncoding::Utf8;
    std::vector<SaveOffer> offers;
    if (in_windows_1252.unencodable == 0 && !(keep_code_page && beyond_ascii(in_windows_1252.bytes))) {
        offers.push_back({TextEncoding::Windows1252, std::move(in_windows_1252)});
        return offers;
    }
    if (std::optional<EncodedText> dos = as_dos_text(sheet))
        offers.push_back({TextEncoding::DosText, std::move(*dos)});
    offers.push_back({TextEncoding::Utf8, {sheet.toUtf8()}});
    offers.push_back({TextEncoding::Windows1252, std::move(in_windows_1252)});
    const auto own = std::find_if(offers.begin(), offers.end(),
                                  [came_in](const SaveOffer& offer) { return offer.encoding == came_in; });
    if (keep_code_page && own != offers.end())
        std::rotate(offers.begin(), own, own + 1);
    return offers;
}

}  // namespace relwiz
