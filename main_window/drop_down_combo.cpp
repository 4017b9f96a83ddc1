#include "drop_down_combo.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

namespace relwiz {

DropDownCombo::DropDownCombo(QWidget* parent)
    : QComboBox(parent)
{
    // An edit field of its own rather than setEditable(true), which would
    // also build the list's popup now; the popup waits for its first opening.
    auto* field = new QLineEdit(this);
    field->setPalette(palette());
    setLineEdit(field);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(8);
}

void DropDownCombo::set_design(const QStringList& items, const QString& text)
{
    addItems(items);
    setCurrentIndex(-1);
    setEditText(text);
}

void DropDownCombo::keyPressEvent(QKeyEvent* event)
{
    // QComboBox would look the typed text up in the list on Enter, ignoring
    // case, and replace it by the item it found. The edit field keeps it.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !view()->isVisible()) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

}  // namespace relwiz
