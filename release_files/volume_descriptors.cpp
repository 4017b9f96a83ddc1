#include "volume_descriptors.h"

#include "regular_file.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace relwiz::release_files {

namespace {

constexpr char primary_type = 1;
constexpr char supplementary_type = 2;
constexpr char terminator_type = static_cast<char>(255);
constexpr std::string_view standard_identifier = "CD001";
constexpr std::string_view joliet_escapes[] = {"%/@", "%/C", "%/E"};  // UCS-2 levels 1, 2 and 3

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
std::string utf8_without_filling(std::u32string text)
{
    while (!text.empty() && (text.back() == U' ' || text.back() == U'\0'))
        text.pop_back();
    std::string utf8;
    for (const char32_t c : text) {  // at most U+FFFF, so three bytes at most
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | c >> 6);
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | c >> 12);
            utf8 += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

}  // namespace

std::optional<std::string> volume_label_of(std::string_view descriptors)
{
    std::optional<std::string> primary_label;
    for (int i = 0; i < max_descriptors && descriptors.size() >= descriptor_size; ++i) {
        const std::string_view descriptor = descriptors.substr(0, descriptor_size);
        descriptors.remove_prefix(descriptor_size);
        if (ends_the_set(descriptor))
            break;
        if (is_joliet(descriptor))
            return utf8_without_filling(from_ucs2(volume_identifier(descriptor)));
        if (descriptor[0] == primary_type && !primary_label)
            primary_label = utf8_without_filling(from_latin1(volume_identifier(descriptor)));
    }
    return primary_label;
}

std::optional<std::string> read_volume_label(RegularFile& image, SectorLayout layout)
{
    if (!layout.has_file_system)
        return std::nullopt;
    std::string descriptors;
    std::array<char, descriptor_size> sector{};
    for (std::uint64_t n = first_descriptor_sector; n < first_descriptor_sector + max_descriptors; ++n) {
        if (image.read_at(n * layout.sector_size + layout.data_offset, sector) < sector.size())
            break;
        descriptors.append(sector.data(), sector.size());
        if (ends_the_set({sector.data(), sector.size()}))
            break;
    }
    return volume_label_of(descriptors);
}

}  // namespace relwiz::release_files
