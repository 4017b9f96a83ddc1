#include "write_controls.h"

#include "form_builder.h"
#include "control_text.h"

#include <QAbstractButton>

#include <algorithm>

namespace relwiz {
namespace {

// Sets a button, or clears it: a set button of an exclusive group takes no
// unchecking, so it stops being exclusive for that moment.
void set_checked(QAbstractButton* button, bool checked)
{
    if (button->isChecked() == checked)
        return;
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
}

// Writes one field into the input that feeds it.
class InputWriter {
public:
    InputWriter(const ReleaseSheet& sheet, const BoundControl& input) : sheet_(sheet), input_(input) {}

    template <typename Record>
    void operator()(std::string Record::*field) const
    {
        type_over(input_, QString::fromStdString(record<Record>().*field));
    }

    void operator()(bool ReleaseSheet::*field) const { set_checked(button(), sheet_.*field); }

    template <typename Record, typename Value>
    void operator()(OptionValue<Record, Value> option) const
    {
        set_checked(button(), record<Record>().*option.field == option.value);
    }

    void operator()(std::monostate) const {}

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(input_.control); }

    template <typename Record>
    const Record& record() const
    {
        if constexpr (std::is_same_v<Record, DiscInfo>)
            return sheet_.discs[static_cast<std::size_t>(input_.disc)];
        else
            return sheet_;
    }

    const ReleaseSheet& sheet_;
    const BoundControl& input_;
};

}  // namespace

void write_release_sheet(const ControlIndex& controls, const ReleaseSheet& sheet)
{
    for (const BoundControl& input : controls.bound_controls())
        std::visit(InputWriter(sheet, input), input.feeds);
}

void write_fields(const ControlIndex& controls, int disc, const DiscInfo& values, std::span<const DiscField> fields)
{
    ReleaseSheet sheet;
    sheet.discs[static_cast<std::size_t>(disc)] = values;
    for (const BoundControl& input : controls.bound_controls())
        if (input.disc == disc
            && std::ranges::any_of(fields, [&input](const DiscField& field) { return feeds_field(input.feeds, field); }))
            std::visit(InputWriter(sheet, input), input.feeds);
}

}  // namespace relwiz
