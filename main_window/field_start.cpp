#include "field_start.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

namespace relwiz {
namespace {

class FieldStart : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A menu or another window taking the focus for a moment is no leaving.
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                static_cast<QLineEdit*>(watched)->setCursorPosition(0);
        }
        return false;
    }
};

// The window's focus, whether the window is active or not; a combo box's edit
// field hands its focus to the combo box.
bool holds_focus(const QLineEdit* edit)
{
    const QWidget* focused = edit->window()->focusWidget();
    return focused && (focused == edit || focused == edit->focusProxy());
}

}  // namespace

void show_field_starts(QWidget* root)
{
    auto* on_focus_out = new FieldStart(root);
    for (QLineEdit* edit : root->findChildren<QLineEdit*>()) {
        edit->setCursorPosition(0);
        edit->installEventFilter(on_focus_out);
        QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] {
            if (!holds_focus(edit))
                edit->setCursorPosition(0);
        });
    }
    // A choice from the list leaves the whole text selected; the cursor goes
    // to its start, the selection stays.
    for (QComboBox* combo : root->findChildren<QComboBox*>())
        if (QLineEdit* edit = combo->lineEdit())
            QObject::connect(combo, &QComboBox::textActivated, edit, [edit] { edit->home(true); });
}

}  // namespace relwiz
