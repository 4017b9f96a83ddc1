#include "disc_fill.h"

#include "disc_files.h"
#include "file_drop.h"
#include "form_builder.h"
#include "main_form_design.h"
#include "refusal_message.h"
#include "write_controls.h"

#include <QAbstractButton>
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
    , fill_action_(new QAction(QStringLiteral("Fill from files..."), this))
{
    // Ctrl+O itself is the window's, which knows the current page: the action only shows it.
    fill_action_->setShortcut(QKeySequence::Open);
    fill_action_->setShortcutContext(Qt::WidgetShortcut);
    fill_action_->setShortcutVisibleInContextMenu(true);
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
    const OrRefusal<QStringList> paths = local_paths(urls);
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
    const OrRefusal<release_files::DiscFiles> found = release_files::read_disc_files(dropped);
    if (!found)
        return refuse(found.refusal());

    if (const auto& image = found->image) {
        choose(OptionValue{&DiscInfo::image_format, image->bin_cue ? ImageFormat::BinCue : ImageFormat::Iso});
        set_text(&DiscInfo::image_filename, QString::fromStdString(image->file_name));
        set_text(&DiscInfo::image_file_size, QString::number(image->size));
        if (image->volume_label)
            set_text(&DiscInfo::volume_label, QString::fromStdString(*image->volume_label));
        choose(OptionValue{&DiscInfo::needs_80min_cdr, image->needs_80min_cdr ? YesNoChoice::Yes : YesNoChoice::No});
    }
    if (const auto& archive = found->archive) {
        set_text(&DiscInfo::archive_format, QString::fromStdString(archive->format));
        set_text(&DiscInfo::archive_part_size, QString::number(archive->largest_part));
        set_text(&DiscInfo::number_of_parts, QString::number(archive->parts));
        set_text(&DiscInfo::archive_size, QString::number(archive->total_size));
    }
    emit filled(*found);
}

void DiscFill::set_text(std::string DiscInfo::*field, const QString& text)
{
    type_over(controls_.bound_to(field, disc_), text);  // the field's Undo takes the fill back
}

void DiscFill::choose(const FieldBinding& option)
{
    controls_.bound_to<QAbstractButton>(option, disc_)->setChecked(true);
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
