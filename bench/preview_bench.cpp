// From the click on Preview to the sheet being in the box, against setting
// the same text into a bare text box of the same kind, in the same run; and
// the preview box scrolled page by page through a sheet of 1 MiB of .nfo
// art, its blocks and box lines drawn whole, against a bare box.
//     QT_QPA_PLATFORM=offscreen preview_bench
#include "form_builder.h"
#include "main_form.h"
#include "shown_form.h"
#include "sheet_open.h"
#include "tab_control.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double median_ms(int runs, const std::function<void()>& action)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        action();
        QApplication::processEvents();  // the box has painted what it shows
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QString pasted_text(qsizetype bytes, const QStringList& lines = {QString(77, QLatin1Char('#'))})
{
    QString text;
    text.reserve(bytes);
    for (qsizetype n = 0; text.size() + lines[n % lines.size()].size() + 1 <= bytes; ++n)
        text += lines[n % lines.size()] + QLatin1Char('\n');
    return text;
}

// A group's logo, shades and a frame: most cells block or box characters.
const QStringList art_lines = {
    QStringLiteral("  ▄▄▄▄▄▄▄▄   ▄▄▄▄▄▄▄  ▄▄▄   ▄▄▄ ░▒▓█▓▒░ ▄████▄  ▐█▌ ▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄"),
    QStringLiteral("  ██▀▀▀▀██ ▐██▀▀▀██▌ ███   ███ ▒▓███▓▒ ██▀▀██  ▐█▌ ████████████████████████▀"),
    QStringLiteral("  ██▄▄▄▄██ ▐██   ██▌ ███▄▄▄███ ▓█████▓ ██  ██  ▐█▌ ██░░░░░░░░░░░░░░░░░░░░░░ "),
    QStringLiteral("  ██▀▀▀▀▀  ▐██▄▄▄██▌ ▀▀▀███▀▀▀ ▒▓███▓▒ ██▄▄██  ▐█▌ ██▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒▒ "),
    QStringLiteral("╔══════════════════════════════════════════════════════════════════════════╗"),
    QStringLiteral("║ ▓▓▓▓▓▓▓▓ ░░░░░░░░ ████████ ▒▒▒▒▒▒▒▒  release notes go here      ▓▓▓▓▓▓▓ ║"),
    QStringLiteral("╚══════════════════════════════════════════════════════════════════════════╝"),
    QStringLiteral("┌─────────────────────────────┬────────────────────────────────────────────┐"),
};

void measure(const char* label, qsizetype paste_bytes, double goal_ms, const QStringList& paste_lines = {})
{
    relwiz::MainForm form;
    form.tab_control()->set_current_index(form.tab_control()->count() - 1);
    relwiz::bench::show_whole(form);
    form.findChild<QPlainTextEdit*>(QStringLiteral("paste_nfo_text"))
        ->setPlainText(paste_lines.isEmpty() ? pasted_text(paste_bytes) : pasted_text(paste_bytes, paste_lines));
    auto* preview = form.findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* box = form.findChild<QPlainTextEdit*>(QStringLiteral("preview_text"));
    const int runs = paste_bytes > (4 << 20) ? 3 : 7;
    const double preview_ms = median_ms(runs, [preview] { preview->click(); });

    // The floor: the same text set into a bare box of the same size.
    const QString sheet = box->toPlainText();
    QPlainTextEdit bare;
    bare.setGeometry(box->geometry());
    bare.setFont(box->font());
    bare.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bare.show();
    const double bare_ms = median_ms(runs, [&bare, &sheet] { bare.setPlainText(sheet); });

    const double ratio = preview_ms / bare_ms;
    std::printf("%-12s preview %8.2f ms   bare box %8.2f ms   ratio %5.2f (goal <= 1.5: %s)", label, preview_ms,
                bare_ms, ratio, ratio <= 1.5 ? "met" : "NOT met");
    if (goal_ms > 0)
        std::printf("   (goal < %.0f ms: %s)", goal_ms, preview_ms < goal_ms ? "met" : "NOT met");
    std::printf("\n");
}

