#include "disc_fill.h"

#include "disc_files.h"
#include "disc_page_answers.h"
#include "file_drop.h"
#include "form_builder.h"
#include "main_form_design.h"
#include "page_menu.h"
#include "refusal_message.h"
#include "write_controls.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>

namespace relwiz {
namespace {

// The files the page is filled from, by the names the reader takes.
QString file_filters()
{
    QStringList patterns;
    for (const std::string& pattern : release_files::disc_file_patterns())
        patterns.append(QString::fromStdString(pattern));
    return QStringLiteral("Disc images, archive parts and .sfv files (%1);;All files (*)")
        .arg(patterns.join(QLatin1Char(' ')));
}

}  // namespace

DiscFill::DiscFill(QWidget* page, int disc, const ControlIndex& controls)
    : QObject(page)
    , page_(page)
    , disc_(disc)
    , controls_(controls)
    , fill_action_(menu_command(QStringLiteral("Fill from files..."), QKeySequence::Open, this))
{
    connect(fill_action_, &QAction::triggered, this, &DiscFill::choose_and_fill);

    auto* drop = new FileDrop([this](const QList<QUrl>& urls, QWidget*, QPoint) { fill_dropped(urls); }, this);
    drop->watch(page);
    controls.at(disc_page_frame_name(disc))
        ->setToolTip(QStringLiteral("Drop the disc image and its archive parts here, or press Ctrl+O, to fill in this page."));
}

void DiscFill::choose_and_fill()
{
    const QStringList paths = QFileDialog::getOpenFileNames(
        page_->window(), QStringLiteral("Fill %1 from files").arg(page_caption()), QString(), file_filters());
    if (!paths.isEmpty())
        fill(paths);
}

void DiscFill::fill_dropped(const QList<QUrl>& urls)
{
    const Outcome<QStringList> paths = local_paths(urls);
    if (!paths)
        return refuse(paths.refusal());
    fill(*paths);
}

void DiscFill::fill(const QStringList& paths)
{
    std::vector<std::filesystem::path> dropped;
    dropped.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths)
        dropped.emplace_back(QFile::encodeName(path).toStdString());
    const Outcome<release_files::DiscFiles> found = release_files::read_disc_files(dropped);
    if (!found)
        return refuse(found.refusal());

    const DiscPageAnswers answers = disc_page_answers(*found);
    write_fields(controls_, disc_, answers.values, answers.answered);  // each text field's Undo takes its fill back
    emit filled(*found);
}

void DiscFill::refuse(const Refusal& refusal)
{
    show_refusal(page_, QStringLiteral("Fill %1").arg(page_caption()), refusal,
                 QStringLiteral("Nothing on %1 was changed.").arg(page_caption()));
}

QString DiscFill::page_caption() const
{
    return QStringLiteral("Disc %1 Info").arg(disc_ + 1);
}

}  // namespace relwiz
