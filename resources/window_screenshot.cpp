// Saves a picture of the real main window, as it opens or on a given tab:
//     QT_QPA_PLATFORM=offscreen window_screenshot resources/main-window.png [tab]
// The tab "about" pictures the About window instead, and "art" the preview
// of a sheet with a group's .nfo art.
// The README's picture is made with it, so it can be made again whenever
// the layout changes.
#include "form_builder.h"
#include "main_form.h"
#include "tab_control.h"

#include <QTest>
#include <QApplication>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

#include <cstdio>

namespace {

// A group's logo, shaded and framed, as its .nfo would bring it.
const QString group_art = QStringLiteral(
    "                 █████▄  ██████  ██      ██    ██  ██  ██████\n"
    "                 ██  ██  ██      ██      ██    ██  ██     ▄█▀\n"
    "                 █████▀  █████   ██      ██ ██ ██  ██   ▄█▀\n"
    "                 ██ ▀█▄  ██      ██      ████████  ██ ▄█▀\n"
    "                 ██  ██  ██████  ██████  ▀██  ██▀  ██ ██████\n"
    "\n"
    "        ░░▒▒▓▓████████████████████████████████████████████████▓▓▒▒░░\n"
    "        ╔══════════════════════════════════════════════════════════╗\n"
    "        ║   ▄▀▀▀▄  the group's art, block by block, line by line   ║\n"
    "        ║   █   █  ┌──────────┬──────────┬──────────┐              ║\n"
    "        ║   ▀▄▄▄▀  │ ░░░░░░░░ │ ▒▒▒▒▒▒▒▒ │ ▓▓▓▓▓▓▓▓ │              ║\n"
    "        ║          └──────────┴──────────┴──────────┘              ║\n"
    "        ╚══════════════════════════════════════════════════════════╝\n");

// The art pasted, Preview clicked, and the preview box scrolled to the art;
// the window shows the preview's tab.
void preview_art(relwiz::MainForm& form)
{
    form.findChild<QPlainTextEdit*>(QStringLiteral("paste_nfo_text"))->setPlainText(group_art);
    form.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    auto* preview = form.findChild<QPlainTextEdit*>(QStringLiteral("preview_text"));
    const int logo = preview->document()->find(group_art.section(QLatin1Char('\n'), 0, 0)).blockNumber();
    preview->verticalScrollBar()->setValue(logo - 4);  // its section's title above it
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s picture.png [tab index]\n", argv[0]);
        return 2;
    }
    relwiz::MainForm form;
    const QString tab = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (tab == QLatin1String("art"))
        form.tab_control()->set_current_index(form.tab_control()->count() - 1);
    else if (!tab.isEmpty() && tab != QLatin1String("about"))
        form.tab_control()->set_current_index(tab.toInt());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))  // built whole once on the screen
        return 1;
    if (tab == QLatin1String("art"))
        preview_art(form);
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
