#include "nfo_import.h"

#include "file_drop.h"
#include "nfo_file.h"
#include "page_menu.h"
#include "refusal_message.h"

#include <QAction>
#include <QFileDialog>
#include <QPlainTextEdit>

namespace relwiz {
namespace {

const QString dialog_title = QStringLiteral("Insert .nfo file");

}  // namespace

NfoImport::NfoImport(QPlainTextEdit* box)
    : QObject(box)
    , box_(box)
    , insert_action_(menu_command(QStringLiteral("Insert .nfo file..."), QKeySequence::Open, this))
{
    connect(insert_action_, &QAction::triggered, this, &NfoImport::choose_and_insert);

    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, &NfoImport::show_context_menu);

    auto* drop = new FileDrop([this](const QList<QUrl>& urls, QWidget*, QPoint at) { insert_dropped(urls, at); }, this);
    drop->watch(box->viewport());
}

void NfoImport::choose_and_insert()
{
    const QString path = QFileDialog::getOpenFileName(box_->window(), dialog_title, QString(),
                                                      QStringLiteral("Information sheets (*.nfo *.diz *.txt);;All files (*)"));
    if (!path.isEmpty())
        insert_file(path, box_->textCursor());
}

void NfoImport::insert_file(const QString& path, QTextCursor at)
{
    const Outcome<ReadText> read = read_nfo_file(path);
    if (!read)
        return refuse(read.refusal());
    at.insertText(read->text);
    box_->setTextCursor(at);
    box_->setFocus(Qt::OtherFocusReason);
    emit inserted(read->read_as);
}

void NfoImport::insert_dropped(const QList<QUrl>& urls, QPoint position)
{
    if (urls.size() != 1)
        return refuse({"Drop one .nfo file at a time.", {}});
    const Outcome<QStringList> paths = local_paths(urls);
    if (!paths)
        return refuse(paths.refusal());
    insert_file(paths->first(), box_->cursorForPosition(position));
}

void NfoImport::show_context_menu(QPoint position)
{
    show_box_menu(box_, position, insert_action_);
}

void NfoImport::refuse(const Refusal& refusal)
{
    show_refusal(box_, dialog_title, refusal, QStringLiteral("The release group's .nfo is unchanged."));
}

}  // namespace relwiz
