#include "disc_fill.h"

#include "disc_files.h"
#include "file_drop.h"
#include "form_builder.h"
#include "main_form_design.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace relwiz {
namespace {

const QString file_filters = QStringLiteral(
    "Disc images and archive parts (*.iso *.bin *.cue *.rar *.r[0-9][0-9] *.s[0-9][0-9] *.zip *.z[0-9][0-9] "
    "*.ace *.c[0-9][0-9] *.arj *.a[0-9][0-9] *.7z.[0-9][0-9][0-9]);;All files (*)");

QString from_utf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

DiscFill::DiscFill(QWidget* page, int disc, const ControlIndex& controls)
    : QObject(page)
    , page_(page)
    , disc_(disc)
    , controls_(controls)
{
    auto* drop = new FileDrop([this](const QList<QUrl>& urls, QWidget*, QPoint) { fill_dropped(urls); }, this);
    drop->watch(page);
    controls.find(QString::fromLatin1(disc_page_control_name(disc, "page_frame")))
        ->setToolTip(QStringLiteral("Drop the disc image and its archive parts here, or press Ctrl+O, to fill in this page."));
}

void DiscFill::choose_and_fill()
{
    const QStringList paths = QFileDialog::getOpenFileNames(
        page_->window(), QStringLiteral("Fill %1 from files").arg(page_caption()), QString(), file_filters);
    if (!paths.isEmpty())
        fill(paths);
}

void DiscFill::fill_dropped(const QList<QUrl>& urls)
{
    QStringList paths;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            return refuse(QStringLiteral("\"%1\" is not a local file.").arg(url.toDisplayString()));
        paths.append(url.toLocalFile());
    }
    fill(paths);
}

void DiscFill::fill(const QStringList& paths)
{
    std::vector<std::filesystem::path> dropped;
    dropped.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths)
        dropped.emplace_back(QFile::encodeName(path).toStdString());
    const release_files::DiscFiles found = release_files::read_disc_files(dropped);
    if (!found.refusal.empty())
        return refuse(from_utf8(found.refusal));

    if (const auto& image = found.image) {
        check(image->bin_cue ? "image_format_bin_radio" : "image_format_iso_radio");
        set_text("image_filename_text", from_utf8(image->file_name));
        set_text("image_file_size_text", QString::number(image->size));
        if (image->volume_label)
            set_text("volume_label_text", from_utf8(*image->volume_label));
        check(image->needs_80min_cdr ? "overburn_yes_radio" : "overburn_no_radio");
    }
    if (const auto& archive = found.archive) {
        set_text("archive_format_combo", from_utf8(archive->format));
        set_text("archive_part_size_text", QString::number(archive->largest_part));
        set_text("number_parts_text", QString::number(archive->parts));
        set_text("archive_size_text", QString::number(archive->total_size));
    }
}

void DiscFill::set_text(const char* control, const QString& text)
{
    QWidget* field = controls_.find(QString::fromLatin1(control), disc_);
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (auto* combo = qobject_cast<QComboBox*>(field))
        edit = combo->lineEdit();
    Q_ASSERT_X(edit, control, "a disc page's text fields are line edits or editable combo boxes");
    if (edit->text() == text)
        return;  // no empty step in the field's undo history
    // Typed over, not set: the field's Undo takes the fill back.
    edit->selectAll();
    edit->insert(text);
}

void DiscFill::check(const char* radio)
{
    controls_.find_as<QAbstractButton>(QString::fromLatin1(radio), disc_)->setChecked(true);
}

void DiscFill::refuse(const QString& why)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Fill %1").arg(page_caption()), why, QMessageBox::Ok,
                    page_->window());
    box.setInformativeText(QStringLiteral("Nothing on %1 was changed.").arg(page_caption()));
    box.exec();
}

QString DiscFill::page_caption() const
{
    return QStringLiteral("Disc %1 Info").arg(disc_ + 1);
}

}  // namespace relwiz
