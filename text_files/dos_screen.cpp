#include "dos_screen.h"

#include "code_page.h"

#include <QByteArrayView>

#include <algorithm>

namespace relwiz {
namespace {

void append_line(ScreenLines& lines, QByteArrayView line)
{
    const std::size_t start = lines.cells.size();
    for (qsizetype tab = line.indexOf('\t'); tab >= 0; tab = line.indexOf('\t')) {
        lines.cells.append(line.data(), std::size_t(tab));
        lines.cells.append(dos_tab_stop - (lines.cells.size() - start) % dos_tab_stop, ' ');
        line = line.sliced(tab + 1);
    }
    lines.cells.append(line.data(), std::size_t(line.size()));
    lines.columns = std::max(lines.columns, lines.cells.size() - start);
    lines.ends.push_back(lines.cells.size());
}

}  // namespace

DosScreen dos_screen(QStringView sheet)
{
    // Every character to its byte first, so that "?" is counted where the
    // sheet has it; CR, LF and TAB are ASCII, and stay themselves.
    const EncodedText encoded = cp437().encode(sheet);
    DosScreen screen{{}, encoded.unencodable, encoded.first_unencodable};
    screen.lines.cells.reserve(std::size_t(encoded.bytes.size()));
    for (QByteArrayView rest = encoded.bytes; !rest.isEmpty();) {
        const qsizetype line_feed = rest.indexOf('\n');
        QByteArrayView line = line_feed < 0 ? rest : rest.first(line_feed);
        rest = line_feed < 0 ? QByteArrayView() : rest.sliced(line_feed + 1);
        if (line_feed >= 0 && line.endsWith('\r'))
            line.chop(1);
        append_line(screen.lines, line);
    }
    return screen;
}

}  // namespace relwiz
