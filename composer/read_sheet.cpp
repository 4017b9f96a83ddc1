// A sheet read back in the order the composer writes it. Each step takes the
// line it expects and says whether it did; the first that cannot keeps the
// number of that line and what it expected, and every step after it stops.
// Messages are built only then.
#include "read_sheet.h"

#include "compose_sheet.h"
#include "sheet_layout.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

namespace relwiz {
namespace {

using namespace sheet_lines;

constexpr std::size_t none = std::string_view::npos;

constexpr std::string_view without_trailing_blanks(std::string_view text)
{
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(0, last == none ? 0 : last + 1);
}

// What follows `literal` on `line`. A literal whose trailing blanks an editor
// stripped still counts when nothing follows it: its value is empty.
std::optional<std::string_view> after(std::string_view line, std::string_view literal)
{
    if (line.starts_with(literal))
        return line.substr(literal.size());
    if (line == without_trailing_blanks(literal))
        return std::string_view{};
    return std::nullopt;
}

// Whether `line` starts with the first `length` characters of `label`. Every
// label is label_width characters, and a length known when compiling lets
// the comparison be made in place, without a call.
bool starts_with(std::string_view line, Label label, std::size_t length = label_width)
{
    return line.size() >= length && std::memcmp(line.data(), label.text().data(), length) == 0;
}

// after() for a label, whose only trailing blank is its last character.
std::optional<std::string_view> after(std::string_view line, Label label)
{
    if (starts_with(line, label))
        return line.substr(label_width);
    if (line.size() == label_width - 1 && starts_with(line, label, label_width - 1))
        return std::string_view{};
    return std::nullopt;
}

// Removes one line end, CR LF or a lone LF, from the end of `text`.
bool cut_line_end(std::string_view& text)
{
    if (!text.ends_with('\n'))
        return false;
    text.remove_suffix(text.ends_with("\r\n") ? 2 : 1);
    return true;
}

// 79 copies of one character. Rules and title lines are most of a sheet's
// bytes, and comparing with a run goes many characters at a time.
template <char c>
constexpr std::array<char, rule_width> run_of = [] {
    std::array<char, rule_width> run{};
    run.fill(c);
    return run;
}();

template <char c>
bool consists_of(std::string_view text)
{
    const std::string_view run(run_of<c>.data(), rule_width);
    for (; text.size() > rule_width; text.remove_prefix(rule_width))
        if (!text.starts_with(run))
            return false;
    return run.starts_with(text);
}

template <char rule_char>
bool is_rule(std::string_view line)
{
    return line.size() == rule_width && std::memcmp(line.data(), run_of<rule_char>.data(), rule_width) == 0;
}

// The title, then any number of blanks: none when an editor stripped them.
bool is_title_line(std::string_view line, std::string_view title)
{
    return line.starts_with(title) && consists_of<' '>(line.substr(title.size()));
}

// The footer names this program; what follows is the download address, which
// older versions gave differently.
constexpr std::string_view credit_start = credit_line.substr(0, credit_line.find(" at ") + 4);

bool is_credit_line(std::string_view line)
{
    return line.starts_with(credit_start);
}

// The words of a label literal, as a user would name the line: "Disc type".
std::string_view words(std::string_view label)
{
    return label.substr(0, label.find_last_not_of(".: ") + 1);
}

std::string quoted_choices(std::span<const std::string_view> answers)
{
    std::string list;
    for (std::size_t i = 0; i < answers.size(); ++i)
        list.append(i == 0 ? "\"" : i + 1 < answers.size() ? ", \"" : " or \"").append(answers[i]) += '"';
    return list;
}

// The lines of the text, each without its line end. A line ends at CR LF or at
// a lone LF, line by line; the text's last line may have no line end.
class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) { find_end(); }

    // The line the cursor stands on. Once the text is used up, a line no text
    // holds (lines hold no LF), so that every step expecting a line refuses it.
    std::string_view current() const
    {
        return start_ == text_.size() ? "\n" : text_.substr(start_, end_ - start_);
    }
    bool at_end() const { return start_ == text_.size(); }
    int number() const { return number_; }
    std::size_t start() const { return start_; }

