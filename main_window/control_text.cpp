#include "control_text.h"

#include "drop_down_combo.h"
#include "form_builder.h"
#include "sheet_text_box.h"

#include <QLineEdit>

namespace relwiz {
namespace {

void type_over_edit(QLineEdit* edit, const QString& text)
{
    if (edit->text() == text)
        return;
    edit->selectAll();
    edit->insert(text);
}

const ControlText& entry_for(ControlKind kind)
{
    return *std::ranges::find(control_texts, kind, &ControlText::kind);
}

}  // namespace

QString line_edit_text(const QWidget* control)
{
    return static_cast<const QLineEdit*>(control)->text();
}

void type_over_line_edit(QWidget* control, const QString& text)
{
    type_over_edit(static_cast<QLineEdit*>(control), text);
}

QString combo_text(const QWidget* control)
{
    return static_cast<const DropDownCombo*>(control)->currentText();
}

void type_over_combo(QWidget* control, const QString& text)
{
    type_over_edit(static_cast<DropDownCombo*>(control)->lineEdit(), text);  // a DropDownCombo always has its field
}

QString sheet_box_text(const QWidget* control)
{
    return static_cast<const SheetTextBox*>(control)->sheet_text();
}

void replace_sheet_box_text(QWidget* control, const QString& text)
{
    auto* box = static_cast<SheetTextBox*>(control);
    if (box->sheet_text() != text)
        box->replace_text(text);
}

QString text_of(const BoundControl& input)
{
    return entry_for(input.kind).text(input.control);
}

void type_over(const BoundControl& input, const QString& text)
{
    entry_for(input.kind).type_over(input.control, text);
}

}  // namespace relwiz
