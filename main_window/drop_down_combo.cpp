#include "drop_down_combo.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace relwiz {
namespace {

// A combo box makes a completer of its own for an edit field that has none,
// a good part of what a combo box costs to build, only for this one to drop
// it. One that completes nothing stands in while the field is set.
QCompleter* no_completion()
{
    static QCompleter* const completer = new QCompleter(QCoreApplication::instance());
    return completer;
}

}  // namespace

DropDownCombo::DropDownCombo(QWidget* parent)
    : QComboBox(parent)
{
    // An edit field of its own rather than setEditable(true), which would
    // also build the list's popup now; the popup waits for its first opening.
    auto* field = new QLineEdit(this);
    field->setPalette(palette());
    field->setCompleter(no_completion());
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
