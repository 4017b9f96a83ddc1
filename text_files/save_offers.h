// How Create .nfo! may write a sheet, and whether it has to ask.
#pragma once

#include "code_page.h"
#include "text_encoding.h"

#include <QStringView>

#include <optional>
#include <vector>

namespace relwiz {

struct SaveOffer {
    TextEncoding encoding;
    EncodedText encoded;  // `unencodable` > 0: "?" stands for each character it lacks
};

// The ways to write `sheet` (line breaks CR LF), the default first.
// `came_in`: how the last text brought in from a file was read, the group's
// .nfo inserted into the paste box or a sheet opened; none when no text came
// from a file. A single offer, Windows-1252, when there is nothing to ask:
// Windows-1252 holds every character, and the sheet is ASCII or that text
// was not read as DOS text or UTF-8. Otherwise, in order: DOS text when the
// file it makes reads back as the sheet, UTF-8, Windows-1252 (replacing what
// it lacks); the code page that text came in, DOS text or UTF-8, moves to
// the front when it is offered.
//
//     save_offers(u"Gr\u00FC\u00DFe", TextEncoding::DosText)  // DOS text, UTF-8, Windows-1252
//     save_offers(u"Gr\u00FC\u00DFe", std::nullopt)           // Windows-1252 alone
std::vector<SaveOffer> save_offers(QStringView sheet, std::optional<TextEncoding> came_in);

}  // namespace relwiz
