// A disc page's .sfv. When the files a page is filled from include a .sfv,
// the set's parts are checked against it and the answer shown: every part
// matching, or each problem on a line of its own. A failed check leaves the
// page filled; it only reports. Ctrl+Shift+S, or "Write .sfv for the parts"
// in the page's context menu, writes "<set name>.sfv" beside the parts of
// the set the page was last filled with, asking before it replaces one.
#pragma once

#include "disc_files.h"
#include "outcome.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <optional>

class QAction;
class QWidget;

namespace relwiz {

class BackgroundWork;
struct SfvAnswer;

class DiscSfv : public QObject {
    Q_OBJECT

public:
    // `disc`: 0 to 5, the page's index; `work` runs the reading for every page.
    DiscSfv(QWidget* page, int disc, BackgroundWork& work);

    // "Write .sfv for the parts", enabled once the page has a set.
    QAction* write_action() const { return write_action_; }

    // What the page was just filled from: its set is remembered, and checked
    // against the .sfv among the files.
    void take_fill(const release_files::DiscFiles& files);

    // The set's .sfv written beside its parts; like the check, after any
    // other .sfv work that runs.
    void write();

private:
    void check(const std::filesystem::path& sfv, const std::optional<release_files::ArchiveSet>& set);
    void show(const SfvAnswer& answer, const QString& title);
    bool replace_asked(const QString& sfv_name);
    QString check_title() const;
    QString write_title() const;

    QWidget* page_;
    int disc_;
    BackgroundWork& work_;
    QAction* write_action_;
    std::optional<release_files::ArchiveSet> set_;  // of the page's last fill that read one
};

}  // namespace relwiz
