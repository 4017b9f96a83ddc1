// The text of the inputs that hold one: how each kind of control that may
// feed a text field gives its text and takes a new one. The design may bind
// a text field only to a kind this table has (checked as the design
// compiles, main_form_design.cpp), and the builder makes each kind as the
// class its entry reads and writes, so reading or writing a bound input's
// text never meets a control it cannot handle.
#pragma once

#include "control_design.h"

#include <algorithm>
#include <iterator>

class QString;
class QWidget;

namespace relwiz {

struct BoundControl;

struct ControlText {
    ControlKind kind;
    QString (*text)(const QWidget* control);
    // `text` typed over what the control holds, so that its own Undo brings
    // back what the user had; a field that already holds it is left alone,
    // without an empty step in its history.
    void (*type_over)(QWidget* control, const QString& text);
};

QString line_edit_text(const QWidget* control);
void type_over_line_edit(QWidget* control, const QString& text);
QString combo_text(const QWidget* control);
void type_over_combo(QWidget* control, const QString& text);
QString sheet_box_text(const QWidget* control);  // line breaks CR LF, as sheets are written
void replace_sheet_box_text(QWidget* control, const QString& text);  // one step of its undo history

inline constexpr ControlText control_texts[] = {
    {ControlKind::TextBox, &line_edit_text, &type_over_line_edit},
    {ControlKind::DropDownCombo, &combo_text, &type_over_combo},
    {ControlKind::MultiLineTextBox, &sheet_box_text, &replace_sheet_box_text},
};

constexpr bool holds_text(ControlKind kind)
{
    return std::ranges::any_of(control_texts, [kind](const ControlText& entry) { return entry.kind == kind; });
}

// The text a bound text box, combo box or sheet box holds, as the record takes it.
QString text_of(const BoundControl& input);

// `text` into a bound text box, combo box or sheet box, as its entry types it over.
void type_over(const BoundControl& input, const QString& text);

}  // namespace relwiz
