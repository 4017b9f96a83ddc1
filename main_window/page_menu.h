// A page's own context menu: the commands that act on the whole page, shown
// where the user right-clicks the page or a control without a menu of its
// own, each with its keys and, where the menu is no place to say why an
// entry is disabled, its tooltip. A sheet box's menu is its own, with the
// command that brings a file in or takes its text out first.
#pragma once

#include <QList>

class QAction;
class QKeySequence;
class QObject;
class QPlainTextEdit;
class QPoint;
class QString;
class QWidget;

namespace relwiz {

// An entry for a command whose keys the window itself takes, as it knows
// the current tab: the entry shows the keys, and only the window acts on them.
//
//     QAction* fill = menu_command(QStringLiteral("Fill from files..."), QKeySequence::Open, this);
QAction* menu_command(const QString& text, const QKeySequence& keys, QObject* parent);

//     add_page_menu(disc_page, {fill->fill_action(), sfv->write_action()});
void add_page_menu(QWidget* page, const QList<QAction*>& entries);

// The box's standard menu (Undo, Copy, Paste...) at `position` in its
// viewport, `command` first and set apart.
//
//     show_box_menu(paste_box, position, insert_action);
void show_box_menu(QPlainTextEdit* box, QPoint position, QAction* command);

}  // namespace relwiz
