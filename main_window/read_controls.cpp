#include "read_controls.h"

#include "control_text.h"
#include "form_builder.h"

#include <QAbstractButton>

namespace relwiz {
namespace {

// Reads one input into the field it feeds: of the record itself, or of the
// DiscInfo of the disc page it stands on.
class InputReader {
public:
    InputReader(ReleaseSheet& sheet, const BoundControl& input) : sheet_(sheet), input_(input) {}

    template <typename Record>
    void operator()(std::string Record::*field) const
    {
        record<Record>().*field = text_of(input_).toStdString();
    }

    void operator()(bool ReleaseSheet::*field) const { sheet_.*field = is_set(); }

    template <typename Record, typename Value>
    void operator()(OptionValue<Record, Value> option) const
    {
        Value& field = record<Record>().*option.field;
        if (is_set() && field == Value{})  // the first set button of its group, unset being Value{}
            field = option.value;
    }

    void operator()(std::monostate) const {}

private:
    bool is_set() const { return static_cast<const QAbstractButton*>(input_.control)->isChecked(); }

    template <typename Record>
    Record& record() const
    {
        if constexpr (std::is_same_v<Record, DiscInfo>)
            return sheet_.discs[static_cast<std::size_t>(input_.disc)];
        else
            return sheet_;
    }

    ReleaseSheet& sheet_;
    const BoundControl& input_;
};

}  // namespace

ReleaseSheet read_release_sheet(const ControlIndex& controls)
{
    ReleaseSheet sheet;
    for (const BoundControl& input : controls.bound_controls())
        std::visit(InputReader(sheet, input), input.feeds);
    return sheet;
}

}  // namespace relwiz
