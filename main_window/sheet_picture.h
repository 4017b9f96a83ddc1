// The preview saved as a picture, for the forums, indexers and galleries
// that show .nfo files as pictures: Ctrl+Shift+S on "Preview / Generate
// .nfo", or "Save as picture..." in the preview box's context menu. The
// box's text is drawn as a DOS screen draws it (dos_screen.h,
// screen_picture.h) into a PNG file the user chooses, "<program title>.png"
// in the current folder proposed. Characters that DOS text has no byte for
// are drawn as "?" once the user agrees. The drawing runs beside the window
// (background_work.h), with progress and Cancel once it takes a while; the
// file is written whole or not at all, and a refusal names it and says why.
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QLineEdit;

namespace relwiz {

class BackgroundWork;
class SheetTextBox;
struct DosScreen;

class SheetPicture : public QObject {
    Q_OBJECT

public:
    SheetPicture(SheetTextBox* preview_box, const QLineEdit* program_title, BackgroundWork& work);

    // "Save as picture...", in the box's menu; greyed out while the box is empty.
    QAction* save_action() const { return save_action_; }

    // Asks what it must, then draws and writes the picture beside the window.
    void save();

private:
    bool draw_lacking_as_asked(QStringView sheet, const DosScreen& screen) const;
    QString chosen_path() const;
    void show_context_menu(QPoint position);

    SheetTextBox* preview_box_;
    const QLineEdit* program_title_;
    BackgroundWork& work_;
    QAction* save_action_;
};

}  // namespace relwiz
