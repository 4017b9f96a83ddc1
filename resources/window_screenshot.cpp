// Saves a picture of the real main window, as it opens or on a given tab:
//     QT_QPA_PLATFORM=offscreen window_screenshot resources/main-window.png [tab]
// The tab "about" pictures the About window instead.
// The README's picture is made with it, so it can be made again whenever
// the layout changes.
#include "main_form.h"
#include "tab_control.h"

#include <QTest>
#include <QApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s picture.png [tab index]\n", argv[0]);
        return 2;
    }
    relwiz::MainForm form;
    const QString tab = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!tab.isEmpty() && tab != QLatin1String("about"))
        form.tab_control()->set_current_index(tab.toInt());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))  // built whole once on the screen
        return 1;
    QWidget* pictured = &form;
    if (tab == QLatin1String("about")) {
        form.about_window().show();
        pictured = form.about_window().form();
    }
    QApplication::processEvents();
    if (!pictured->grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
