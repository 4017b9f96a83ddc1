// Read as cdrdao's manual ("TOC FILES") describes the format, with the
// "#offset" of the files `cdrdao read-cd` writes.
#include "toc_sheet.h"

#include "ascii_case.h"
#include "refusals.h"
#include "sheet_files.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

namespace relwiz::release_files {

namespace fs = std::filesystem;

namespace {

struct TocMode {
    std::string_view name;
    SectorLayout layout;
};

// Each mode's block as cdrdao reads it from a file.
constexpr TocMode toc_modes[] = {
    {"AUDIO", {2352, 0, false}},      {"MODE0", {2336, 0, false}},          {"MODE1", {2048, 0, true}},
    {"MODE1_RAW", {2352, 16, true}},  {"MODE2", {2336, 8, true}},           {"MODE2_FORM1", {2048, 0, true}},
    {"MODE2_FORM2", {2324, 0, false}}, {"MODE2_FORM_MIX", {2336, 8, true}}, {"MODE2_RAW", {2352, 24, true}},
};
constexpr std::uint32_t sub_channel_size = 96;
constexpr std::uint64_t sample_size = 4;  // 16-bit stereo

struct Token {
    std::string text;
    bool quoted = false;
    int line = 1;
};

// Words, quoted strings (with \" and \\ inside) and braces, without comments.
std::vector<Token> tokens_of(std::string_view text)
{
    std::vector<Token> tokens;
    int line = 1;
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (c == '\n')
            ++line;
        if (c == '\n' || c == ' ' || c == '\t' || c == '\r') {
            ++at;
        } else if (text.substr(at, 2) == "//") {
            at = std::min(text.find('\n', at), text.size());
        } else if (c == '"') {
            Token token{{}, true, line};
            for (++at; at < text.size() && text[at] != '"' && text[at] != '\n'; ++at)
                token.text += text[at] == '\\' && at + 1 < text.size() ? text[++at] : text[at];
            tokens.push_back(std::move(token));
            ++at;
        } else if (c == '{' || c == '}') {
            tokens.push_back({std::string(1, c), false, line});
            ++at;
        } else {
            const std::size_t end = std::min(text.find_first_of(" \t\r\n\"{}", at), text.size());
            tokens.push_back({std::string(text.substr(at, end - at)), false, line});
            at = end;
        }
    }
    return tokens;
}

std::optional<std::uint64_t> digits_of(std::string_view text)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// A start or length in bytes: "MM:SS:FF" blocks, or a number of samples (audio) or bytes (data).
std::optional<std::uint64_t> bytes_of(std::string_view text, const SectorLayout& layout)
{
    const std::size_t first = text.find(':');
    const std::size_t second = text.find(':', first + 1);
    if (first == std::string_view::npos) {
        const std::optional<std::uint64_t> number = digits_of(text);
        return number ? *number * (layout.has_file_system ? 1 : sample_size) : number;
    }
    const auto minutes = digits_of(text.substr(0, first));
    const auto seconds = second == std::string_view::npos ? std::nullopt : digits_of(text.substr(first + 1, second - first - 1));
    const auto frames = second == std::string_view::npos ? std::nullopt : digits_of(text.substr(second + 1));
    if (!minutes || !seconds || !frames || *seconds >= 60 || *frames >= 75 || *minutes > 1'000'000)
        return std::nullopt;
    return ((*minutes * 60 + *seconds) * 75 + *frames) * layout.sector_size;
}

bool is_word(const Token& token, std::string_view word)
{
    return !token.quoted && equals_ignoring_case(token.text, word);
}

bool is_number(const Token& token)
{
    return !token.quoted && !token.text.empty() && token.text.find_first_not_of("0123456789:") == std::string::npos;
}

}  // namespace

Outcome<ImageSource> toc_image_of(std::string_view text, const fs::path& toc)
{
    const std::string name = toc.filename().string();
    const std::vector<Token> tokens = tokens_of(text);
    ImageSource source{{}, toc, ImageKind::other, {}, {}, std::nullopt};
    std::optional<SectorLayout> layout;  // of the current track
    int track = 0;
    int depth = 0;  // of CD-TEXT braces
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        const auto next_is = [&](auto test) { return i + 1 < tokens.size() && test(tokens[i + 1]); };
        depth += is_word(token, "{") ? 1 : is_word(token, "}") && depth > 0 ? -1 : 0;
        if (depth > 0)
            continue;
        if (is_word(token, "TRACK")) {
            ++track;
            const auto mode = std::ranges::find_if(
                toc_modes, [&](const TocMode& known) { return next_is([&](const Token& t) { return is_word(t, known.name); }); });
            if (mode == std::end(toc_modes))
                return unknown_track_mode(name, track);
            layout = mode->layout;
            ++i;
            if (next_is([](const Token& t) { return is_word(t, "RW") || is_word(t, "RW_RAW"); })) {
                layout->sector_size += sub_channel_size;
                ++i;
            }
            continue;
        }
        const bool data_file = is_word(token, "DATAFILE");
        if (!data_file && !is_word(token, "FILE") && !is_word(token, "AUDIOFILE"))
            continue;
        if (!layout || !next_is([](const Token& t) { return t.quoted && !t.text.empty(); }))
            return sheet_line_unreadable(name, token.line);
        const fs::path file = tokens[++i].text;
        std::uint64_t offset = 0;
        if (next_is([](const Token& t) { return !t.quoted && t.text.starts_with('#'); })) {
            const std::optional<std::uint64_t> bytes = digits_of(std::string_view(tokens[++i].text).substr(1));
            if (!bytes)
                return sheet_line_unreadable(name, token.line);
            offset = *bytes;
        }
        if (!data_file) {
            const std::optional<std::uint64_t> start = next_is(is_number) ? bytes_of(tokens[++i].text, *layout) : std::nullopt;
            if (!start || *start > ~offset)
                return sheet_line_unreadable(name, token.line);
            offset += *start;
        }
        std::optional<std::uint64_t> length;
        if (next_is(is_number) && !(length = bytes_of(tokens[++i].text, *layout)))
            return sheet_line_unreadable(name, token.line);
        const bool to_the_end = !length || *length == 0;
        source.tracks.push_back({track, file, offset, to_the_end ? std::nullopt : std::optional(*length / layout->sector_size), layout});
        if (std::ranges::find(source.sized_files, file) == source.sized_files.end())
            source.sized_files.push_back(file);
    }
    if (source.tracks.empty())
        return cue_names_no_image(name);
    source.label_track = first_data_track(source.tracks);
    return source;
}

Outcome<ImageSource> read_toc_image(const fs::path& toc)
{
    return read_sheet_image(toc, toc_image_of);
}

}  // namespace relwiz::release_files
