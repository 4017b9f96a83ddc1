// Opens a saved sheet again into the whole form: Ctrl+O on "Preview /
// Generate .nfo", or one file dropped on the preview box. Every field the
// sheet shows goes into its control, the fields it does not show take the
// record's defaults (empty text, no choice set), and the preview box takes
// the file's text, which Create .nfo! then saves as it stands, but with CR
// LF line ends and in the code page chosen; Ctrl+Z in the box takes that
// text back. A form that holds anything beyond its start-up state is replaced
// only when the user says so. A file that is no sheet of this program is
// refused, with its first line that differs, and nothing changes.
#pragma once

#include "outcome.h"
#include "release_sheet.h"
#include "text_encoding.h"

#include <QObject>

namespace relwiz {

class ControlIndex;
class SheetTextBox;

class SheetOpen : public QObject {
    Q_OBJECT

public:
    // Built with the window, whose form it takes for the start-up state.
    SheetOpen(SheetTextBox* preview_box, const ControlIndex& controls);

    // The file dialog, then the chosen sheet into the form.
    void choose_and_open();

    // The sheet at `path` into the form, or the refusal shown.
    void open(const QString& path);

signals:
    // A sheet is in the form; `read_as` is how its file was read.
    void opened(TextEncoding read_as);

private:
    void open_dropped(const QList<QUrl>& urls);
    bool form_is_as_it_started() const;
    bool may_replace_form(const QString& path) const;
    void refuse(const Refusal& refusal) const;

    SheetTextBox* preview_box_;
    const ControlIndex& controls_;
    ReleaseSheet start_up_;
};

}  // namespace relwiz