    void advance()
    {
        start_ = next_;
        ++number_;
        find_end();
    }

    // The number of the line that starts at byte `at`, at or after the cursor.
    int number_at(std::size_t at) const
    {
        return number_ + int(std::count(text_.begin() + std::ptrdiff_t(start_), text_.begin() + std::ptrdiff_t(at), '\n'));
    }

private:
    void find_end()
    {
        const std::size_t lf = text_.find('\n', start_);
        next_ = lf == none ? text_.size() : lf + 1;
        end_ = lf == none ? text_.size() : lf > start_ && text_[lf - 1] == '\r' ? lf - 1 : lf;
    }

    std::string_view text_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
    std::size_t next_ = 0;
    int number_ = 1;
};

// Where the credit footer starts when the text ends with one: its first dash
// rule, the credit line, the closing rule and at most one line end after it.
std::optional<std::size_t> footer_start(std::string_view text)
{
    cut_line_end(text);
    std::size_t start = 0;
    for (int from_bottom = 0; from_bottom < 3; ++from_bottom) {
        const std::size_t lf = text.rfind('\n');
        start = lf == none ? 0 : lf + 1;
        const std::string_view line = text.substr(start);
        if (from_bottom == 1 ? !is_credit_line(line) : !is_rule<dash>(line))
            return std::nullopt;
        if (from_bottom < 2) {
            if (lf == none)
                return std::nullopt;
            text = text.substr(0, lf + 1);
            cut_line_end(text);
        }
    }
    return start;
}

using namespace sheet_layout;

// The words every repost line starts with, whatever its answer.
std::string_view repost_label()
{
    return repost_yes.substr(0, label_width - 1);
}

// The answers a choice's lines give, after their label, for a message.
std::string quoted_answers(std::span<const std::string_view> lines)
{
    std::vector<std::string_view> answers;
    for (const std::string_view line : lines.subspan(1))
        answers.push_back(line.substr(label_width));
    return quoted_choices(answers);
}

// Reads into a record it is given, so that the record is built where the
// caller keeps it and never moved. Every step returns false once the text
// stops being a sheet, and mismatch() then says where.
class SheetReader {
public:
    SheetReader(std::string_view text, ReleaseSheet& sheet) : text_(text), lines_(text), sheet_(sheet) {}

    bool read()
    {
        if (!read_banner() || !read_general_information() || !read_post_information())
            return false;
        for (int number = 1; number <= sheet_.disc_count; ++number)
            if (!read_disc(number, sheet_.discs[std::size_t(number - 1)]))
                return false;
        return read_closing_sections();
    }

    // "line 18: the \"Serial number\" line of General Information was expected here"
    const std::string& mismatch() const { return mismatch_; }

private:
    // Step wording: "the blank line under the banner", "the title line of ", title.
    using Wording = std::initializer_list<std::string_view>;

    bool fail_at(int line, Wording what, bool say_disc_count = false)
    {
        mismatch_ = "line " + std::to_string(line) + ": ";
        for (std::string_view part : what)
            mismatch_ += part;
        mismatch_ += " was expected here";
        if (say_disc_count)
            mismatch_ += sheet_.disc_count == 0 ? ": the sheet has no \"# of discs\" line"
                                                : ": \"# of discs\" says " + std::to_string(sheet_.disc_count);
        return false;
    }
    bool fail(Wording what, bool say_disc_count = false) { return fail_at(lines_.number(), what, say_disc_count); }

    bool take(bool fits, Wording what, bool say_disc_count = false)
    {
        if (!fits)
            return fail(what, say_disc_count);
        lines_.advance();
        return true;
    }
    template <char rule_char>
    bool take_rule(Wording what)
    {
        return take(is_rule<rule_char>(lines_.current()), what);
    }
    bool take_blank(Wording what) { return take(lines_.current().empty(), what); }

