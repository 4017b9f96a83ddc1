// A page's own context menu: the commands that act on the whole page, shown
// where the user right-clicks the page or a control without a menu of its
// own, each with its keys and, where the menu is no place to say why an
// entry is disabled, its tooltip.
#pragma once

#include <QList>

class QAction;
class QWidget;

namespace relwiz {

//     add_page_menu(disc_page, {fill->fill_action(), sfv->write_action()});
void add_page_menu(QWidget* page, const QList<QAction*>& entries);

}  // namespace relwiz
