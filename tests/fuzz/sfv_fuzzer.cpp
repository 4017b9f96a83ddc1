// libFuzzer target: arbitrary bytes read as an .sfv. The reader must neither
// crash nor read out of bounds; every line is an entry, a fault or passed
// over (blank, a comment); and what sfv_text writes of the entries read
// reads back as the same entries, with no fault.
#undef NDEBUG  // the asserts are the checks
#include "sfv_file.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <cstdint>
#include <string_view>

using namespace relwiz::release_files;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SfvFile sfv = parse_sfv(text);
    assert(sfv.entries.size() + sfv.faults.size() <= std::size_t(std::count(text.begin(), text.end(), '\n')) + 1);
    const SfvFile again = parse_sfv(sfv_text(sfv.entries, std::chrono::system_clock::time_point()));
    assert(again.faults.empty() && again.entries.size() == sfv.entries.size());
    for (std::size_t i = 0; i < sfv.entries.size(); ++i)
        assert(again.entries[i].name == sfv.entries[i].name && again.entries[i].crc == sfv.entries[i].crc);
    return 0;
}
