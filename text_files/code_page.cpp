#include "code_page.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace relwiz {
namespace {

constexpr char substitute = '?';

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

CodePage::CodePage(const std::array<char16_t, 256>& characters,
                   std::initializer_list<std::pair<char16_t, std::uint8_t>> aliases)
    : characters_(characters)
    , by_character_(aliases)
{
    // Below 0x80 byte_of() answers itself; a picture drawn for a control byte
    // still needs its entry.
    for (std::size_t byte = 0; byte < characters.size(); ++byte)
        if (byte >= 0x80 || characters[byte] >= 0x80)
            by_character_.emplace_back(characters[byte], static_cast<std::uint8_t>(byte));
    std::sort(by_character_.begin(), by_character_.end());
}

int CodePage::byte_of(char16_t c) const
{
    if (c < 0x80)
        return c;
    const auto found = std::lower_bound(by_character_.begin(), by_character_.end(), std::pair(c, std::uint8_t(0)));
    return found != by_character_.end() && found->first == c ? found->second : -1;
}

EncodedText CodePage::encode(QStringView text) const
{
    EncodedText encoded;
    encoded.bytes.resize(text.size());
    char* out = encoded.bytes.data();
    const char16_t* const begin = text.utf16();
    const char16_t* const end = begin + text.size();
    for (const char16_t* in = begin; in != end;) {
        if (end - in >= ascii_block && copy_ascii_block(in, out)) {
            in += ascii_block;
            out += ascii_block;
            continue;
        }
        const char16_t* const character = in++;
        int byte = QChar::isSurrogate(*character) ? -1 : byte_of(*character);
        if (byte < 0) {
            if (QChar::isHighSurrogate(*character) && in != end && QChar::isLowSurrogate(*in))
                ++in;  // one character beyond the BMP, one substitute
            if (encoded.unencodable++ == 0)
                encoded.first_unencodable = character - begin;
            byte = substitute;
        }
        *out++ = static_cast<char>(byte);
    }
    encoded.bytes.truncate(out - encoded.bytes.data());
    return encoded;
}

QString CodePage::decode(QByteArrayView bytes) const
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes)
        *out++ = characters_[static_cast<unsigned char>(byte)];
    return text;
}

}  // namespace relwiz