    bool read_header(std::string_view title, bool say_disc_count = false)
    {
        return take(is_rule<dash>(lines_.current()), {"the dash rule that opens ", title}, say_disc_count)
            && take(is_title_line(lines_.current(), title), {"the title line of ", title}, say_disc_count)
            && take_rule<dash>({"the dash rule under the title of ", title})
            && take_blank({"the blank line under the title of ", title});
    }

    template <class Record>
    bool read_labels(std::span<const LabelLine<Record>> fields, Record& record, std::string_view section)
    {
        for (const LabelLine<Record>& field : fields) {
            const std::optional<std::string_view> value = after(lines_.current(), field.label);
            if (!value)
                return fail({"the \"", words(field.label.text()), "\" line of ", section});
            record.*field.value = *value;
            lines_.advance();
        }
        return true;
    }

    // The value whose line of `lines` stands here into `choice`; 0 when the line is absent.
    template <typename Choice>
    bool read_choice(std::span<const std::string_view> lines, Choice& choice)
    {
        const std::string_view line = lines_.current();
        const std::string_view label = lines[1].substr(0, label_width);
        if (!line.starts_with(label.substr(0, label_width - 1)))
            return true;
        const auto found = std::find(lines.begin() + 1, lines.end(), line);
        if (found == lines.end())
            return fail({quoted_answers(lines), " after \"", words(label), "\""});
        lines_.advance();
        choice = Choice(found - lines.begin());
        return true;
    }

    bool read_banner()
    {
        return take_rule<slash>({"the slash rule that opens the sheet"})
            && take_rule<star>({"the star rule under the slash rule"})
            && take_blank({"the blank line above the headline"})
            && read_headline()
            && take_blank({"the blank line under the headline"})
            && take_rule<star>({"the star rule under the headline"})
            && take_rule<slash>({"the slash rule under the star rule"})
            && take_blank({"the blank line under the banner"});
    }

    bool read_headline()
    {
        const std::string_view line = lines_.current();
        std::size_t at = line.find(proudly_presents);
        const std::string_view stripped = without_trailing_blanks(proudly_presents);
        if (at == none && line.ends_with(stripped))
            at = line.size() - stripped.size();  // no title, and its blank stripped
        if (at == none)
            return fail({"the headline \"<poster> proudly presents <title>\""});
        sheet_.poster_name = line.substr(0, at);
        sheet_.program_title = line.substr(std::min(line.size(), at + proudly_presents.size()));
        lines_.advance();
        return true;
    }

    bool read_general_information()
    {
        const std::string_view section = general_title;
        return read_header(section)
            && read_labels<ReleaseSheet>(general_lines_before_choices, sheet_, section)
            && read_choice(cracked_lines, sheet_.image_is_cracked)
            && read_choice(disc_count_lines, sheet_.disc_count)
            && read_labels<ReleaseSheet>(general_lines_after_choices, sheet_, section)
            && take_blank({"the blank line under \"Image creation application\""})
            && read_url()
            && take_blank({"the blank line that closes General Information"});
    }

    bool read_url()
    {
        const std::string_view line = lines_.current();
        if (line.size() < go_to.size() + for_more_info.size() || !line.starts_with(go_to) ||
            !line.ends_with(for_more_info))
            return fail({"the line \"Go to <address> for more info\""});
        sheet_.url = line.substr(go_to.size(), line.size() - go_to.size() - for_more_info.size());
        lines_.advance();
        return true;
    }

    bool read_post_information()
    {
        const std::string_view section = post_title;
        return read_header(section)
            && read_labels<ReleaseSheet>(post_lines_before_repost, sheet_, section)
            && read_repost()
            && read_labels<ReleaseSheet>({&fills_policy_line, 1}, sheet_, section)
            && read_support_files()
            && take_blank({"the blank line that closes Post Information"});
    }

