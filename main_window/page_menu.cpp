#include "page_menu.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

namespace relwiz {

QAction* menu_command(const QString& text, const QKeySequence& keys, QObject* parent)
{
    auto* command = new QAction(text, parent);
    command->setShortcut(keys);
    command->setShortcutContext(Qt::WidgetShortcut);
    command->setShortcutVisibleInContextMenu(true);
    return command;
}

void add_page_menu(QWidget* page, const QList<QAction*>& entries)
{
    page->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(page, &QWidget::customContextMenuRequested, page, [page, entries](QPoint position) {
        auto* menu = new QMenu(page);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->setToolTipsVisible(true);
        menu->addActions(entries);
        menu->popup(page->mapToGlobal(position));
    });
}

void show_box_menu(QPlainTextEdit* box, QPoint position, QAction* command)
{
    QMenu* menu = box->createStandardContextMenu(position);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setToolTipsVisible(true);
    menu->insertAction(menu->actions().value(0), command);
    menu->insertSeparator(menu->actions().value(1));
    menu->popup(box->viewport()->mapToGlobal(position));
}

}  // namespace relwiz
