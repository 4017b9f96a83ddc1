// A release group's .nfo on its way in and the sheet on its way out, each
// against its baseline in the same run:
//   a 32 MiB DOS text .nfo (art through every byte, control pictures, ANSI
//     colour, CR LF and CR CR LF, a SAUCE record) dropped onto the paste box
//     of the real window, until the box has painted it, against
//     QFile::readAll of the same file set as Latin-1 into a bare box of the
//     same size and font;
//   an 8 MiB sheet holding DOS art encoded as CP437 against the same sheet
//     encoded as Windows-1252;
//   Create .nfo! of an all-ASCII 8 MiB sheet (the click, which checks that
//     Windows-1252 holds the sheet) against what the click did before it
//     checked: the box's sheet text handed to save_sheet as a QString.
// Repetitions are interleaved at random, so that a neighbour's load on the
// machine falls on both sides of a ratio alike.
//     QT_QPA_PLATFORM=offscreen group_nfo_bench
#include "code_page.h"
#include "form_builder.h"
#include "main_form.h"
#include "shown_form.h"
#include "nfo_file.h"
#include "ratio_reporter.h"
#include "save_sheet.h"
#include "sheet_text_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QUrl>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

namespace {

constexpr qsizetype nfo_bytes = qsizetype(relwiz::largest_nfo_file_mib) << 20;  // the largest file the box takes
constexpr qsizetype sheet_size = 8 << 20;

// Art lines that run through every byte but NUL, LF and CR in turn, the
// block and box characters and the control pictures among them, between
// lines of plain text in ANSI colour; CR LF and CR CR LF line ends, as DOS
// editors wrote them; a SAUCE record after the end-of-file byte.
QByteArray dos_text_nfo()
{
    QByteArray art_bytes;
    for (int byte = 1; byte <= 0xFF; ++byte)
        if (byte != '\n' && byte != '\r')
            art_bytes += char(byte);
    const QByteArray sauce = "SAUCE00" + QByteArray(121, ' ');
    const QByteArray text_line = "\x1B[1;33m   Supplied by the group,\x1B[0m\x1B[3Ccracked and tested on real hardware.";
    QByteArray bytes;
    bytes.reserve(nfo_bytes);
    for (qsizetype line = 0, next = 0; bytes.size() < nfo_bytes - 1 - sauce.size(); ++line) {
        if (line % 2 == 0) {
            for (int column = 0; column < 76; ++column, ++next)
                bytes += art_bytes[next % art_bytes.size()];
        } else {
            bytes += text_line;
        }
        bytes += line % 4 < 2 ? "\r\n" : "\r\r\n";
    }
    bytes.truncate(nfo_bytes - 1 - sauce.size());
    return bytes + '\x1A' + sauce;
}

QString ascii_sheet_lines()
{
    const QString line = QString(77, QLatin1Char('=')) + QLatin1Char('\n');
    QString sheet;
    sheet.reserve(sheet_size);
    while (sheet.size() + line.size() + 1 <= sheet_size)  // + 1: the CR that the sheet's line ends gain
        sheet += line;
    return sheet;
}

// Until the box has painted what it shows: the drop's insertion runs once
// the drop is over, and the box paints on the round of events after that.
void settle()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

void empty_box(benchmark::State& state, QPlainTextEdit* box)
{
    state.PauseTiming();
    box->clear();
    settle();
    state.ResumeTiming();
}

// The file dropped onto the paste box, as a file manager drops it.
void insert_nfo(benchmark::State& state, QPlainTextEdit* box, const QString& path, qsizetype expected_size)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at(5, 5);
    for (auto _ : state) {
        empty_box(state, box);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box->viewport(), &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box->viewport(), &drop);
        settle();
    }
    if (box->toPlainText().size() != expected_size)
        state.SkipWithError("the box does not hold the file's text");
}

// The floor: the bytes read whole and set, one byte one character, into a
// box that does nothing else.
void bare_box(benchmark::State& state, QPlainTextEdit* box, const QString& path)
{
    for (auto _ : state) {
        empty_box(state, box);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot open the file");
            break;
        }
        box->setPlainText(QString::fromLatin1(file.readAll()));
        settle();
    }
}

void encode(benchmark::State& state, const relwiz::CodePage* code_page, const QString& sheet)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(code_page->encode(sheet).bytes);
    state.SetBytesProcessed(int64_t(sheet.size()) * state.iterations());
}

