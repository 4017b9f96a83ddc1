// Drives the real main window as a person would: clicks on tabs, buttons and
// list items, typing, Tab presses. Each call checks that the control exists.
#pragma once

#include "form_builder.h"
#include "main_form.h"
#include "tab_control.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <stdexcept>

namespace relwiz::testing {

class WindowDriver {
public:
    WindowDriver()
        : form_(std::make_unique<MainForm>())
    {
        form_->show();
        QApplication::setActiveWindow(form_.get());
        if (!QTest::qWaitForWindowExposed(form_.get()))
            throw std::runtime_error("the main window was never shown");
    }

    MainForm& form() { return *form_; }
    TabControl& tabs() { return *form_->tab_control(); }

    template <typename Control = QWidget>
    Control* control(const QString& name, int index = -1)
    {
        auto* found = find_control_as<Control>(form_.get(), name, index);
        if (!found)
            throw std::runtime_error(("no control named " + name + "(" + QString::number(index) + ")").toStdString());
        return found;
    }

    void click_tab(int index)
    {
        QTest::mouseClick(tabs().strip(), Qt::LeftButton, {}, tabs().strip()->tab_rect(index).center());
    }

    // Shows the control's tab the way a person would: by clicking it.
    void show_tab_of(QWidget* control)
    {
        for (int index = 0; index < tabs().count(); ++index)
            if (tabs().page(index)->isAncestorOf(control) && tabs().current_index() != index)
                click_tab(index);
    }

    void click(QWidget* widget)
    {
        show_tab_of(widget);
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    void click(const QString& name, int index = -1) { click(control(name, index)); }

    // Clicks into a text box or a combo box's edit field, selects what it
    // holds and types over it.
    void type_into(const QString& name, const QString& text, int index = -1)
    {
        QWidget* target = control(name, index);
        if (auto* combo = qobject_cast<QComboBox*>(target))
            target = combo->lineEdit();
        show_tab_of(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, target->height() / 2));
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        type(target, text);
    }

    // Types the text key by key; "\n" is the Enter key.
    static void type(QWidget* target, const QString& text)
    {
        for (QChar c : text) {
            if (c == QLatin1Char('\n'))
                QTest::keyClick(target, Qt::Key_Return);
            else if (c.unicode() < 0x80)
                QTest::keyClicks(target, QString(c));
            else  // beyond the keys QTest knows: the key event carries the text
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    // Opens the combo box's list with a click on its arrow, walks down to
    // the item with the arrow keys and takes it with Enter.
    void pick(const QString& combo_name, const QString& item, int index = -1)
    {
        auto* combo = control<QComboBox>(combo_name, index);
        show_tab_of(combo);
        QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 6, combo->height() / 2));
        QAbstractItemView* list = combo->view();
        if (!QTest::qWaitFor([list] { return list->isVisible(); }))
            throw std::runtime_error("the list of " + combo_name.toStdString() + " did not open");
        const int row = combo->findText(item, Qt::MatchExactly);
        if (row < 0)
            throw std::runtime_error("no item " + item.toStdString() + " in " + combo_name.toStdString());
        QTest::keyClick(list, Qt::Key_Home);
        for (int step = 0; step < row; ++step)
            QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        if (!QTest::qWaitFor([list] { return !list->isVisible(); }))
            throw std::runtime_error("the list of " + combo_name.toStdString() + " did not close");
    }

    void preview() { click(QStringLiteral("Command1")); }
    void clear() { click(QStringLiteral("Command2")); }
    void create_nfo() { click(QStringLiteral("Command3")); }

    // Clicks Create .nfo! and returns what the message box said, closing it;
    // empty when no message box came up.
    QString create_nfo_expecting_message()
    {
        QString said;
        QTimer::singleShot(0, [&said] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                said = box->text() + QLatin1Char('\n') + box->informativeText();
                box->accept();
            }
        });
        create_nfo();
        return said;
    }

    QString preview_text() { return control<QPlainTextEdit>(QStringLiteral("preview_text"))->toPlainText(); }

    QWidget* focused() const { return QApplication::focusWidget(); }

    void press_tab(Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(focused(), Qt::Key_Tab, modifiers);
    }

private:
    std::unique_ptr<MainForm> form_;
};

inline QByteArray file_bytes(const QString& name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return "<" + name.toUtf8() + " cannot be read>";
    return file.readAll();
}

// The sheet as Qt shows it: CR LF line ends become single newlines.
inline QString as_shown(std::string_view sheet)
{
    return QString::fromUtf8(sheet.data(), qsizetype(sheet.size())).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

}  // namespace relwiz::testing
