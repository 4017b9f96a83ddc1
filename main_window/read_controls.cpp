#include "read_controls.h"

#include "form_builder.h"
#include "sheet_text_box.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>


namespace relwiz {
namespace {

struct TextField {
    const char* control;
    std::string ReleaseSheet::*field;
};

constexpr TextField text_fields[] = {
    {"program_title_text", &ReleaseSheet::program_title},
    {"poster_name_text", &ReleaseSheet::poster_name},
    {"Combo1", &ReleaseSheet::disc_type},
    {"Combo2", &ReleaseSheet::platform},
    {"category_text", &ReleaseSheet::category},
    {"serial_number_text", &ReleaseSheet::serial_number},
    {"release_group_text", &ReleaseSheet::release_group},
    {"Combo3", &ReleaseSheet::image_creation_app},
    {"url_text", &ReleaseSheet::url},
    {"group_text", &ReleaseSheet::group_posted_to},
    {"server_text", &ReleaseSheet::news_server},
    {"Combo4", &ReleaseSheet::parts_per_day},
    {"Combo5", &ReleaseSheet::repost_commences},
    {"Combo6", &ReleaseSheet::fills_policy},
    {"paste_nfo_text", &ReleaseSheet::release_group_nfo},
};

struct DiscTextField {
    const char* control;
    std::string DiscInfo::*field;
};

constexpr DiscTextField disc_text_fields[] = {
    {"volume_label_text", &DiscInfo::volume_label},
    {"image_filename_text", &DiscInfo::image_filename},
    {"image_file_size_text", &DiscInfo::image_file_size},
    {"archive_format_combo", &DiscInfo::archive_format},
    {"archive_part_size_text", &DiscInfo::archive_part_size},
    {"number_parts_text", &DiscInfo::number_of_parts},
    {"archive_size_text", &DiscInfo::archive_size},
};

// A Yes/No pair, read in its own order: the first set button wins.
template <typename Record>
struct ChoicePair {
    const char* first;
    YesNoChoice first_choice;
    const char* second;
    YesNoChoice second_choice;
    YesNoChoice Record::*field;
};

constexpr ChoicePair<ReleaseSheet> sheet_choices[] = {
    {"image_is_cracked_no_radio", YesNoChoice::No, "image_is_cracked_yes_radio", YesNoChoice::Yes,
     &ReleaseSheet::image_is_cracked},
    {"full_repost_yes_radio", YesNoChoice::Yes, "full_repost_no_radio", YesNoChoice::No,
     &ReleaseSheet::full_repost},
};

constexpr ChoicePair<DiscInfo> disc_choices[] = {
    {"overburn_no_radio", YesNoChoice::No, "overburn_yes_radio", YesNoChoice::Yes, &DiscInfo::needs_80min_cdr},
    {"burn_test_yes_radio", YesNoChoice::Yes, "burn_test_no_radio", YesNoChoice::No, &DiscInfo::burn_tested},
};

struct Flag {
    const char* control;
    bool ReleaseSheet::*field;
};

constexpr Flag support_flags[] = {
    {"Check1", &ReleaseSheet::support_sfv},
    {"Check2", &ReleaseSheet::support_cue},
    {"Check3", &ReleaseSheet::support_covers},
    {"Check4", &ReleaseSheet::support_manuals},
};

std::string text_of(const QWidget* control)
{
    QString text;
    if (auto* box = qobject_cast<const QLineEdit*>(control))
        text = box->text();
    else if (auto* combo = qobject_cast<const QComboBox*>(control))
        text = combo->currentText();
    else if (auto* sheet_box = qobject_cast<const SheetTextBox*>(control))
        text = sheet_box->sheet_text();
    return text.toStdString();
}

bool is_set(const ControlIndex& controls, const char* name, int index = -1)
{
    auto* button = controls.find_as<QAbstractButton>(QString::fromLatin1(name), index);
    return button && button->isChecked();
}

template <typename Record>
YesNoChoice read_choice(const ControlIndex& controls, const ChoicePair<Record>& pair, int index = -1)
{
    if (is_set(controls, pair.first, index))
        return pair.first_choice;
    if (is_set(controls, pair.second, index))
        return pair.second_choice;
    return YesNoChoice::None;
}

int read_disc_count(const ControlIndex& controls)
{
    for (int count = 1; count <= max_discs; ++count)
        if (is_set(controls, qPrintable(QStringLiteral("number_discs_radio_%1").arg(count))))
            return count;
    return 0;
}

DiscInfo read_disc(const ControlIndex& controls, int index)
{
    DiscInfo disc;
    for (const DiscTextField& text : disc_text_fields)
        disc.*text.field = text_of(controls.find(QString::fromLatin1(text.control), index));
    if (is_set(controls, "image_format_bin_radio", index))
        disc.image_format = ImageFormat::BinCue;
    else if (is_set(controls, "image_format_iso_radio", index))
        disc.image_format = ImageFormat::Iso;
    for (const ChoicePair<DiscInfo>& choice : disc_choices)
        disc.*choice.field = read_choice(controls, choice, index);
    return disc;
}

}  // namespace

ReleaseSheet read_release_sheet(const ControlIndex& controls)
{
    ReleaseSheet sheet;
    for (const TextField& text : text_fields)
        sheet.*text.field = text_of(controls.find(QString::fromLatin1(text.control)));
    for (const ChoicePair<ReleaseSheet>& choice : sheet_choices)
        sheet.*choice.field = read_choice(controls, choice);
    for (const Flag& flag : support_flags)
        sheet.*flag.field = is_set(controls, flag.control);
    sheet.disc_count = read_disc_count(controls);
    for (int index = 0; index < max_discs; ++index)
        sheet.discs[static_cast<std::size_t>(index)] = read_disc(controls, index);
    return sheet;
}

}  // namespace relwiz
