// libFuzzer target: arbitrary bytes read as a sheet. The reader must neither
// crash nor take long (its time is linear in the text); a refusal names a
// line of the text, or the one just past its end; and a text it reads
// composes to a sheet that reads again as a record of that same sheet.
#undef NDEBUG  // the asserts are the checks
#include "compose_sheet.h"
#include "read_sheet.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace relwiz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Outcome<ReleaseSheet> reading = read_sheet(text);
    if (!reading) {
        const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
        const std::string& said = reading.refusal().message;
        const long line = said.starts_with("line ") ? std::strtol(said.c_str() + 5, nullptr, 10) : 0;
        const std::size_t expected = said.find(" was expected here");
        assert(line >= 1 && line <= lines + 1 && expected != std::string::npos && expected > said.find(": ") + 2);
        return 0;
    }
    const std::string sheet = compose_sheet(*reading);
    const Outcome<ReleaseSheet> again = read_sheet(sheet);
    assert(again && compose_sheet(*again) == sheet);
    return 0;
}
