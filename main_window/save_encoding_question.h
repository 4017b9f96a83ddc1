// The question Create .nfo! asks before it saves a sheet that Windows-1252
// cannot hold whole (a pasted group's art, a character from another script),
// or one with characters beyond ASCII when the group's .nfo, or the sheet
// itself, came in as DOS text or UTF-8, which Windows-1252 would change. Any
// other sheet is saved as it always was, without a word.
#pragma once

#include "save_offers.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

class QWidget;

namespace relwiz {

// The last text that came in from a file, and how it was read: a release
// group's .nfo inserted into the paste box, or a whole sheet opened.
struct CameIn {
    enum class What { GroupNfo, Sheet };

    What what;
    TextEncoding read_as;
};

// Where the first character a code page lacks stands in `sheet`, `first`
// UTF-16 units in, for the questions that say so: lines and columns from 1,
// counted in characters, a pair beyond the BMP being one.
//
//     first_unencodable(u"ab\n\u20AC", 3) == "The first is \"\u20AC\" (U+20AC), on line 2, column 1."
QString first_unencodable(QStringView sheet, qsizetype first);

// The offers of save_offers() as buttons, the first the default, then
// Cancel; `came_in` is the question's reason when Windows-1252 holds the
// sheet. Nothing when the user cancels.
const SaveOffer* ask_save_encoding(QWidget* parent, QStringView sheet, const std::vector<SaveOffer>& offers,
                                   std::optional<CameIn> came_in);

}  // namespace relwiz
