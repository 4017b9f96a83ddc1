// Turns a window design (control_design.h) into widgets, and finds them
// again by name and, for the elements of a control array, by index.
#pragma once

#include "control_design.h"

#include <QFont>
#include <QHash>
#include <QString>
#include <QWidget>

#include <functional>
#include <utility>

namespace relwiz {

// The controls of a window by name and, for the elements of a control
// array, index: what the builder made, found again without a tree search.
class ControlIndex {
public:
    void add(QWidget* control, int array_index = -1);

    // nullptr when there is no such control.
    QWidget* find(const QString& name, int array_index = -1) const;

    template <typename Control>
    Control* find_as(const QString& name, int array_index = -1) const
    {
        return qobject_cast<Control*>(find(name, array_index));
    }

private:
    QHash<std::pair<QString, int>, QWidget*> controls_;
};

// Every control's font, Arial 8.25 pt (fontconfig gives its metric twin).
QFont control_font();

// Creates the controls of `design` on `page`, each at its twips / 15.
// `name_of` gives the name a design row takes on this page; a non-negative
// `array_index` makes the page's inputs elements of control arrays. Every
// control is entered in `index`.
void build_controls(QWidget* page, std::span<const ControlDesign> design,
                    const std::function<QString(const char*)>& name_of, int array_index, ControlIndex& index);

// The control named `name` below `root`, searched for in the widget tree;
// with an index, that element of the control array. nullptr when there is none.
QWidget* find_control(const QWidget* root, const QString& name, int index = -1);

template <typename Control>
Control* find_control_as(const QWidget* root, const QString& name, int index = -1)
{
    return qobject_cast<Control*>(find_control(root, name, index));
}

}  // namespace relwiz
