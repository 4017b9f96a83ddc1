#include "ansi_encoding.h"

#include <array>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace relwiz {
namespace {

constexpr char substitute = '?';

struct Mapping {
    char16_t code_point;
    std::uint8_t byte;
};

// Where Windows-1252 leaves Latin-1: bytes 0x80 to 0x9F hold typographic
// characters instead of the C1 controls.
constexpr std::array<Mapping, 27> beyond_latin_1 = {{
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85},
    {0x2020, 0x86}, {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A},
    {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92},
    {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97},
    {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C},
    {0x017E, 0x9E}, {0x0178, 0x9F},
}};

// The five bytes Windows-1252 leaves undefined carry the C1 controls of the
// same value, as Windows itself converts them.
constexpr bool is_undefined_byte(char16_t c)
{
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

char encode_bmp(char16_t c)
{
    if (c < 0x80 || c >= 0xA0) {
        if (c <= 0xFF)
            return static_cast<char>(c);
        for (const Mapping& mapping : beyond_latin_1)
            if (mapping.code_point == c)
                return static_cast<char>(mapping.byte);
        return substitute;
    }
    return is_undefined_byte(c) ? static_cast<char>(c) : substitute;
}

// Sheets are nearly all ASCII: a run of it is copied a block of sixteen
// characters at a time, with vector instructions where there are some.
constexpr std::ptrdiff_t ascii_block = 16;

#if defined(__SSE2__)

// Copies the block and returns true when all sixteen are ASCII; otherwise
// writes nothing that the caller keeps.
bool copy_ascii_block(const char16_t* in, char* out)
{
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 8));
    const __m128i beyond_ascii = _mm_set1_epi16(static_cast<short>(0xFF80));
    const __m128i beyond = _mm_and_si128(_mm_or_si128(low, high), beyond_ascii);
    if (_mm_movemask_epi8(_mm_cmpeq_epi8(beyond, _mm_setzero_si128())) != 0xFFFF)
        return false;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(low, high));
    return true;
}

#else

bool copy_ascii_block(const char16_t* in, char* out)
{
    char16_t bits = 0;
    for (std::ptrdiff_t i = 0; i < ascii_block; ++i)
        bits |= in[i];
    if (bits >= 0x80)
        return false;
    for (std::ptrdiff_t i = 0; i < ascii_block; ++i)
        out[i] = static_cast<char>(in[i]);
    return true;
}

#endif

}  // namespace

QByteArray encode_windows_1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    const char16_t* in = text.utf16();
    const char16_t* const end = in + text.size();
    while (in != end) {
        if (end - in >= ascii_block && copy_ascii_block(in, out)) {
            in += ascii_block;
            out += ascii_block;
            continue;
        }
        const char16_t c = *in++;
        if (c < 0x80) {
            *out++ = static_cast<char>(c);
        } else if (QChar::isHighSurrogate(c) && in != end && QChar::isLowSurrogate(*in)) {
            ++in;  // one character beyond the BMP, one substitute
            *out++ = substitute;
        } else if (QChar::isSurrogate(c)) {
            *out++ = substitute;
        } else {
            *out++ = encode_bmp(c);
        }
    }
    bytes.truncate(out - bytes.data());
    return bytes;
}

}  // namespace relwiz
