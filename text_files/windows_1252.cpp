#include "code_page.h"

namespace relwiz {
namespace {

struct Mapping {
    char16_t code_point;
    std::uint8_t byte;
};

// Where Windows-1252 leaves Latin-1: bytes 0x80 to 0x9F hold typographic
// characters instead of the C1 controls. The five bytes it leaves undefined
// keep the C1 controls of the same value, as Windows itself converts them.
constexpr std::array<Mapping, 27> beyond_latin_1 = {{
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
    {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
    {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
    {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
    {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
    {0x017E, 0x9E}, {0x0178, 0x9F},
}};

std::array<char16_t, 256> characters()
{
    std::array<char16_t, 256> all;
    for (std::size_t byte = 0; byte < all.size(); ++byte)
        all[byte] = char16_t(byte);  // Latin-1, and the C1 controls of the five undefined bytes
    for (const Mapping& mapping : beyond_latin_1)
        all[mapping.byte] = mapping.code_point;
    return all;
}

}  // namespace

const CodePage& windows_1252()
{
    static const CodePage code_page(characters());
    return code_page;
}

}  // namespace relwiz
