#include "page_menu.h"

#include <QMenu>

namespace relwiz {

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