    bool read_repost()
    {
        const std::string_view line = lines_.current();
        if (!line.starts_with(repost_label()))
            return true;
        if (const std::optional<std::string_view> commences = after(line, repost_yes)) {
            sheet_.full_repost = YesNoChoice::Yes;
            sheet_.repost_commences = *commences;
        } else if (line == repost_no) {
            sheet_.full_repost = YesNoChoice::No;
        } else {
            return fail({"\"Yes, <when>\" or \"No, I am a lazy asshole.\" after \"Full repost?\""});
        }
        lines_.advance();
        return true;
    }

    bool read_support_files()
    {
        const std::optional<std::string_view> items = after(lines_.current(), support_files_label);
        if (!items)
            return fail({"the \"Support files posted\" line of Post Information"});
        if (*items != no_support_files && !read_support_items(*items))
            return fail({"\".sfv \", \".cue \", \"covers \", \"manuals \" in this order, or \"None, WTF!?\", after \"",
                         words(support_files_label.text()), "\""});
        lines_.advance();
        return true;
    }

    bool read_support_items(std::string_view items)
    {
        const bool listed = !items.empty();
        for (const SupportFile& file : support_files) {
            // The last item may have lost its blank to an editor.
            if (items.starts_with(file.item) || items == file.item.substr(0, file.item.size() - 1)) {
                sheet_.*file.posted = true;
                items.remove_prefix(std::min(items.size(), file.item.size()));
            }
        }
        return listed && items.empty();
    }

    bool read_disc(int number, DiscInfo& disc)
    {
        const std::string_view section = disc_titles[std::size_t(number - 1)];
        return read_header(section, true)
            && read_labels<DiscInfo>({&volume_label_line, 1}, disc, section)
            && read_choice(image_format_lines, disc.image_format)
            && read_labels<DiscInfo>(file_and_archive_lines, disc, section)
            && read_choice(overburn_lines, disc.needs_80min_cdr)
            && read_choice(burn_test_lines, disc.burn_tested)
            && take_blank({"the blank line that closes ", section});
    }

    // The group's .nfo when its title follows the dash rule, then the footer.
    bool read_closing_sections()
    {
        if (!take_rule<dash>({"the Release Group NFO section or the credit footer"}))
            return false;
        const std::string_view line = lines_.current();
        if (is_title_line(line, release_group_title))
            return read_release_group_section();
        const bool disc_title =
            std::any_of(disc_titles.begin(), disc_titles.end(), [line](auto title) { return is_title_line(line, title); });
        if (!take(is_credit_line(line), {"the title line of Release Group NFO or the credit line"}, disc_title)
            || !take_rule<dash>({"the dash rule that closes the sheet"}))
            return false;
        return lines_.at_end() || fail({"the end of the sheet after its closing dash rule"});
    }

    bool read_release_group_section()
    {
        lines_.advance();
        if (!take_rule<dash>({"the dash rule under the title of ", release_group_title})
            || !take_blank({"the blank line under the title of ", release_group_title}))
            return false;
        // Lines that look like rules, titles or labels belong to the group's
        // text; only the footer at the very end closes it.
        const std::size_t body_start = lines_.start();
        const std::optional<std::size_t> footer = footer_start(text_);
        if (!footer || *footer < body_start) {
            std::string_view rest = text_.substr(body_start);
            cut_line_end(rest);
            return fail_at(lines_.number_at(body_start + rest.size()), {"the credit footer at the end of the sheet"});
        }
        std::string_view body = text_.substr(body_start, *footer - body_start);
        if (!cut_line_end(body) || !cut_line_end(body))
            return fail_at(lines_.number_at(*footer), {"the blank line that closes Release Group NFO"});
        sheet_.release_group_nfo = body;
        return true;
    }

    std::string_view text_;
    Lines lines_;
    ReleaseSheet& sheet_;
    std::string mismatch_;
};

}  // namespace

Outcome<ReleaseSheet> read_sheet(std::string_view text)
{
    // Read where the outcome keeps it and returned as it is: a record moved
    // costs more than reading a typical sheet.
    Outcome<ReleaseSheet> reading(std::in_place);
    SheetReader reader(text, *reading);
    if (!reader.read())
        reading = Refusal{reader.mismatch()};
    return reading;
}

}  // namespace relwiz
