// Brings a release group's .nfo into the paste box from its file: dropped
// onto the box, or chosen with "Insert .nfo file..." from the box's own
// context menu or with Ctrl+O on "General Info". The text goes in as a paste
// would, at the drop point or over the selection, as one step of the box's
// undo history. A file refused is named with the reason, and nothing changes.
// How each file inserted was read is told, for Create .nfo! to offer to save
// in the code page it came in.
#pragma once

#include "outcome.h"
#include "text_encoding.h"

#include <QObject>
#include <QTextCursor>

class QAction;
class QPlainTextEdit;

namespace relwiz {

class NfoImport : public QObject {
    Q_OBJECT

public:
    explicit NfoImport(QPlainTextEdit* box);

    // The file dialog, then the chosen file into the box.
    void choose_and_insert();

signals:
    // A file's text went into the box; `read_as` is how it was read.
    void inserted(TextEncoding read_as);

private:
    void insert_file(const QString& path, QTextCursor at);
    void insert_dropped(const QList<QUrl>& urls, QPoint position);
    void show_context_menu(QPoint position);
    void refuse(const Refusal& refusal);

    QPlainTextEdit* box_;
    QAction* insert_action_;
};

}  // namespace relwiz
