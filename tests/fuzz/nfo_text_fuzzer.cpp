// libFuzzer target: arbitrary bytes read as a group's .nfo, by its name as
// DOS text or as Windows-1252, and as DOS text directly, and each text read
// drawn as a picture. No reading may crash or read out of bounds, each gives
// the same answer twice, no text keeps a CR, and DOS text holds no control
// but TAB and LF (the others are pictures) and grows at most by the blanks
// of its cursor moves. A picture's cells hold no TAB or line break, no line
// is wider than its columns, and one with a cell is always drawn.
#undef NDEBUG  // the asserts are the checks
#include "dos_screen.h"
#include "dos_text.h"
#include "nfo_file.h"

#include <algorithm>
#include <cassert>
#include <cstdint>

using namespace relwiz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    for (const char* name : {"group.nfo", "notes.txt"}) {
        const Outcome<ReadText> read = decode_nfo_text(bytes, QString::fromLatin1(name));
        const Outcome<ReadText> again = decode_nfo_text(bytes, QString::fromLatin1(name));
        assert(bool(read) == bool(again));
        assert(!read || (read->text == again->text && read->read_as == again->read_as && !read->text.contains(u'\r')));
        if (!read)
            continue;
        const DosScreen screen = dos_screen(read->text);
        std::size_t widest = 0;
        for (std::size_t line = 0; line < screen.lines.ends.size(); ++line)
            widest = std::max(widest, screen.lines.line(line).size());
        assert(widest == screen.lines.columns && screen.lines.cells.find_first_of("\t\n") == std::string::npos);
        const auto kept = [](std::string_view) { return true; };
        assert(bool(draw_screen_picture(screen.lines, kept, {}, {})) == (widest > 0));
    }
    const QString dos = decode_dos_text(bytes);
    assert(dos == decode_dos_text(bytes));
    for (const QChar c : dos)
        assert(c.unicode() >= 0x20 ? c.unicode() != 0x7F : c == u'\t' || c == u'\n');
    assert(dos.size() <= qsizetype(size) * 80 / 4 + 1);  // "\x1B[C" is the shortest move right
    return 0;
}
