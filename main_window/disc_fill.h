// Fills a disc page ("Disc N Info") from the disc's own files: the image and
// its archive parts, dropped anywhere on the page or chosen with Ctrl+O. Only
// the fields the files answer change, each as an edit the user can take back
// with that field's Undo; a drop that cannot be read is refused with a
// warning and the page stays as it was.
#pragma once

#include "field_binding.h"
#include "refusal.h"

#include <QObject>
#include <QStringList>

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

private:
    void fill_dropped(const QList<QUrl>& urls);
    void fill(const QStringList& paths);
    void set_text(std::string DiscInfo::*field, const QString& text);
    void choose(const FieldBinding& option);
    void refuse(const Refusal& refusal);
    QString page_caption() const;

    QWidget* page_;
    int disc_;
    const ControlIndex& controls_;
};

}  // namespace relwiz
