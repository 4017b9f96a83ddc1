#include "form_builder.h"

#include "drop_down_combo.h"
#include "sheet_text_box.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace relwiz {
namespace {

QStringList list_items(std::span<const char* const> items)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const char* item : items)
        list << QString::fromLatin1(item);
    return list;
}

QWidget* create_control(const ControlDesign& row, QWidget* container)
{
    const QString text = QString::fromLatin1(row.text);
    switch (row.kind) {
    case ControlKind::Label: {
        // One line, as the captions are measured for: Qt's word wrap would
        // break a caption that fits to the pixel.
        auto* label = new QLabel(text, container);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(text, container);
        box->setMaxLength(std::numeric_limits<int>::max());  // no limit of its own
        return box;
    }
    case ControlKind::MultiLineTextBox:
        return new SheetTextBox(container);
    case ControlKind::DropDownCombo: {
        auto* combo = new DropDownCombo(container);
        combo->set_design(list_items(row.items), text);
        return combo;
    }
    case ControlKind::OptionButton:
        return new QRadioButton(text, container);
    case ControlKind::CheckBox:
        return new QCheckBox(text, container);
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(container);
        frame->setFocusPolicy(Qt::NoFocus);
        return frame;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(text, container);
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    }
    return nullptr;
}

// The width a caption needs from its control's left edge: a button's
// caption comes after its indicator.
int caption_width(const QWidget* control)
{
    const int text_width = control->fontMetrics().horizontalAdvance(control->property("text").toString()) + 1;
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    if (!button)
        return text_width;
    QStyleOptionButton option;
    option.initFrom(button);
    const auto contents = qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                                   : QStyle::SE_CheckBoxContents;
    return button->style()->subElementRect(contents, &option, button).left() + text_width;
}

// Some captions are a few pixels wider in this font than the controls
// measured for them. Such a control grows to the right, into the gap the
// design leaves before the next one; where a control made after it, and so
// drawn over it, would cover the caption, a label moves left instead. No
// input moves.
void fit_caption(QWidget* control)
{
    const int needed = caption_width(control);
    if (needed <= control->width())
        return;
    QRect caption = control->geometry();
    caption.setWidth(needed);
    const bool movable = qobject_cast<const QLabel*>(control);
    const QObjectList& siblings = control->parentWidget()->children();
    for (qsizetype at = siblings.indexOf(control) + 1; at < siblings.size(); ++at) {
        const auto* above = qobject_cast<const QWidget*>(siblings[at]);
        if (!above || !above->geometry().intersects(caption) || above->x() <= control->x())
            continue;
        if (movable)
            caption.moveRight(above->x() - 1);
        else
            caption.setRight(above->x() - 1);
    }
    control->setGeometry(caption);
}

bool has_caption(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::OptionButton || kind == ControlKind::CheckBox;
}

bool is_input(ControlKind kind)
{
    return kind != ControlKind::Label && kind != ControlKind::Frame;
}

}  // namespace

QFont control_font()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void ControlIndex::add(QWidget* control, int array_index, const ControlDesign& row)
{
    controls_.insert({control->objectName(), array_index}, control);
    if (!std::holds_alternative<std::monostate>(row.feeds))
        bound_.push_back({control, row.kind, row.feeds, array_index});
}

QWidget* ControlIndex::find(const QString& name, int array_index) const
{
    return controls_.value({name, array_index}, nullptr);
}

QWidget* ControlIndex::at(const char* name, int array_index) const
{
    QWidget* control = find(QString::fromLatin1(name), array_index);
    if (!control)
        qFatal("The main window has no control %s (element %d)", name, array_index);
    return control;
}

QWidget* ControlIndex::input_feeding(const FieldBinding& feeds) const
{
    for (const BoundControl& bound : bound_)
        if (bound.feeds == feeds)
            return bound.control;
    return nullptr;
}

void build_controls(QWidget* page, std::span<const ControlDesign> design,
                    const std::function<QString(const char*)>& name_of, int array_index, ControlIndex& index)
{
    // The controls take the page's font; the sheet boxes set their own.
    page->setFont(control_font());
    const auto element_of = [array_index](const ControlDesign& row) {
        return array_index >= 0 && is_input(row.kind) ? array_index : -1;
    };
    for (const ControlDesign& row : design) {
        QWidget* container = row.container ? index.find(name_of(row.container)) : page;
        Q_ASSERT_X(container, row.name, "a container comes before its controls");
        QWidget* control = create_control(row, container);
        control->setObjectName(name_of(row.name));
        index.add(control, element_of(row), row);
        control->setGeometry(row.rect.to_pixels());
    }
    for (const ControlDesign& row : design)  // once every control that may cover a caption is there
        if (has_caption(row.kind))
            fit_caption(index.find(name_of(row.name), element_of(row)));
    // Screen readers read an input by its label's caption. Qt names an
    // editable combo box by its edit text whatever its accessible name, so
    // the label is also made the input's buddy: that gives the label-for and
    // labelled-by relations screen readers fall back on. No caption holds an
    // "&", so no access key comes with it.
    for (const ControlDesign& row : design) {
        if (row.kind == ControlKind::Label && row.label_for) {
            const QString input_name = name_of(row.label_for);
            QWidget* input = index.find(input_name, array_index);
            if (!input)
                input = index.find(input_name);  // a frame, which is no array element
            if (input) {
                input->setAccessibleName(QString::fromLatin1(row.text));
                qobject_cast<QLabel*>(index.find(name_of(row.name)))->setBuddy(input);
            }
        }
    }
}

}  // namespace relwiz
