// How the window says that a command left everything as it was.
#pragma once

#include "outcome.h"

#include <QString>

class QWidget;

namespace relwiz {

// A warning over `parent`'s window, titled after the command: the refusal's
// message, then the system's words where the refusal carries them, then
// `unchanged`, the line that says what stayed as it was ("Nothing on Disc 2
// Info was changed."). Returns once the user has read it.
void show_refusal(QWidget* parent, const QString& title, const Refusal& refusal, const QString& unchanged);

}  // namespace relwiz
