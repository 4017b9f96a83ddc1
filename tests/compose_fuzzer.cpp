// libFuzzer target: arbitrary bytes become a ReleaseSheet, and the sheet
// must keep its frame, stay the same on a second call, carry every label
// that must appear in order, and say nothing of discs beyond the count.
#include "compose_sheet.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace relwiz;

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }

    // A string of up to 255 bytes taken as they come, NUL and CR LF
    // included; only byte 1 is held back, as the mark of unprinted discs.
    std::string text()
    {
        std::size_t length = byte();
        length = std::min(length, size_ - at_);
        std::string value(reinterpret_cast<const char*>(data_ + at_), length);
        at_ += length;
        std::replace(value.begin(), value.end(), '\x01', '\x02');
        return value;
    }

    YesNoChoice choice() { return YesNoChoice(byte() % 3); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

ReleaseSheet read_sheet(ByteReader& in)
{
    ReleaseSheet sheet;
    for (std::string* field : {&sheet.program_title, &sheet.poster_name, &sheet.disc_type, &sheet.platform,
                               &sheet.category, &sheet.serial_number, &sheet.release_group,
                               &sheet.image_creation_app, &sheet.url, &sheet.group_posted_to, &sheet.news_server,
                               &sheet.parts_per_day, &sheet.repost_commences, &sheet.fills_policy,
                               &sheet.release_group_nfo})
        *field = in.text();
    sheet.image_is_cracked = in.choice();
    sheet.full_repost = in.choice();
    sheet.disc_count = in.byte() % 7;
    const std::uint8_t flags = in.byte();
    sheet.support_sfv = flags & 1;
    sheet.support_cue = flags & 2;
    sheet.support_covers = flags & 4;
    sheet.support_manuals = flags & 8;
    for (DiscInfo& disc : sheet.discs) {
        for (std::string* field : {&disc.volume_label, &disc.image_filename, &disc.image_file_size,
                                   &disc.archive_format, &disc.archive_part_size, &disc.number_of_parts,
                                   &disc.archive_size})
            *field = in.text();
        disc.image_format = ImageFormat(in.byte() % 3);
        disc.needs_80min_cdr = in.choice();
        disc.burn_tested = in.choice();
    }
    return sheet;
}

void require(bool holds)
{
    if (!holds)
        std::abort();
}

// Each literal found after the one before it.
void require_in_order(std::string_view text, std::initializer_list<std::string_view> literals)
{
    std::size_t from = 0;
    for (std::string_view literal : literals) {
        const std::size_t at = text.find(literal, from);
        require(at != std::string_view::npos);
        from = at + literal.size();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ByteReader in(data, size);
    ReleaseSheet sheet = read_sheet(in);

    // Discs beyond the count carry a mark that must never reach the sheet;
    // no value can hold it.
    const std::string mark = "\x01UNPRINTED DISC\x01";
    for (std::size_t i = 0; i < sheet.discs.size(); ++i)
        if (static_cast<int>(i) >= sheet.disc_count)
            sheet.discs[i].volume_label = mark;

    const std::string text = compose_sheet(sheet);
    require(text == compose_sheet(sheet));
    require(text.starts_with(std::string(79, '/') + "\r\n"));
    require(text.ends_with("\r\n" + std::string(79, '-')));
    require_in_order(text, {"General Information", "Disc type...................: ",
                            "Program platform............: ", "Program category............: ",
                            "Serial number...............: ", "Release group...............: ",
                            "Image creation application..: ", "Go to ", " for more info", "Post Information",
                            "Group posted to.............: ", "News server used............: ",
                            "Parts per day...............: ", "My fills policy.............: ",
                            "Support files posted........: ", credit_line});
    for (int disc = 1; disc <= sheet.disc_count; ++disc)
        require_in_order(text, {"Disc " + std::to_string(disc) + " Information", "Disc volume label...........: ",
                                "Image filename..............: ", "Total archive size this disc: "});
    require(text.find(mark) == std::string::npos);
    return 0;
}
