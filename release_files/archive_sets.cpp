#include "archive_sets.h"

#include "archive_ends.h"
#include "ascii_case.h"
#include "refusals.h"
#include "regular_file.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <optional>
#include <utility>

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
    bool plain_part_last;        // the archiver writes the plain part after the lettered ones
};

constexpr LetteredScheme lettered_schemes[] = {
    {".rar", "rar", "rs", 0, false},
    {".zip", "zip", "z", 1, true},
    {".ace", "ace", "c", 0, false},
    {".arj", "arj", "a", 1, false},
    {".7z", "7z", "", 0, false},  // a plain part only; 7-Zip numbers its volumes name.7z.001 on
};

// The archivers that cut every volume but the last at the one size asked for.
constexpr std::string_view formats_of_equal_parts[] = {".rar", ".7z"};

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

// Past its table's letters a scheme goes on through the alphabet, as RAR's
// .s00 follows .r99, and past "z" with more digits, as Info-ZIP's .z100
// follows .z99. Only names of parts a set holds, and the one after its last,
// are spelled, so a scheme without letters is never asked past its plain part.
std::string lettered_extension(const LetteredScheme& lettered, std::uint64_t index)
{
    if (index == 0)
        return std::string(".").append(lettered.first_extension);
    const std::uint64_t number = index - 1 + lettered.first_number;
    const std::uint64_t letter = number / 100;
    if (letter < lettered.letters.size())
        return std::string{'.', lettered.letters[letter]}.append(padded(number % 100, 2));
    const std::uint64_t onwards = lettered.letters.back() + (letter - lettered.letters.size() + 1);
    if (onwards <= 'z')
        return std::string{'.', static_cast<char>(onwards)}.append(padded(number % 100, 2));
    return std::string{'.', lettered.letters.back()}.append(std::to_string(number));
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
    std::string extension = like.scheme < lettered_count
                              ? lettered_extension(lettered_schemes[like.scheme], index)
                              : counted_extension(counted_schemes[like.scheme - lettered_count], index, like.digits);
    if (like.capitals)
        std::ranges::transform(extension, extension.begin(), ascii_upper);
    return like.stem + extension;
}

bool has_equal_parts(std::string_view format)
{
    return std::ranges::find(formats_of_equal_parts, format) != std::end(formats_of_equal_parts);
}

bool plain_part_last(int scheme)
{
    return scheme < lettered_count && lettered_schemes[scheme].plain_part_last;
}

struct Part {
    PartName name;
    PartFile* file;
    std::string file_name;
};

// Why parts, sorted by their places, are not one set holding every place from the first to the last.
std::optional<Refusal> not_one_whole_set(const std::vector<Part>& parts, const Part& model)
{
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Part& part = parts[i];
        if (part.name.stem != model.name.stem
            || !equals_ignoring_case(part.file_name, spell_part_name(model.name, part.name.index)))
            return two_archive_sets(model.file_name, part.file_name);
        if (i > 0 && part.name.index == parts[i - 1].name.index)
            return two_archive_sets(parts[i - 1].file_name, part.file_name);
    }
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (parts[i].name.index != i)
            return missing_part(spell_part_name(model.name, i));
    return std::nullopt;
}

// set with the parts, given in the archiver's order, and their sizes; refused when
// the format cuts its parts at one size and a part before the last differs from the first.
Outcome<ArchiveSet> sized_in_order(const std::vector<Part>& parts, ArchiveSet set)
{
    const Part& first = parts.front();
    for (const Part& part : parts) {
        if (has_equal_parts(set.format) && &part != &parts.back() && part.file->size != first.file->size)
            return part_size_differs(part.file_name, part.file->size, first.file_name, first.file->size);
        set.part_files.push_back(std::move(part.file->path));
        set.largest_part = std::max(set.largest_part, part.file->size);
        set.total_size += part.file->size;
    }
    return set;
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
        patterns.push_back(std::string("*.").append(lettered.first_extension));
        for (const char letter : lettered.letters)
            patterns.push_back(std::string("*.") + letter + "[0-9][0-9]");
    }
    for (const CountedScheme& counted : counted_schemes)
        patterns.push_back(std::string("*").append(counted.before_number).append("[0-9]*").append(counted.after_number));
    return patterns;
}

Outcome<ArchiveSet> archive_set_of(std::vector<PartFile> files)
{
    std::vector<Part> parts;
    for (PartFile& file : files) {
        std::string file_name = file.path.filename().string();
        if (std::optional<PartName> name = parse_part_name(file_name))
            parts.push_back({std::move(*name), &file, std::move(file_name)});
    }
    if (parts.empty())
        return no_archive_parts();
    std::ranges::stable_sort(parts, {}, [](const Part& part) { return part.name.index; });
    // The narrowest number shows how the set pads its numbers: "part1" and "part01" are two sets.
    const Part& model = *std::ranges::min_element(parts, {}, [](const Part& part) { return part.name.digits; });
    if (std::optional<Refusal> refusal = not_one_whole_set(parts, model))
        return *std::move(refusal);
    ArchiveSet set{std::string(format_of(model.name.scheme)), model.name.stem, {}, parts.size(), 0, 0};
    if (plain_part_last(model.name.scheme))  // model is not looked at again: it moves with the parts
        std::rotate(parts.begin(), parts.begin() + 1, parts.end());
    return sized_in_order(parts, std::move(set));
}

Outcome<ArchiveSet> read_archive_set(std::vector<std::filesystem::path> parts)
{
    std::vector<PartFile> files;
    files.reserve(parts.size());
    for (std::filesystem::path& path : parts) {
        const RegularFileStatus status = regular_file_status(path);
        if (status.problem)
            return cannot_read(path.filename().string(), status.problem.reason());
        files.push_back({std::move(path), status.size});
    }
    Outcome<ArchiveSet> set = archive_set_of(std::move(files));
    if (!set)
        return set;
    const std::string last = set->part_files.back().filename().string();
    const Outcome<LastPartSays> says = read_last_part(set->format, set->part_files.back());
    if (!says)
        return says.refusal();
    // The next place in the set, as the archiver would name it: after the last RAR or ARJ volume, the .zip's z-part.
    const auto next_part = [&] { return spell_part_name(*parse_part_name(last), set->parts); };
    if (says->goes_on == true)
        return next_part_said_to_follow(next_part(), last);
    if (says->parts_in_set > set->parts)
        return zip_part_missing(next_part(), last, *says->parts_in_set);
    return set;
}

}  // namespace relwiz::release_files
