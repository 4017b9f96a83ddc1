#include "form_builder.h"

#include "drop_down_combo.h"
#include "sheet_text_box.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace relwiz {
namespace {

// The property that holds a control array element's index, as the
// original platform called it.
constexpr const char* index_property = "index";

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
        box->setCursorPosition(0);
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

// Some captions are a few pixels wider in this font than the labels measured
// for them. Such a label grows to the right, into the gap the design leaves
// before its input, rather than cut its caption short.
void fit_caption(QLabel* label)
{
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 1;
    if (needed > label->width())
        label->resize(needed, label->height());
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

void ControlIndex::add(QWidget* control, int array_index)
{
    controls_.insert({control->objectName(), array_index}, control);
}

QWidget* ControlIndex::find(const QString& name, int array_index) const
{
    return controls_.value({name, array_index}, nullptr);
}

void build_controls(QWidget* page, std::span<const ControlDesign> design,
                    const std::function<QString(const char*)>& name_of, int array_index, ControlIndex& index)
{
    // The controls take the page's font; the sheet boxes set their own.
    page->setFont(control_font());
    for (const ControlDesign& row : design) {
        QWidget* container = row.container ? index.find(name_of(row.container)) : page;
        Q_ASSERT_X(container, row.name, "a container comes before its controls");
        QWidget* control = create_control(row, container);
        control->setObjectName(name_of(row.name));
        const int element = array_index >= 0 && is_input(row.kind) ? array_index : -1;
        if (element >= 0)
            control->setProperty(index_property, element);
        index.add(control, element);
        control->setGeometry(row.rect.to_pixels());
        if (row.kind == ControlKind::Label)
            fit_caption(static_cast<QLabel*>(control));
    }
    // Screen readers read an input by its label's caption.
    for (const ControlDesign& row : design) {
        if (row.kind == ControlKind::Label && row.label_for) {
            const QString input_name = name_of(row.label_for);
            QWidget* input = index.find(input_name, array_index);
            if (!input)
                input = index.find(input_name);  // a frame, which is no array element
            if (input)
                input->setAccessibleName(QString::fromLatin1(row.text));
        }
    }
}

QWidget* find_control(const QWidget* root, const QString& name, int index)
{
    const QList<QWidget*> candidates = root->findChildren<QWidget*>(name);
    for (QWidget* candidate : candidates) {
        const QVariant element = candidate->property(index_property);
        if (index < 0 ? !element.isValid() || candidates.size() == 1 : element.toInt() == index)
            return candidate;
    }
    return nullptr;
}

}  // namespace relwiz
