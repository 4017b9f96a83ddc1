#include "sheet_picture.h"

#include "background_work.h"
#include "command_question.h"
#include "dos_screen.h"
#include "page_menu.h"
#include "refusal_message.h"
#include "save_encoding_question.h"
#include "save_picture.h"
#include "sheet_text_box.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

#include <memory>

namespace relwiz {
namespace {

const QString command_title = QStringLiteral("Save as picture");

// What the progress dialog says: "Drawing Game.png\nline 1,200 of 13,000".
WorkProgress drawing_progress(const QString& file_name, const PictureProgress& drawn)
{
    return {QStringLiteral("Drawing %1\nline %L2 of %L3").arg(file_name).arg(drawn.lines_done).arg(drawn.lines_total),
            drawn.lines_total ? double(drawn.lines_done) / double(drawn.lines_total) : 1.0};
}

}  // namespace

SheetPicture::SheetPicture(SheetTextBox* preview_box, const QLineEdit* program_title, BackgroundWork& work)
    : QObject(preview_box)
    , preview_box_(preview_box)
    , program_title_(program_title)
    , work_(work)
    , save_action_(menu_command(QStringLiteral("Save as picture..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                                this))
{
    connect(save_action_, &QAction::triggered, this, &SheetPicture::save);

    preview_box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(preview_box, &QWidget::customContextMenuRequested, this, &SheetPicture::show_context_menu);
}

void SheetPicture::save()
{
    const QString sheet = preview_box_->sheet_text();
    auto screen = std::make_shared<const DosScreen>(dos_screen(sheet));
    if (screen->lines.columns == 0)
        return show_refusal(preview_box_, command_title, {"The preview is empty: there is nothing to draw."},
                            QStringLiteral("Nothing was written."));
    if (screen->unencodable > 0 && !draw_lacking_as_asked(sheet, *screen))
        return;
    const QString path = chosen_path();
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    const QString unchanged =
        QFileInfo::exists(path) ? QStringLiteral("%1 is as it was.").arg(name) : QStringLiteral("Nothing was written.");
    work_.run<Outcome<>>(
        command_title,
        [screen, path, name](const WorkProgressCallback& progress, std::stop_token stop) {
            return save_picture(path, screen->lines,
                                [&](const PictureProgress& drawn) { progress(drawing_progress(name, drawn)); }, stop);
        },
        [this, unchanged](const Outcome<>& saved) {
            if (saved.refused())
                show_refusal(preview_box_, command_title, saved.refusal(), unchanged);
        });
}

bool SheetPicture::draw_lacking_as_asked(QStringView sheet, const DosScreen& screen) const
{
    const qsizetype count = screen.unencodable;
    return user_goes_on(
        preview_box_,
        {command_title,
         count == 1 ? QStringLiteral("1 character of this sheet has no byte in DOS text (CP437).")
                    : QStringLiteral("%1 characters of this sheet have no byte in DOS text (CP437).").arg(count),
         first_unencodable(sheet, screen.first_unencodable)
             + QStringLiteral("\n\nThe picture shows the sheet as a DOS screen does, in the characters of "
                              "code page 437, as .nfo galleries draw it: \"?\" stands in for each "
                              "character it lacks."),
         QStringLiteral("&Draw each as ?")});
}

QString SheetPicture::chosen_path() const
{
    QFileDialog dialog(preview_box_->window(), QStringLiteral("Save the sheet as a picture"), QDir::currentPath(),
                       QStringLiteral("PNG pictures (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(program_title_->text() + QStringLiteral(".png"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void SheetPicture::show_context_menu(QPoint position)
{
    const bool empty = preview_box_->document()->isEmpty();
    save_action_->setEnabled(!empty);
    save_action_->setToolTip(empty ? QStringLiteral("Press Preview first: the preview is empty.") : QString());
    show_box_menu(preview_box_, position, save_action_);
}

}  // namespace relwiz
