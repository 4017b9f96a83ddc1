#include "archive_sets.h"

#include "ascii_case.h"
#include "refusals.h"
#include "regular_file.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <optional>

namespace relwiz::release_files {

namespace {

// What a part's name says: the set it belongs to and its place there.
struct PartName {
    std::string stem;          // "game" in "game.r00" and in "game.part01.rar"
    int scheme = 0;            // which naming scheme; the parts of a set share it
    std::uint64_t index = 0;   // place in the set, from 0: "game.rar" is 0, "game.r00" is 1
    std::size_t digits = 0;    // how wide the number is written, leading zeros included
    bool capitals = false;     // the extension is written in capitals
};

// One part with a plain extension at index 0, then a letter and two digits,
// a hundred parts to each letter in turn.
struct LetteredScheme {
    std::string_view format;
    std::string_view first_extension;
    std::string_view letters;
    std::uint64_t first_number;  // of the lettered parts: "r00" but "z01"
};

constexpr LetteredScheme lettered_schemes[] = {
    {".rar", "rar", "rs", 0},
    {".zip", "zip", "z", 1},
    {".ace", "ace", "c", 0},
    {".arj", "arj", "a", 1},
};

// Every part numbered from 1, to any width.
struct CountedScheme {
    std::string_view format;
    std::string_view before_number;
    std::string_view after_number;
};

constexpr CountedScheme counted_schemes[] = {
    {".rar", ".part", ".rar"},
    {".7z", ".7z.", ""},
};

// Schemes are numbered lettered first, then counted.
constexpr int lettered_count = static_cast<int>(std::size(lettered_schemes));
constexpr int scheme_count = lettered_count + static_cast<int>(std::size(counted_schemes));

constexpr std::size_t max_digits = 9;  // keeps a number in range however long a name is

std::optional<std::uint64_t> number_of(std::string_view digits)
{
    std::uint64_t number = 0;
    if (digits.empty() || digits.size() > max_digits
        || std::from_chars(digits.data(), digits.data() + digits.size(), number).ptr != digits.data() + digits.size())
        return std::nullopt;
    return number;
}

bool has_capitals(std::string_view text)
{
    return std::ranges::any_of(text, [](char c) { return c >= 'A' && c <= 'Z'; });
}

// "game.part07.rar": stem "game", number 7 written with two digits.
std::optional<PartName> parse_counted(std::string_view name, int scheme)
{
    const CountedScheme& counted = counted_schemes[scheme - lettered_count];
    if (!ends_with_ignoring_case(name, counted.after_number))
        return std::nullopt;
    const std::string_view body = name.substr(0, name.size() - counted.after_number.size());
    const std::size_t digits_at = body.find_last_not_of("0123456789") + 1;
    const std::optional<std::uint64_t> number = number_of(body.substr(digits_at));
    const std::string_view before = body.substr(0, digits_at);
    if (!number || *number == 0 || !ends_with_ignoring_case(before, counted.before_number)
        || before.size() == counted.before_number.size())
        return std::nullopt;
    const std::size_t stem_size = before.size() - counted.before_number.size();
    return PartName{std::string(name.substr(0, stem_size)), scheme, *number - 1, body.size() - digits_at,
                    has_capitals(name.substr(stem_size))};
}

// "game.rar" is index 0, "game.r00" index 1, "game.s00" index 101.
std::optional<PartName> parse_lettered(std::string_view name, int scheme)
{
    const LetteredScheme& lettered = lettered_schemes[scheme];
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return std::nullopt;
    const std::string_view extension = name.substr(dot + 1);
    PartName part{std::string(name.substr(0, dot)), scheme, 0, 2, has_capitals(extension)};
    if (equals_ignoring_case(extension, lettered.first_extension))
        return part;
    if (extension.size() != 3)
        return std::nullopt;
    const std::size_t letter = lettered.letters.find(ascii_lower(extension[0]));
    const std::optional<std::uint64_t> number = number_of(extension.substr(1));
    if (letter == std::string_view::npos || !number || *number < lettered.first_number)
        return std::nullopt;
    part.index = 1 + letter * 100 + *number - lettered.first_number;
    return part;
}

std::string_view format_of(int scheme)
{
    return scheme < lettered_count ? lettered_schemes[scheme].format
                                   : counted_schemes[scheme - lettered_count].format;
}

std::string padded(std::uint64_t number, std::size_t digits)
{
    const std::string text = std::to_string(number);
    return std::string(digits > text.size() ? digits - text.size() : 0, '0').append(text);
}

std::string lettered_extension(const LetteredScheme& lettered, std::uint64_t index)
{
    if (index == 0)
        return std::string(".").append(lettered.first_extension);
    const std::uint64_t number = index - 1 + lettered.first_number;
    return std::string{'.', lettered.letters[number / 100]}.append(padded(number % 100, 2));
}

std::string counted_extension(const CountedScheme& counted, std::uint64_t index, std::size_t digits)
{
    return std::string(counted.before_number).append(padded(index + 1, digits)).append(counted.after_number);
}

std::optional<PartName> parse_part_name(std::string_view file_name)
{
    // Counted first: "game.part1.rar" would otherwise pass as the lone "game.part1" .rar.
    for (int scheme = lettered_count; scheme < scheme_count; ++scheme)
        if (auto part = parse_counted(file_name, scheme))
            return part;
    for (int scheme = 0; scheme < lettered_count; ++scheme)
        if (auto part = parse_lettered(file_name, scheme))
            return part;
    return std::nullopt;
}

// The name of the part at index in like's set, spelled as like is.
std::string spell_part_name(const PartName& like, std::uint64_t index)
{
    // Only ever asked for a place below one a part holds, so a lettered scheme has a letter for it.
    std::string extension = like.scheme < lettered_count
                              ? lettered_extension(lettered_schemes[like.scheme], index)
                              : counted_extension(counted_schemes[like.scheme - lettered_count], index, like.digits);
    if (like.capitals)
        std::ranges::transform(extension, extension.begin(), ascii_upper);
    return like.stem + extension;
}

}  // namespace

bool is_archive_part_name(std::string_view file_name)
{
    return parse_part_name(file_name).has_value();
}

std::vector<std::string> archive_part_patterns()
{
    std::vector<std::string> patterns;
    for (const LetteredScheme& lettered : lettered_schemes) {
        patterns.push_back("*." + std::string(lettered.first_extension));
        for (const char letter : lettered.letters)
            patterns.push_back(std::string("*.") + letter + "[0-9][0-9]");
    }
    for (const CountedScheme& counted : counted_schemes)
        patterns.push_back("*" + std::string(counted.before_number) + "[0-9]*" + std::string(counted.after_number));
    return patterns;
}

OrRefusal<ArchiveSet> archive_set_of(std::span<const PartFile> files)
{
    struct Part {
        PartName name;
        const PartFile* file;
    };
    std::vector<Part> parts;
    for (const PartFile& file : files)
        if (std::optional<PartName> name = parse_part_name(file.file_name))
            parts.push_back({std::move(*name), &file});
    if (parts.empty())
        return ArchiveSet{};
    std::ranges::stable_sort(parts, {}, [](const Part& part) { return part.name.index; });

    // The narrowest number shows how the set pads its numbers: "part1" and "part01" are two sets.
    const Part& model = *std::ranges::min_element(parts, {}, [](const Part& part) { return part.name.digits; });
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Part& part = parts[i];
        if (part.name.stem != model.name.stem
            || !equals_ignoring_case(part.file->file_name, spell_part_name(model.name, part.name.index)))
            return two_archive_sets(model.file->file_name, part.file->file_name);
        if (i > 0 && part.name.index == parts[i - 1].name.index)
            return two_archive_sets(parts[i - 1].file->file_name, part.file->file_name);
    }
    ArchiveSet set{std::string(format_of(model.name.scheme)), parts.size(), 0, 0};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].name.index != i)
            return missing_part(spell_part_name(model.name, i));
        set.largest_part = std::max(set.largest_part, parts[i].file->size);
        set.total_size += parts[i].file->size;
    }
    return set;
}

OrRefusal<ArchiveSet> read_archive_set(const std::vector<std::filesystem::path>& parts)
{
    std::vector<PartFile> files;
    for (const std::filesystem::path& path : parts) {
        const RegularFileStatus status = regular_file_status(path);
        if (status.problem)
            return cannot_read(path.filename().string(), status.problem.reason());
        files.push_back({path.filename().string(), status.size});
    }
    return archive_set_of(files);
}

}  // namespace relwiz::release_files
