#include "disc_sfv.h"

#include "command_question.h"
#include "page_menu.h"
#include "refusal_message.h"
#include "sfv_answers.h"
#include "background_work.h"
#include "part_crcs.h"

#include <QAction>
#include <QLocale>
#include <QMessageBox>

#include <algorithm>

namespace relwiz {
namespace {

namespace fs = std::filesystem;
using release_files::SfvCheck;
using release_files::SfvWritten;

// A box taller than the screen hides its buttons: past this many problems,
// the rest are under "Show Details...", where the whole list is.
constexpr qsizetype listed_problems = 20;

QString file_name(const fs::path& path)
{
    return QString::fromStdString(path.filename().string());
}

std::string no_parts_beside(const fs::path& sfv)
{
    return "No archive parts came with " + sfv.filename().string() + ", and there are none beside it.";
}

// The reading of the parts as its dialog tells it: "Reading game.r01 (part 2
// of 3)", then the bytes done of the total.
release_files::PartsProgressCallback reading_progress(const std::vector<fs::path>& parts,
                                                      const WorkProgressCallback& progress)
{
    return [&parts, &progress](const release_files::PartsProgress& reading) {
        const QLocale locale;
        const auto size = [&locale](std::uint64_t bytes) { return locale.formattedDataSize(qint64(bytes)); };
        const double done = reading.bytes_total ? double(reading.bytes_done) / double(reading.bytes_total) : 1.0;
        progress({QStringLiteral("Reading %1 (part %2 of %3)\n%4 of %5")
                      .arg(file_name(parts.at(reading.part)))
                      .arg(reading.part + 1)
                      .arg(parts.size())
                      .arg(size(reading.bytes_done), size(reading.bytes_total)),
                  std::min(done, 1.0)});
    };
}

void inform(QWidget* page, QMessageBox::Icon icon, const QString& title, const QStringList& lines)
{
    QMessageBox box(icon, title, lines.mid(0, listed_problems).join(u'\n'), QMessageBox::Ok, page->window());
    if (lines.size() > listed_problems) {
        box.setInformativeText(QStringLiteral("%1 more are under Show Details.").arg(lines.size() - listed_problems));
        box.setDetailedText(lines.join(u'\n'));
    }
    box.exec();
}

}  // namespace

DiscSfv::DiscSfv(QWidget* page, int disc, BackgroundWork& work)
    : QObject(page)
    , page_(page)
    , disc_(disc)
    , work_(work)
    , write_action_(menu_command(QStringLiteral("Write .sfv for the parts"),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this))
{
    write_action_->setEnabled(false);
    write_action_->setToolTip(QStringLiteral("Fill this page from an archive set first."));
    connect(write_action_, &QAction::triggered, this, &DiscSfv::write);
}

void DiscSfv::take_fill(const release_files::DiscFiles& files)
{
    if (files.archive) {
        set_ = files.archive;
        write_action_->setEnabled(true);
        write_action_->setToolTip(
            QStringLiteral("Write %1.sfv beside the parts.").arg(QString::fromStdString(files.archive->name)));
    }
    if (files.sfv)
        check(*files.sfv, files.archive);
}

void DiscSfv::check(const fs::path& sfv, const std::optional<release_files::ArchiveSet>& set)
{
    const QString sfv_name = file_name(sfv);
    if (!set)
        return show_refusal(page_, check_title(), {no_parts_beside(sfv)}, QStringLiteral("Nothing was checked."));
    const std::vector<fs::path> parts = set->part_files;
    work_.run<Outcome<SfvCheck>>(
        check_title(),
        [sfv, parts](const WorkProgressCallback& progress, std::stop_token stop) {
            return release_files::check_sfv(sfv, parts, reading_progress(parts, progress), stop);
        },
        [this, sfv_name, count = parts.size()](const Outcome<SfvCheck>& check) {
            show(check_answer(check, disc_, sfv_name, count), check_title());
        });
}

void DiscSfv::show(const SfvAnswer& answer, const QString& title)
{
    switch (answer.kind) {
    case SfvAnswer::Kind::none: return;
    case SfvAnswer::Kind::information: return inform(page_, QMessageBox::Information, title, answer.lines);
    case SfvAnswer::Kind::warning: return inform(page_, QMessageBox::Warning, title, answer.lines);
    case SfvAnswer::Kind::refusal: return show_refusal(page_, title, answer.refusal, answer.unchanged);
    }
}

void DiscSfv::write()
{
    if (!set_)
        return show_refusal(page_, write_title(), {"Disc " + std::to_string(disc_ + 1) + " Info has not been filled "
                                                   "from an archive set: drop its parts here, or press Ctrl+O, first."},
                            QStringLiteral("Nothing was written."));
    const std::vector<fs::path> parts = set_->part_files;
    const fs::path sfv = parts.front().parent_path() / (set_->name + ".sfv");
    std::error_code unknown;
    const bool replaced = fs::exists(sfv, unknown);
    const QString sfv_name = file_name(sfv);
    if (replaced && !replace_asked(sfv_name))
        return;
    work_.run<Outcome<SfvWritten>>(
        write_title(),
        [sfv, parts](const WorkProgressCallback& progress, std::stop_token stop) {
            return release_files::write_sfv(sfv, parts, reading_progress(parts, progress), stop);
        },
        [this, sfv_name, replaced](const Outcome<SfvWritten>& written) {
            show(write_answer(written, sfv_name, replaced), write_title());
        });
}

bool DiscSfv::replace_asked(const QString& sfv_name)
{
    return user_goes_on(page_, {write_title(), QStringLiteral("%1 already exists. Replace it?").arg(sfv_name),
                                QStringLiteral("Its CRC-32s give way to those the parts have now. To check the "
                                               "parts against it instead, drop it on this page."),
                                QStringLiteral("&Replace"), true});
}

QString DiscSfv::check_title() const
{
    return QStringLiteral("Check Disc %1 parts").arg(disc_ + 1);
}

QString DiscSfv::write_title() const
{
    return QStringLiteral("Write Disc %1 .sfv").arg(disc_ + 1);
}

}  // namespace relwiz
