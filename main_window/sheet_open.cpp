#include "sheet_open.h"

#include "command_question.h"
#include "file_drop.h"
#include "read_controls.h"
#include "read_sheet.h"
#include "refusal_message.h"
#include "sheet_file.h"
#include "sheet_text_box.h"
#include "write_controls.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace relwiz {
namespace {

const QString dialog_title = QStringLiteral("Open a sheet");

}  // namespace

SheetOpen::SheetOpen(SheetTextBox* preview_box, const ControlIndex& controls)
    : QObject(preview_box)
    , preview_box_(preview_box)
    , controls_(controls)
    , start_up_(read_release_sheet(controls))
{
    // A file dropped on the box opens it; dragged text is still pasted.
    auto* drop = new FileDrop([this](const QList<QUrl>& urls, QWidget*, QPoint) { open_dropped(urls); }, this);
    drop->watch(preview_box->viewport());
}

void SheetOpen::choose_and_open()
{
    const QString path = QFileDialog::getOpenFileName(preview_box_->window(), dialog_title, QString(),
                                                      QStringLiteral("Sheets (*.nfo);;All files (*)"));
    if (!path.isEmpty())
        open(path);
}

void SheetOpen::open_dropped(const QList<QUrl>& urls)
{
    if (urls.size() != 1)
        return refuse({"Drop one sheet at a time."});
    const Outcome<QStringList> paths = local_paths(urls);
    if (!paths)
        return refuse(paths.refusal());
    open(paths->first());
}

void SheetOpen::open(const QString& path)
{
    const Outcome<ReadText> file = read_sheet_file(path);
    if (!file)
        return refuse(file.refusal());
    const Outcome<ReleaseSheet> reading = read_sheet(file->text.toStdString());
    if (!reading)
        return refuse({QStringLiteral("\"%1\" is not a sheet that Relwiz 2000 writes.")
                           .arg(QDir::toNativeSeparators(path))
                           .toStdString(),
                       reading.refusal().message});
    if (!form_is_as_it_started() && !may_replace_form(path))
        return;
    write_release_sheet(controls_, *reading);
    preview_box_->replace_text(file->text);
    emit opened(file->read_as);
}

bool SheetOpen::form_is_as_it_started() const
{
    return preview_box_->document()->isEmpty() && read_release_sheet(controls_) == start_up_;
}

bool SheetOpen::may_replace_form(const QString& path) const
{
    return user_goes_on(preview_box_,
                        {dialog_title,
                         QStringLiteral("Open \"%1\" in place of what the form holds?").arg(QFileInfo(path).fileName()),
                         QStringLiteral("Every field takes what the sheet says, and the preview takes the "
                                        "sheet's text. A text field's Undo brings back what it held."),
                         QStringLiteral("&Open")});
}

void SheetOpen::refuse(const Refusal& refusal) const
{
    show_refusal(preview_box_, dialog_title, refusal, QStringLiteral("The form and the preview are unchanged."));
}

}  // namespace relwiz
