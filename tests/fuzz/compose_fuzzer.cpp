// libFuzzer target: arbitrary bytes become a ReleaseSheet, and the sheet must
// keep its frame, stay the same on a second call, carry its section titles in
// order, one for each disc counted (a count out of range is held to 0 to 6),
// and say nothing of the discs beyond the count.
#undef NDEBUG  // the asserts are the checks
#include "compose_sheet.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <string>

using namespace relwiz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto text = [&in] { return in.ConsumeRandomLengthString(255); };  // any bytes, NUL and CR LF included
    const auto choice = [&in] { return YesNoChoice(in.ConsumeIntegralInRange(0, 2)); };
    ReleaseSheet s;
    for (std::string* field : {&s.program_title, &s.poster_name, &s.disc_type, &s.platform, &s.category,
                               &s.serial_number, &s.release_group, &s.image_creation_app, &s.url, &s.group_posted_to,
                               &s.news_server, &s.parts_per_day, &s.repost_commences, &s.fills_policy, &s.release_group_nfo})
        *field = text();
    s.image_is_cracked = choice();
    s.full_repost = choice();
    s.disc_count = in.ConsumeIntegralInRange(-7, 7);
    for (bool* posted : {&s.support_sfv, &s.support_cue, &s.support_covers, &s.support_manuals})
        *posted = in.ConsumeBool();
    // No literal holds byte 1, and every value stands between literals: no value can hold this run.
    const std::string mark(256, '\x01');
    for (int i = 0; i < max_discs; ++i) {
        DiscInfo& disc = s.discs[std::size_t(i)];
        for (std::string* field : {&disc.volume_label, &disc.image_filename, &disc.image_file_size, &disc.archive_format,
                                   &disc.archive_part_size, &disc.number_of_parts, &disc.archive_size})
            *field = i < s.disc_count ? text() : mark;
        disc.image_format = ImageFormat(in.ConsumeIntegralInRange(0, 2));
        disc.needs_80min_cdr = choice();
        disc.burn_tested = choice();
    }

    const std::string sheet = compose_sheet(s);
    assert(sheet == compose_sheet(s) && sheet.find(mark) == std::string::npos);
    assert(sheet.starts_with(std::string(79, '/') + "\r\n")
           && sheet.ends_with(std::string(credit_line) + "\r\n" + std::string(79, '-')));
    std::size_t at = 0;  // each title on a row of its own, blank filled to 79 characters, after the one before
    for (int n = -1; n <= std::clamp(s.disc_count, 0, max_discs); ++n) {  // General, Post, then Disc 1 on
        const std::string title = (n < 0 ? "General" : n == 0 ? "Post" : "Disc " + std::to_string(n)) + " Information";
        at = sheet.find(title + std::string(79 - title.size(), ' ') + "\r\n", at);
        assert(at != std::string::npos);
    }
    return 0;
}
