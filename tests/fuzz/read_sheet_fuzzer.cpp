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
#include <string>
#include <string_view>

using namespace relwiz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SheetReading reading = read_sheet(text);
    if (!reading.sheet) {
        const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
        const std::size_t said = reading.expected.find(" was expected here");
        assert(reading.line >= 1 && reading.line <= lines + 1 && said != std::string::npos && said > 0);
        return 0;
    }
    const std::string sheet = compose_sheet(*reading.sheet);
    const SheetReading again = read_sheet(sheet);
    assert(again.sheet && compose_sheet(*again.sheet) == sheet);
    return 0;
}
