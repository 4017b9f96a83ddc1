// From the click on Preview to the sheet being in the box, against setting
// the same text into a bare text box of the same kind, in the same run.
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

QString pasted_text(qsizetype bytes)
{
    QString line = QString(77, QLatin1Char('#')) + QLatin1Char('\n');
    QString text;
    text.reserve(bytes);
    while (text.size() + line.size() <= bytes)
        text += line;
    return text;
}

void measure(const char* label, qsizetype paste_bytes, double goal_ms)
{
    relwiz::MainForm form;
    form.tab_control()->set_current_index(form.tab_control()->count() - 1);
    relwiz::bench::show_whole(form);
    form.findChild<QPlainTextEdit*>(QStringLiteral("paste_nfo_text"))->setPlainText(pasted_text(paste_bytes));
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
    measure_open("typical", 0);
    measure_open("1 MiB paste", 1 << 20);
    return 0;
}
