#include "page_menu.h"

#include <QAction>
#include <QMenu>

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

}  // namespace relwiz
