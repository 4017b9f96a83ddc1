// The question a command asks before it does what cannot be taken back
// (replace a file, the form, a character): one button that goes on, and
// Cancel, which Esc presses too.
#pragma once

#include <QString>

class QWidget;

namespace relwiz {

struct CommandQuestion {
    QString title;    // the command's
    QString text;     // "game.sfv already exists. Replace it?"
    QString details;  // what going on does
    QString go_on;    // the button that goes on: "&Replace"
    bool cancel_is_default = false;  // where going on would lose what the user cannot get back
};

// Asks over `parent`'s window; whether the user chose to go on.
bool user_goes_on(QWidget* parent, const CommandQuestion& question);

}  // namespace relwiz
