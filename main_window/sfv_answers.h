// What a disc page says when the reading for its .sfv is over, worked out
// apart from the window, which only shows it: every part matching, each
// problem on a line of its own, the .sfv written, or a refusal with the line
// that says what stayed as it was. A cancel says nothing.
#pragma once

#include "outcome.h"
#include "sfv_check.h"
#include "sfv_write.h"

#include <QString>
#include <QStringList>

namespace relwiz {

struct SfvAnswer {
    enum class Kind { none, information, warning, refusal };

    Kind kind = Kind::none;
    QStringList lines = {};  // information and warning: what the box says, line by line
    Refusal refusal = {};    // a refusal: what it says,
    QString unchanged = {};  // and what stayed as it was
};

// `disc`: 0 to 5; `parts`: how many parts were checked.
//
//     check_answer(SfvCheck{}, 0, "game.sfv", 3).lines   // {"All 3 parts match game.sfv."}
SfvAnswer check_answer(const Outcome<release_files::SfvCheck>& check, int disc, const QString& sfv_name,
                       std::size_t parts);

// `replaced`: an older .sfv stood where this one was written.
//
//     write_answer(SfvWritten{3}, 0, "game.sfv", false).lines   // {"Wrote game.sfv for the 3 parts."}
SfvAnswer write_answer(const Outcome<release_files::SfvWritten>& written, const QString& sfv_name, bool replaced);

// "1 part", "3 parts".
QString parts_count(std::size_t parts);

}  // namespace relwiz
