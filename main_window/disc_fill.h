// Fills a disc page ("Disc N Info") from the disc's own files: the image and
// its archive parts, dropped anywhere on the page or chosen with Ctrl+O. Only
// the fields the files answer change (disc_page_answers), each text field as
// an edit the user can take back with that field's Undo; the option buttons
// of a choice are set as a click would set them. A drop that cannot be read
// is refused with a warning and the page stays as it was. What a fill read
// is handed on (filled), for the set's .sfv.
#pragma once

#include "disc_files.h"
#include "outcome.h"

#include <QObject>
#include <QStringList>

class QAction;
class QWidget;

namespace relwiz {

class ControlIndex;

class DiscFill : public QObject {
    Q_OBJECT

public:
    // `disc`: 0 to 5, the index of the page's control array elements.
    DiscFill(QWidget* page, int disc, const ControlIndex& controls);

    // The file dialog, then the chosen files onto the page.
    void choose_and_fill();

    // "Fill from files...", which does that, for the page's context menu.
    QAction* fill_action() const { return fill_action_; }

signals:
    // The page was just filled from `files`.
    void filled(const relwiz::release_files::DiscFiles& files);

private:
    void fill_dropped(const QList<QUrl>& urls);
    void fill(const QStringList& paths);
    void refuse(const Refusal& refusal);
    QString page_caption() const;

    QWidget* page_;
    int disc_;
    const ControlIndex& controls_;
    QAction* fill_action_;
};

}  // namespace relwiz
