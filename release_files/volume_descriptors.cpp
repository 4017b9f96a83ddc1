#include "volume_descriptors.h"


#include <algorithm>
#include <array>
#include <iterator>

namespace relwiz::release_files {

namespace {

constexpr char primary_type = 1;
constexpr char supplementary_type = 2;
constexpr char terminator_type = static_cast<char>(255);
constexpr std::string_view joliet_escapes[] = {"%/@", "%/C", "%/E"};  // UCS-2 levels 1, 2 and 3
constexpr std::size_t joliet_characters = 16;                         // 32 bytes of UCS-2

// Anything that is not a descriptor ends the set as surely as the terminator does.
bool ends_the_set(std::string_view descriptor)
{
    return descriptor.substr(1, 5) != standard_identifier || descriptor[0] == terminator_type;
}

bool is_joliet(std::string_view descriptor)
{
    return descriptor[0] == supplementary_type
        && std::ranges::find(joliet_escapes, descriptor.substr(88, 3)) != std::end(joliet_escapes);
}

std::string_view volume_identifier(std::string_view descriptor)
{
    return descriptor.substr(40, 32);
}

std::u32string from_latin1(std::string_view bytes)
{
    std::u32string text;
    for (const char byte : bytes)
        text += static_cast<unsigned char>(byte);
    return text;
}

// The characters of bytes when they are well-formed UTF-8 (no overlong
// forms, no surrogates), else none.
std::optional<std::u32string> from_utf8(std::string_view bytes)
{
    constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};  // below these, a longer form is overlong
    std::u32string text;
    for (std::size_t at = 0; at < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[at++]);
        const int more = lead < 0x80 ? 0 : lead < 0xC2 ? -1 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : lead < 0xF5 ? 3 : -1;
        if (more < 0 || bytes.size() - at < static_cast<std::size_t>(more))
            return std::nullopt;
        char32_t c = more == 0 ? lead : lead & (0x3F >> more);
        for (int i = 0; i < more; ++i) {
            const auto next = static_cast<unsigned char>(bytes[at++]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = c << 6 | (next & 0x3F);
        }
        if (c < smallest[more] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            return std::nullopt;
        text += c;
    }
    return text;
}

std::u32string from_ucs2(std::string_view bytes)
{
    std::u32string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char32_t unit = static_cast<unsigned char>(bytes[i]) << 8 | static_cast<unsigned char>(bytes[i + 1]);
        const bool surrogate = unit >= 0xD800 && unit <= 0xDFFF;  // not UCS-2; kept out of the UTF-8
        text += surrogate ? U'\uFFFD' : unit;
    }
    return text;
}

// Identifiers are filled with blanks, or with NULs by some mastering tools.
std::u32string without_filling(std::u32string text)
{
    while (!text.empty() && (text.back() == U' ' || text.back() == U'\0'))
        text.pop_back();
    return text;
}

std::string to_utf8(const std::u32string& text)
{
    std::string utf8;
    for (const char32_t c : text) {
        const int more = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        constexpr unsigned char leads[] = {0x00, 0xC0, 0xE0, 0xF0};
        utf8 += static_cast<char>(leads[more] | c >> (6 * more));
        for (int shift = 6 * (more - 1); shift >= 0; shift -= 6)
            utf8 += static_cast<char>(0x80 | (c >> shift & 0x3F));
    }
    return utf8;
}

// Letter case, as far as labels need it: ASCII and the Latin-1 letters.
char32_t folded(char32_t c)
{
    const bool upper = (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
    return upper ? c + 0x20 : c;
}

// Joliet's label, unless its field is full (its 16th character not a NUL,
// a blank counting) and the primary label goes on beyond it: then the tool
// cut the Joliet label at 16 and the primary one holds it whole.
std::u32string chosen_label(const std::u32string& primary, const std::u32string& joliet_field)
{
    const std::u32string joliet = without_filling(joliet_field);
    if (joliet.empty())
        return primary;
    const bool full = joliet_field.size() == joliet_characters && joliet_field.back() != U'\0';
    const bool goes_on = primary.size() > joliet.size()
                      && std::ranges::equal(joliet, primary.substr(0, joliet.size()), {}, folded, folded);
    return full && goes_on ? primary : joliet;
}

}  // namespace

std::optional<std::string> volume_label_of(std::string_view descriptors)
{
    std::optional<std::u32string> primary;
    std::optional<std::u32string> joliet_field;
    for (int i = 0; i < max_descriptors && descriptors.size() >= descriptor_size; ++i) {
        const std::string_view descriptor = descriptors.substr(0, descriptor_size);
        descriptors.remove_prefix(descriptor_size);
        if (ends_the_set(descriptor))
            break;
        const std::string_view identifier = volume_identifier(descriptor);
        if (is_joliet(descriptor) && !joliet_field)
            joliet_field = from_ucs2(identifier);
        else if (descriptor[0] == primary_type && !primary)  // UTF-8 when it is that, which ASCII also is
            primary = without_filling(from_utf8(identifier).value_or(from_latin1(identifier)));
    }
    const std::u32string label = chosen_label(primary.value_or(U""), joliet_field.value_or(U""));
    if (label.empty())
        return std::nullopt;
    return to_utf8(label);
}

std::optional<std::string> read_volume_label(ByteSource& image, std::uint64_t track_start, SectorLayout layout)
{
    if (!layout.has_file_system)
        return std::nullopt;
    std::string descriptors;
    std::array<char, descriptor_size> sector{};
    for (std::uint64_t n = first_descriptor_sector; n < first_descriptor_sector + max_descriptors; ++n) {
        if (image.read_at(track_start + n * layout.sector_size + layout.data_offset, sector) < sector.size())
            break;
        descriptors.append(sector.data(), sector.size());
        if (ends_the_set({sector.data(), sector.size()}))
            break;
    }
    return volume_label_of(descriptors);
}

}  // namespace relwiz::release_files