// Scrolls `box` a page down and paints it at once; the milliseconds it took.
double page_down_ms(QPlainTextEdit& box)
{
    const auto start = Clock::now();
    box.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    box.viewport()->repaint();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The preview box after Preview of a sheet with 1 MiB of art, scrolled from
// top to bottom a page at a time, against a bare box of its size and font
// with the same text; the two take turns page by page, so that a busy
// machine slows both alike. Three passes; the median's time per page.
void measure_scroll(const char* label, qsizetype paste_bytes)
{
    relwiz::MainForm form;
    form.tab_control()->set_current_index(form.tab_control()->count() - 1);
    relwiz::bench::show_whole(form);
    form.findChild<QPlainTextEdit*>(QStringLiteral("paste_nfo_text"))
        ->setPlainText(pasted_text(paste_bytes, art_lines));
    form.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    auto* box = form.findChild<QPlainTextEdit*>(QStringLiteral("preview_text"));
    QPlainTextEdit bare;
    bare.setGeometry(box->geometry());
    bare.setFont(box->font());
    bare.setPalette(box->palette());
    bare.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bare.document()->setDocumentMargin(box->document()->documentMargin());
    bare.setPlainText(box->toPlainText());
    bare.show();
    std::vector<std::pair<double, double>> passes;  // box, bare: milliseconds per page
    for (int pass = 0; pass < 3; ++pass) {
        box->verticalScrollBar()->setValue(0);
        bare.verticalScrollBar()->setValue(0);
        QApplication::processEvents();
        double box_ms = 0, bare_ms = 0;
        int pages = 0;
        for (; box->verticalScrollBar()->value() < box->verticalScrollBar()->maximum(); ++pages) {
            box_ms += page_down_ms(*box);
            bare_ms += page_down_ms(bare);
        }
        passes.emplace_back(box_ms / std::max(pages, 1), bare_ms / std::max(pages, 1));
    }
    std::sort(passes.begin(), passes.end(), [](auto a, auto b) { return a.first / a.second < b.first / b.second; });
    const auto [shown, floor] = passes[passes.size() / 2];
    const double ratio = shown / floor;
    std::printf("%-12s scroll  %8.3f ms   bare box %8.3f ms   ratio %5.2f (goal <= 1.5: %s)   per page\n", label,
                shown, floor, ratio, ratio <= 1.5 ? "met" : "NOT met");
}

// A saved sheet opened again, in a window as it starts, against Preview of
// the record it puts into the form, in that same window.
void measure_open(const char* label, qsizetype paste_bytes)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheet.nfo"));
    {
        relwiz::MainForm form;
        relwiz::bench::show_whole(form);
        form.findChild<QPlainTextEdit*>(QStringLiteral("paste_nfo_text"))->setPlainText(pasted_text(paste_bytes));
        form.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        QFile file(path);
        const QByteArray sheet = form.findChild<QPlainTextEdit*>(QStringLiteral("preview_text"))
                                     ->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")).toLatin1();
        if (!file.open(QIODevice::WriteOnly) || file.write(sheet) != sheet.size())
            return void(std::printf("%s: cannot write %s\n", label, qPrintable(path)));
    }
    std::vector<double> open_ms, preview_ms;
    for (int run = 0; run < (paste_bytes > (4 << 20) ? 3 : 7); ++run) {
        relwiz::MainForm form;
        form.tab_control()->set_current_index(form.tab_control()->count() - 1);
        relwiz::bench::show_whole(form);
        QApplication::processEvents();
        auto* preview = form.findChild<QPushButton*>(QStringLiteral("Command1"));
        auto* sheet_open = form.findChild<relwiz::SheetOpen*>();
        open_ms.push_back(median_ms(1, [&] { sheet_open->open(path); }));
        preview_ms.push_back(median_ms(1, [preview] { preview->click(); }));
    }
    std::sort(open_ms.begin(), open_ms.end());
    std::sort(preview_ms.begin(), preview_ms.end());
    const double open = open_ms[open_ms.size() / 2], shown = preview_ms[preview_ms.size() / 2];
    std::printf("%-12s open    %8.2f ms   Preview  %8.2f ms   ratio %5.2f\n", label, open, shown, open / shown);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    measure("typical", 0, 0);
    measure("1 MiB paste", 1 << 20, 100);
    measure("8 MiB paste", 8 << 20, 0);
    measure("1 MiB art", 1 << 20, 0, art_lines);
    measure_scroll("1 MiB art", 1 << 20);
    measure_open("typical", 0);
    measure_open("1 MiB paste", 1 << 20);
    return 0;
}
