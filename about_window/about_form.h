// About_Form: a small fixed dialog naming the program and its version, with
// two paragraphs from its author. OK, Enter, Esc and the close box close it,
// and closing it destroys it; AboutWindow loads it again on the next Readme!.
#pragma once

#include <QDialog>
#include <QPointer>

namespace relwiz {

class AboutForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int client_width = 382;   // 5730 twips
    static constexpr int client_height = 237;  // 3555 twips

    explicit AboutForm(QWidget* parent = nullptr);
};

// The one About window object of a run. Readme! calls show(): the window is
// loaded from its design when it is not open, centred over the widget that is
// this object's parent, and raised when it is open.
class AboutWindow : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~AboutWindow() override;

    void show();

    // The loaded window, or nullptr while it is closed.
    AboutForm* form() const { return form_; }

private:
    QPointer<AboutForm> form_;
};

}  // namespace relwiz
