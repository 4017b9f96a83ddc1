// A long session: choose, Preview, Create .nfo!, Clear, a thousand times over
// in one window. Every saved file must be exact; the resident memory before
// and after is printed (the verdict on it belongs to bench/measure.sh).
//     RELWIZ_SOAK_CYCLES=n changes the number of cycles.
#include "compose_sheet.h"
#include "sheet_text.h"
#include "window_driver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace relwiz;
using namespace relwiz::testing;

namespace {

constexpr int warm_up_cycles = 100;

// Resident memory in KiB, as the system counts it.
long resident_kib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

int cycle_count()
{
    bool given = false;
    const int cycles = qEnvironmentVariableIntValue("RELWIZ_SOAK_CYCLES", &given);
    return given && cycles > warm_up_cycles ? cycles : 1000;
}

// A cycle's choices, from the bits of its number: every one of the 64
// combinations of the four support files and the cracked pair comes round.
struct Choices {
    bool support[4];
    YesNoChoice cracked;
};

Choices choices_of(int cycle)
{
    return {{bool(cycle & 1), bool(cycle & 2), bool(cycle & 4), bool(cycle & 8)},
            cycle & 16 ? YesNoChoice::Yes : YesNoChoice::No};
}

// What the window holds: the typed title, the lists as they start, the
// cycle's choices.
std::string expected_sheet(const Choices& choices)
{
    ReleaseSheet sheet;
    sheet.program_title = "Soak";
    sheet.disc_type = "Select what this disc is";
    sheet.platform = "Select the platform for this program";
    sheet.category = "Enter the type of program / game / movie here";
    sheet.image_creation_app = "Select your disc imaging program";
    sheet.support_sfv = choices.support[0];
    sheet.support_cue = choices.support[1];
    sheet.support_covers = choices.support[2];
    sheet.support_manuals = choices.support[3];
    sheet.image_is_cracked = choices.cracked;
    return compose_sheet(sheet);
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void every_cycle_saves_the_exact_sheet();
};

void SoakTest::every_cycle_saves_the_exact_sheet()
{
    QTemporaryDir folder;
    const QString previous_directory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    WindowDriver window;

    // Typed once: a line edit keeps all it was typed as its undo history,
    // which is the user's and would grow with every retyping.
    window.type_into("program_title_text", "Soak");
    const int cycles = cycle_count();
    long warm_kib = 0;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        const Choices choices = choices_of(cycle);
        for (int box = 0; box < 4; ++box) {
            auto* check = window.control<QCheckBox>(QStringLiteral("Check%1").arg(box + 1));
            if (check->isChecked() != choices.support[box])
                window.click(check);
        }
        window.click(choices.cracked == YesNoChoice::Yes ? "image_is_cracked_yes_radio" : "image_is_cracked_no_radio");
        window.preview();
        window.create_nfo();
        const QByteArray difference = first_difference(file_bytes("Soak.nfo").toStdString(), expected_sheet(choices));
        if (!difference.isEmpty())
            QFAIL(qPrintable(QStringLiteral("cycle %1: %2").arg(cycle).arg(QString::fromUtf8(difference))));
        window.clear();
        QCoreApplication::processEvents();  // as the program's own loop would, between clicks
        if (cycle == warm_up_cycles)
            warm_kib = resident_kib();
    }
    const long end_kib = resident_kib();
    std::printf("soak: %d cycles; resident after %d cycles %ld KiB, after %d cycles %ld KiB, growth %ld KiB\n",
                cycles, warm_up_cycles, warm_kib, cycles, end_kib, end_kib - warm_kib);
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"Soak.nfo"});
    QDir::setCurrent(previous_directory);
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
