#include "compose_sheet.h"

#include <cstddef>

namespace relwiz {
namespace {

// Every literal of a sheet with six disc sections comes to about 6 KiB; the
// values come on top. Reserving both up front makes the sheet one allocation.
constexpr std::size_t literal_bytes_upper_bound = 8 * 1024;

std::size_t value_bytes(const DiscInfo& disc)
{
    return disc.volume_label.size() + disc.image_filename.size() + disc.image_file_size.size() +
           disc.archive_format.size() + disc.archive_part_size.size() +
           disc.number_of_parts.size() + disc.archive_size.size();
}

std::size_t value_bytes(const ReleaseSheet& sheet)
{
    std::size_t total = sheet.program_title.size() + sheet.poster_name.size() +
                        sheet.disc_type.size() + sheet.platform.size() + sheet.category.size() +
                        sheet.serial_number.size() + sheet.release_group.size() +
                        sheet.image_creation_app.size() + sheet.url.size() +
                        sheet.group_posted_to.size() + sheet.news_server.size() +
                        sheet.parts_per_day.size() + sheet.repost_commences.size() +
                        sheet.fills_policy.size() + sheet.release_group_nfo.size();
    for (const DiscInfo& disc : sheet.discs)
        total += value_bytes(disc);
    return total;
}

}  // namespace

std::string compose_sheet(const ReleaseSheet& sheet)
{
    std::string text;
    text.reserve(literal_bytes_upper_bound + value_bytes(sheet));
    append_banner(sheet, text);
    append_general_information(sheet, text);
    append_post_information(sheet, text);
    append_disc_sections(sheet, text);
    append_release_group_section(sheet, text);
    append_credit_footer(sheet, text);
    return text;
}

}  // namespace relwiz
