// Writing a sheet's picture (screen_picture.h) to the file the user chose.
#pragma once

#include "outcome.h"
#include "screen_picture.h"

#include <QString>

#include <stop_token>

namespace relwiz {

// Replaces the file at `path`, or creates it, with the picture of `lines`,
// written as it is drawn and put in place only once whole: a save that
// fails or is cancelled leaves no file of its own and an earlier file as
// it was. A refusal names the file by its absolute path and carries the
// reason as its detail.
//
//     if (const Outcome<> saved = save_picture("Game.png", dos_screen(text).lines, {}, {}); saved.refused())
//         show(saved.refusal());   // "The picture could not be saved to "/home/me/Game.png"."
Outcome<> save_picture(const QString& path, const ScreenLines& lines, const PictureProgressCallback& progress,
                       std::stop_token stop);

}  // namespace relwiz
