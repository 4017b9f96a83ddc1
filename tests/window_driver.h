// Drives the real main window as a person would: clicks on tabs, buttons and
// list items, typing, Tab presses, and answers to the dialogs it opens. The
// window works in a fresh empty folder, the current one while the driver lives.
#pragma once

#include "form_builder.h"
#include "main_form.h"
#include "tab_control.h"
#include "test_support.h"

#include <QtWidgets>

#include <functional>
#include <optional>
#include <stdexcept>

namespace relwiz::testing {

class WindowDriver {
public:
    WindowDriver()
    {
        if (!QDir::setCurrent(folder_.path()))
            throw std::runtime_error("no folder to work in");
        form_.show();
        QApplication::setActiveWindow(&form_);
        if (!QTest::qWaitForWindowExposed(&form_))
            throw std::runtime_error("the main window was never shown");
        // A dialog that a fault opens and no answer awaits would hang the
        // test: after 3 s it is closed with Esc, and unanswered() names it.
        QObject::connect(&watchdog_, &QTimer::timeout, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog && dialog == open_dialog_ && answering_now() == 0) {
                unanswered_ << dialog->windowTitle();
                QTest::keyClick(dialog, Qt::Key_Escape);
            }
            open_dialog_ = dialog;
        });
        watchdog_.start(3000);
    }
    ~WindowDriver() { QDir::setCurrent(previous_directory_); }

    MainForm& form() { return form_; }
    const QStringList& unanswered() const { return unanswered_; }
    TabControl& tabs() { return *form_.tab_control(); }
    static QWidget* focused() { return QApplication::focusWidget(); }
    void press_tab(Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(focused(), Qt::Key_Tab, modifiers); }
    QString preview_text() { return control<QPlainTextEdit>("preview_text")->toPlainText(); }

    // The control named `name`, or with "name:2" or an index, element 2 of an array: the one on Disc 3 Info.
    template <typename Control = QWidget>
    Control* control(const QString& name, int index = -1)
    {
        if (name.contains(':'))
            return control<Control>(name.section(':', 0, 0), name.section(':', 1).toInt());
        const QWidget* below = index < 0 ? &form_ : tabs().page(first_disc_tab + index);
        if (auto* found = below->findChild<Control*>(name))
            return found;
        throw std::runtime_error("no control " + name.toStdString() + "(" + std::to_string(index) + ")");
    }

    static constexpr int first_disc_tab = 2;  // Disc 1 Info

    void click_tab(int index)
    {
        QTest::mouseClick(tabs().strip(), Qt::LeftButton, {}, tabs().strip()->tab_rect(index).center());
    }

    // The keys pressed on the window, active again as a click on it would
    // make it after the boxes before.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QApplication::setActiveWindow(&form_);
        QTest::keyClick(&form_, key, modifiers);
    }

    // Clicks the control's tab first when it is not the current one.
    QWidget* shown(QWidget* control)
    {
        for (int index = 0; index < tabs().count(); ++index)
            if (tabs().page(index)->isAncestorOf(control) && tabs().current_index() != index)
                click_tab(index);
        return control;
    }

    // One thing a person does, written "name" (a click), "name=text" (a click
    // into the field, Ctrl+A, then the text typed; "\n" is Enter) or
    // "name<item" (the list opened with a click on its arrow and the item
    // taken with the arrow keys and Enter); "name:2..." is element 2 of an array.
    void act(const QString& action)
    {
        QApplication::setActiveWindow(&form_);  // a click activates the window, as a window manager does
        const qsizetype split = action.indexOf(QRegularExpression("[=<]"));
        QWidget* widget = shown(control(action.left(split)));
        auto* combo = qobject_cast<QComboBox*>(widget);
        if (split < 0)
            return QTest::mouseClick(widget, Qt::LeftButton);
        if (action[split] == '=') {  // the keys go where the click put the focus, as a keyboard's do
            QTest::mouseClick(combo ? combo->lineEdit() : widget, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
            return type(focused(), action.mid(split + 1));
        }
        const int row = combo->findText(action.mid(split + 1), Qt::MatchExactly);
        QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 6, combo->height() / 2));
        if (row < 0 || !QTest::qWaitFor([combo] { return combo->view()->isVisible(); }))
            throw std::runtime_error("cannot pick " + action.toStdString());
        QTest::keyClick(combo->view(), Qt::Key_Home);
        for (int step = 0; step < row; ++step)
            QTest::keyClick(combo->view(), Qt::Key_Down);
        QTest::keyClick(combo->view(), Qt::Key_Return);
    }

    void act(const QStringList& actions)
    {
        for (const QString& action : actions)
            act(action);
    }

    // Key by key; a character no key makes arrives as the text of a key event.
    static void type(QWidget* target, const QString& text)
    {
        for (QChar c : text) {
            if (c == '\n')
                QTest::keyClick(target, Qt::Key_Return);
            else if (c.unicode() < 0x80)
                QTest::keyClicks(target, QString(c));
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    // Does `action`, answering the first modal dialog it opens: the button
    // whose text is `answer`, else Enter for "Enter", a file chosen for a file
    // dialog, Esc for anything else. Returns what the dialog said, its buttons
    // from left to right after it, the default one starred (of a file dialog:
    // its folder, the file it proposes, its filters); "" when none opened.
    static QString answering(const QString& answer, const std::function<void()>& action)
    {
        return answering(QStringList{answer}, action, false);
    }

    // As answering, for the dialogs in turn, one answer each, what each said
    // following the one before; `wait`, for dialogs that work done beside the
    // window opens later: each said after its title, and up to 10 s waited
    // after `action` for the last to be answered.
    static QString answering(const QStringList& answers, const std::function<void()>& action, bool wait = false)
    {
        QString said;
        qsizetype answered = 0;
        QPointer<QWidget> last;  // answered, and maybe not closed yet
        QTimer watch;  // destroyed with this call, so it never fires after it
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || dialog == last || answered == answers.size())
                return;
            last = dialog;
            const QString answer = answers[answered++];
            if (!said.isEmpty())
                said += '\n';
            if (wait)
                said += dialog->windowTitle() + '\n';
            if (answered == answers.size())
                watch.stop();
            if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
                said += files->directory().path() + '\n' + files->selectedFiles().join(' ') + '\n'
                      + files->nameFilters().join(";;") + '\n';
                files->selectFile(answer);
                // Queued: a box that accept() opens (a file to replace) is the next dialog to answer.
                return QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection), void();
            }
            QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
            std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
            if (auto* box = qobject_cast<QMessageBox*>(dialog))
                said += box->text() + '\n' + box->informativeText() + '\n';
            for (QPushButton* button : buttons)
                said += (button->isDefault() ? "[*" : "[") + button->text() + ']';
            for (QPushButton* button : buttons)
                if (button->text() == answer)
                    return button->click();
            QTest::keyClick(dialog, answer == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
        });
        watch.start(0);
        ++answering_now();
        action();
        if (wait)
            (void)QTest::qWaitFor([&] { return !watch.isActive(); }, 10'000);  // the caller sees what was not said
        --answering_now();
        return said;
    }

    // Drops addresses onto `target` at `position`, as a file manager would;
    // what it does then is done once the drop is over.
    static void drop(QWidget* target, const QList<QUrl>& urls, QPoint position = {5, 5})
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(position, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(position, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();
    }

private:
    static int& answering_now()
    {
        static int depth = 0;
        return depth;
    }

    QTimer watchdog_;
    QPointer<QWidget> open_dialog_;
    QStringList unanswered_;
    QTemporaryDir folder_;
    QString previous_directory_ = QDir::currentPath();
    MainForm form_;
};

}  // namespace relwiz::testing
