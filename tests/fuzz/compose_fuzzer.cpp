// libFuzzer target: arbitrary bytes become a ReleaseSheet, and the sheet must
// keep its frame, stay the same on a second call, carry every label that must
// appear, in order, and say nothing of the discs beyond the count.
#include "compose_sheet.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace relwiz;

namespace {

// Takes what it is asked for from the front of the input; zeros once it runs out.
struct Bytes {
    const std::uint8_t* at;
    std::size_t left;

    std::uint8_t byte() { return left ? (--left, *at++) : 0; }
    std::string text()  // up to 255 bytes as they come, NUL and CR LF included; byte 1 is kept for the mark below
    {
        const std::size_t length = std::min<std::size_t>(byte(), left);
        std::string value(reinterpret_cast<const char*>(at), length);
        at += length, left -= length;
        std::replace(value.begin(), value.end(), '\x01', '\x02');
        return value;
    }
};

void require(bool holds)
{
    if (!holds)
        std::abort();
}

void require_in_order(std::string_view text, std::initializer_list<std::string_view> literals)
{
    std::size_t from = 0;
    for (std::string_view literal : literals)
        require((from = text.find(literal, from)) != std::string_view::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Bytes in{data, size};
    ReleaseSheet s;
    for (std::string* field : {&s.program_title, &s.poster_name, &s.disc_type, &s.platform, &s.category,
                               &s.serial_number, &s.release_group, &s.image_creation_app, &s.url, &s.group_posted_to,
                               &s.news_server, &s.parts_per_day, &s.repost_commences, &s.fills_policy, &s.release_group_nfo})
        *field = in.text();
    s.image_is_cracked = YesNoChoice(in.byte() % 3);
    s.full_repost = YesNoChoice(in.byte() % 3);
    s.disc_count = in.byte() % 7;
    const std::uint8_t flags = in.byte();
    s.support_sfv = flags & 1, s.support_cue = flags & 2, s.support_covers = flags & 4, s.support_manuals = flags & 8;
    const std::string mark = "\x01UNPRINTED DISC\x01";  // no value can hold it
    for (std::size_t i = 0; i < s.discs.size(); ++i) {
        DiscInfo& disc = s.discs[i];
        for (std::string* field : {&disc.volume_label, &disc.image_filename, &disc.image_file_size, &disc.archive_format,
                                   &disc.archive_part_size, &disc.number_of_parts, &disc.archive_size})
            *field = int(i) < s.disc_count ? in.text() : mark;
        disc.image_format = ImageFormat(in.byte() % 3);
        disc.needs_80min_cdr = YesNoChoice(in.byte() % 3);
        disc.burn_tested = YesNoChoice(in.byte() % 3);
    }

    const std::string text = compose_sheet(s);
    require(text == compose_sheet(s));
    require(text.starts_with(std::string(79, '/') + "\r\n") && text.ends_with("\r\n" + std::string(79, '-')));
    require_in_order(text, {"General Information", "Disc type...................: ", "Program platform............: ",
                            "Program category............: ", "Serial number...............: ",
                            "Release group...............: ", "Image creation application..: ", "Go to ",
                            " for more info", "Post Information", "Group posted to.............: ",
                            "News server used............: ", "Parts per day...............: ",
                            "My fills policy.............: ", "Support files posted........: ", credit_line});
    for (int disc = 1; disc <= s.disc_count; ++disc)
        require_in_order(text, {"Disc " + std::to_string(disc) + " Information", "Disc volume label...........: ",
                                "Image filename..............: ", "Total archive size this disc: "});
    require(text.find(mark) == std::string::npos);
    return 0;
}
