// A long session: choose, Preview, Create .nfo!, Clear, a thousand times over
// in one window. Every saved file is checked against the composer; the
// resident memory after the warm-up and at the end is printed, and
// bench/measure.sh gives the verdict on the growth.
//     soak_bench [cycles]      (default 1000, at least 200)
#include "compose_sheet.h"
#include "form_builder.h"
#include "main_form.h"
#include "process_memory.h"
#include "shown_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <cstdio>

using namespace relwiz;

namespace {

constexpr int warm_up_cycles = 100;

// What the window holds in a cycle: the typed title, the lists as they
// start, and the choices taken from the bits of the cycle's number, so that
// all 32 combinations of the support files and the cracked pair come round.
std::string expected_sheet(int cycle)
{
    ReleaseSheet sheet;
    sheet.program_title = "Soak";
    sheet.disc_type = "Select what this disc is";
    sheet.platform = "Select the platform for this program";
    sheet.category = "Enter the type of program / game / movie here";
    sheet.image_creation_app = "Select your disc imaging program";
    sheet.support_sfv = cycle & 1;
    sheet.support_cue = cycle & 2;
    sheet.support_covers = cycle & 4;
    sheet.support_manuals = cycle & 8;
    sheet.image_is_cracked = cycle & 16 ? YesNoChoice::Yes : YesNoChoice::No;
    return compose_sheet(sheet);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int cycles = std::max(argc > 1 ? std::atoi(argv[1]) : 1000, 2 * warm_up_cycles);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    MainForm form;
    relwiz::bench::show_whole(form);
    const auto button = [&form](const QString& name) { return form.findChild<QAbstractButton*>(name); };
    // Set once: a text box keeps what it was given as the user's undo history.
    form.findChild<QLineEdit*>(QStringLiteral("program_title_text"))->setText(QStringLiteral("Soak"));

    auto* preview_box = form.findChild<QPlainTextEdit*>(QStringLiteral("preview_text"));
    long warm_kib = 0;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        for (int box = 0; box < 4; ++box)
            button(QStringLiteral("Check%1").arg(box + 1))->setChecked(cycle & (1 << box));
        button(cycle & 16 ? QStringLiteral("image_is_cracked_yes_radio") : QStringLiteral("image_is_cracked_no_radio"))->click();
        button(QStringLiteral("Command1"))->click();
        button(QStringLiteral("Command3"))->click();
        QFile saved(QStringLiteral("Soak.nfo"));
        if (!saved.open(QIODevice::ReadOnly) || saved.readAll().toStdString() != expected_sheet(cycle)) {
            std::fprintf(stderr, "soak: cycle %d saved a wrong sheet\n", cycle);
            return 1;
        }
        button(QStringLiteral("Command2"))->click();
        // Preview and Clear keep the text they replace for Undo, a sheet's
        // worth each, and a document keeps the room its removed text took
        // for as long as it has an undo history. Kept on purpose, so let go
        // of here, where the growth measured is what nobody means to keep.
        preview_box->setPlainText(QString());
        QCoreApplication::processEvents();  // as the program's own loop would, between clicks
        if (cycle == warm_up_cycles)
            warm_kib = status_kib("VmRSS");
    }
    const long end_kib = status_kib("VmRSS");
    std::printf("soak: %d cycles; resident after %d cycles %ld KiB, after %d cycles %ld KiB, growth %ld KiB\n",
                cycles, warm_up_cycles, warm_kib, cycles, end_kib, end_kib - warm_kib);
    return 0;
}
