#include "dos_text.h"

#include "code_page.h"
#include "text_end.h"

#include <algorithm>
#include <array>

namespace relwiz {
namespace {

constexpr char end_of_file = '\x1A';
constexpr char escape = '\x1B';
constexpr int screen_columns = 80;

// A noncharacter that no byte reads as: the bytes that need more than a look
// in the table (NUL, CR, ESC) read as it.
constexpr char16_t look_closer = 0xFFFF;

const std::array<char16_t, 256>& screen_characters()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> characters;
        for (std::size_t byte = 0; byte < characters.size(); ++byte)
            characters[byte] = cp437().character(std::uint8_t(byte));
        for (const char byte : {'\0', '\r', escape})
            characters[std::size_t(byte)] = look_closer;
        return characters;
    }();
    return table;
}

// CR LF and the CR CR LF of many DOS editors are one line break each, as a
// DOS screen shows them; so is a lone CR.
qsizetype line_break_length(const char* cr, const char* end)
{
    if (end - cr >= 2 && cr[1] == '\n')
        return 2;
    if (end - cr >= 3 && cr[1] == '\r' && cr[2] == '\n')
        return 3;
    return 1;
}

struct AnsiSequence {
    qsizetype length = 0;  // 0: the ESC starts none, and is drawn as its picture
    int blanks = 0;        // what the screen shows of it
};

// ESC "[", digits and semicolons, one letter: colours, cursor moves, screen
// clears, none of them text. Only "ESC [ n C", n columns to the right, leaves
// blanks on the screen (one when n is missing or 0).
AnsiSequence ansi_sequence(const char* esc, const char* end)
{
    const char* at = esc + 1;
    if (at == end || *at != '[')
        return {};
    int columns = 0;
    bool first_number = true;
    for (++at; at != end && ((*at >= '0' && *at <= '9') || *at == ';'); ++at) {
        if (*at == ';')
            first_number = false;
        else if (first_number)
            columns = std::min(columns * 10 + (*at - '0'), screen_columns);
    }
    const char letter = at == end ? '\0' : char(*at | 0x20);
    if (letter < 'a' || letter > 'z')
        return {};
    return {at + 1 - esc, *at == 'C' ? std::max(columns, 1) : 0};
}

// Room for `count` more characters after `out`; a cursor move can write
// more characters than its sequence has bytes.
char16_t* make_room(QString& text, char16_t* out, qsizetype count)
{
    const qsizetype used = out - reinterpret_cast<char16_t*>(text.data());
    if (used + count > text.size())
        text.resize(std::max(used + count, text.size() + text.size() / 2));
    return reinterpret_cast<char16_t*>(text.data()) + used;
}

}  // namespace

QByteArrayView dos_text_extent(QByteArrayView bytes)
{
    QByteArrayView text = without_nul_padding(without_sauce_record(bytes));
    while (text.endsWith(end_of_file))
        text.chop(1);
    return text;
}

QString decode_dos_text(QByteArrayView bytes)
{
    const QByteArrayView text = dos_text_extent(bytes);

    // One pass: nearly every byte is one look in the table.
    const std::array<char16_t, 256>& table = screen_characters();
    QString decoded(text.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(decoded.data());
    const char* const end = text.data() + text.size();
    for (const char* in = text.data(); in != end;) {
        const char16_t c = table[static_cast<unsigned char>(*in)];
        if (c != look_closer) {
            *out++ = c;
            ++in;
        } else if (*in == '\0') {
            *out++ = u' ';
            ++in;
        } else if (*in == '\r') {
            in += line_break_length(in, end);
            *out++ = u'\n';
        } else if (const AnsiSequence sequence = ansi_sequence(in, end); sequence.length > 0) {
            in += sequence.length;
            out = std::fill_n(make_room(decoded, out, sequence.blanks + (end - in)), sequence.blanks, u' ');
        } else {
            *out++ = cp437().character(std::uint8_t(escape));
            ++in;
        }
    }
    decoded.truncate(out - reinterpret_cast<char16_t*>(decoded.data()));
    return decoded;
}

}  // namespace relwiz
