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
#include <vector>

namespace relwiz {

// An input and the field it feeds; `disc` is the index of the disc page it
// stands on (its DiscInfo), -1 on the other pages.
struct BoundControl {
    QWidget* control;
    ControlKind kind;  // what the builder made it as
    FieldBinding feeds;
    int disc;
};

// The controls of a window by name and, for the elements of a control
// array, index; and its inputs by the fields they feed, in design order.
// What the builder made, found again without a tree search. A control asked
// for that the design does not have is a fault in the program: it stops
// the program with the name, at start-up where the window asks for it.
class ControlIndex {
public:
    void add(QWidget* control, int array_index, const ControlDesign& row);

    // nullptr when there is no such control.
    QWidget* find(const QString& name, int array_index = -1) const;

    QWidget* at(const char* name, int array_index = -1) const;

    template <typename Control>
    Control* at_as(const char* name, int array_index = -1) const
    {
        return checked_cast<Control>(at(name, array_index), name);
    }

    // The input that feeds `feeds`, a field of the ReleaseSheet itself.
    template <typename Control = QWidget>
    Control* bound_to(const FieldBinding& feeds) const
    {
        return checked_cast<Control>(input_feeding(feeds), "an input bound to a field");
    }

    const std::vector<BoundControl>& bound_controls() const { return bound_; }

private:
    QWidget* input_feeding(const FieldBinding& feeds) const;

    template <typename Control>
    static Control* checked_cast(QWidget* control, const char* what)
    {
        auto* cast = qobject_cast<Control*>(control);
        if (!cast)
            qFatal("The main window has no control %s of the kind asked for", what);
        return cast;
    }

    QHash<std::pair<QString, int>, QWidget*> controls_;
    std::vector<BoundControl> bound_;
};

// Every control's font, Arial 8.25 pt (fontconfig gives its metric twin).
QFont control_font();

// Creates the controls of `design` on `page`, each at its twips / 15.
// `name_of` gives the name a design row takes on this page; a non-negative
// `array_index` makes the page's inputs elements of control arrays. Every
// control is entered in `index`.
void build_controls(QWidget* page, std::span<const ControlDesign> design,
                    const std::function<QString(const char*)>& name_of, int array_index, ControlIndex& index);

}  // namespace relwiz
