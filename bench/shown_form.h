// The main window on the screen as a user meets it: shown, and built whole
// once exposed. A bench that cannot show it ends at once with a message.
#pragma once

#include "main_form.h"

#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace relwiz::bench {

inline void show_whole(MainForm& form)
{
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "the main window was never shown\n");
        std::exit(1);
    }
}

}  // namespace relwiz::bench