void create_nfo(benchmark::State& state, QAbstractButton* button, qsizetype sheet_size)
{
    QFile::remove(QStringLiteral("bench.nfo"));
    for (auto _ : state)
        button->click();
    // A failed save would have shown a warning and waited; a short one would not.
    if (QFile(QStringLiteral("bench.nfo")).size() != sheet_size)
        state.SkipWithError("Create .nfo! did not save the whole sheet");
}

// Create .nfo! as it was before the check: nothing asked, the sheet text
// encoded and saved in one call.
void sheet_text_and_save(benchmark::State& state, const relwiz::SheetTextBox* box)
{
    for (auto _ : state) {
        const auto saved = relwiz::save_sheet(QStringLiteral("bench"), relwiz::windows_1252().encode(box->sheet_text()).bytes);
        if (!saved)
            state.SkipWithError(saved.refusal().detail.c_str());
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    std::vector<char*> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave);  // a flag given later overrides it
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    QApplication application(count, arguments.data());

    QTemporaryDir folder;
    QDir::setCurrent(folder.path());

    const QByteArray nfo = dos_text_nfo();
    const QString nfo_path = QDir(folder.path()).filePath(QStringLiteral("group.nfo"));
    QFile nfo_file(nfo_path);
    if (!nfo_file.open(QIODevice::WriteOnly) || nfo_file.write(nfo) != nfo.size() || !nfo_file.flush()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(nfo_path));
        return 1;
    }
    nfo_file.close();
    // A refused file would stop the run at a warning box: make sure first.
    const relwiz::Outcome<relwiz::ReadText> read = relwiz::read_nfo_file(nfo_path);
    if (!read || read->read_as != relwiz::TextEncoding::DosText) {
        std::fprintf(stderr, "the box would not read it as DOS text: %s\n", read ? "" : read.refusal().message.c_str());
        return 1;
    }

    relwiz::MainForm form;
    relwiz::bench::show_whole(form);  // on "General Info", where the paste box is
    auto* paste_box = form.findChild<QPlainTextEdit*>(QStringLiteral("paste_nfo_text"));
    QPlainTextEdit bare;
    bare.setGeometry(paste_box->geometry());
    bare.setFont(paste_box->font());
    bare.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bare.show();

    // The art as a sheet holds it once inserted: 8 MiB of the same file.
    const QString art_sheet = read->text.left(sheet_size);

    form.findChild<QLineEdit*>(QStringLiteral("program_title_text"))->setText(QStringLiteral("bench"));
    auto* preview_box = form.findChild<relwiz::SheetTextBox*>(QStringLiteral("preview_text"));
    preview_box->setPlainText(ascii_sheet_lines());
    const qsizetype ascii_sheet_size = preview_box->sheet_text().size();
    auto* create_button = form.findChild<QAbstractButton*>(QStringLiteral("Command3"));

    benchmark::RegisterBenchmark("insert_nfo/32MiB", insert_nfo, paste_box, nfo_path, read->text.size())
        ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(7)->DisplayAggregatesOnly();
    benchmark::RegisterBenchmark("bare_box/32MiB", bare_box, &bare, nfo_path)
        ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(7)->DisplayAggregatesOnly();
    benchmark::RegisterBenchmark("encode_cp437/8MiB_art", encode, &relwiz::cp437(), art_sheet)
        ->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly();
    benchmark::RegisterBenchmark("encode_1252/8MiB_art", encode, &relwiz::windows_1252(), art_sheet)
        ->Unit(benchmark::kMillisecond)->Repetitions(5)->DisplayAggregatesOnly();
    benchmark::RegisterBenchmark("create_nfo/8MiB_ascii", create_nfo, create_button, ascii_sheet_size)
        ->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->DisplayAggregatesOnly();
    benchmark::RegisterBenchmark("text+save_sheet/8MiB_ascii", sheet_text_and_save, preview_box)
        ->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(9)->DisplayAggregatesOnly();

    relwiz::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratio("insert_nfo/32MiB", "bare_box/32MiB", 1.5);
    reporter.print_ratio("encode_cp437/8MiB_art", "encode_1252/8MiB_art", 2.0);
    reporter.print_ratio("create_nfo/8MiB_ascii", "text+save_sheet/8MiB_ascii", 1.1);
    benchmark::Shutdown();
    return 0;
}
