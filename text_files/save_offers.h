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

// The ways to write `sheet` (line breaks CR LF), the default first. A single
// one, Windows-1252, when there is nothing to ask: Windows-1252 holds every
// character, and the sheet is ASCII or the group's .nfo last inserted from a
// file (`came_in`) was not DOS text or UTF-8. Otherwise, in order: DOS text
// when the file it makes reads back as the sheet, UTF-8, Windows-1252
// (replacing what it lacks); the code page the group's .nfo came in, DOS
// text or UTF-8, moves to the front when it is offered.
//
//     save_offers(u"Gr\u00FC\u00DFe", TextEncoding::DosText)  // DOS text, UTF-8, Windows-1252
//     save_offers(u"Gr\u00FC\u00DFe", std::nullopt)           // Windows-1252 alone
std::vector<SaveOffer> save_offers(QStringView sheet, std::optional<TextEncoding> came_in);

}  // namespace relwiz
