#include "nfo_file.h"

#include "code_page.h"
#include "dos_text.h"
#include "regular_file.h"
#include "text_end.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace relwiz {
namespace {

struct Utf16Mark {
    QByteArrayView bytes;
    QStringConverter::Encoding encoding;
};

constexpr Utf16Mark utf16_marks[] = {
    {"\xFF\xFE", QStringConverter::Utf16LE},
    {"\xFE\xFF", QStringConverter::Utf16BE},
};

constexpr QByteArrayView utf8_mark = "\xEF\xBB\xBF";

bool is_dos_art_file(QStringView file_name)
{
    return file_name.endsWith(u".nfo", Qt::CaseInsensitive) || file_name.endsWith(u".diz", Qt::CaseInsensitive);
}

// The text after a UTF-16 mark, when it is UTF-16: whole code units, every
// surrogate paired, and one character at least below U+0100, which no DOS
// art that begins with the bytes FF FE has (it would hold a NUL).
std::optional<QString> as_utf16(QByteArrayView bytes)
{
    const auto mark = std::find_if(std::begin(utf16_marks), std::end(utf16_marks),
                                   [bytes](const Utf16Mark& m) { return bytes.startsWith(m.bytes); });
    if (mark == std::end(utf16_marks) || bytes.size() % 2 != 0)
        return std::nullopt;
    QString text = QStringDecoder(mark->encoding, QStringConverter::Flag::Stateless)(bytes.sliced(mark->bytes.size()));
    while (text.endsWith(QChar(0)))  // padding
        text.chop(1);
    const bool latin = std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
    if (!latin || !QStringView(text).isValidUtf16())
        return std::nullopt;
    return text;
}

// CR LF, a lone LF and a lone CR all end a line of the box. One pass in
// place: QString::replace moves the rest of the text for every thousand
// matches, which a 32 MiB file of short art lines feels.
QString with_line_breaks(QString text)
{
    QChar* out = text.data();
    const QChar* end = out + text.size();
    for (const QChar* in = out; in != end; ++in, ++out) {
        const QChar c = *in;  // read before the write: `out` may be `in`
        *out = c == u'\r' ? u'\n' : c;
        if (c == u'\r' && in + 1 != end && in[1] == u'\n')
            ++in;
    }
    text.truncate(out - text.data());
    return text;
}

// "\"/home/me/group.nfo\" is a folder.": the file, then what is wrong with it.
Refusal refused(const QString& path, const QString& what)
{
    return {QStringLiteral("\"%1\" %2.").arg(QDir::toNativeSeparators(path), what).toStdString(), {}};
}

Refusal not_text(const QString& path)
{
    return refused(path, QStringLiteral("is not a text file"));
}

// What is wrong with a file that could not be opened or read.
QString problem_with(const release_files::FileProblem& problem)
{
    const QString reason = QString::fromStdString(problem.reason());
    return problem.kind == release_files::FileProblem::Kind::system_error
               ? QStringLiteral("cannot be read: %1").arg(reason)
               : reason;
}

}  // namespace

OrRefusal<ReadText> decode_nfo_text(QByteArrayView bytes, const QString& path)
{
    const QByteArrayView text = without_sauce_record(bytes);
    if (std::optional<QString> utf16 = as_utf16(text))
        return ReadText{with_line_breaks(std::move(*utf16)), TextEncoding::Utf16};
    const QByteArrayView body = without_nul_padding(text);
    if (body.startsWith(utf8_mark) && body.sliced(utf8_mark.size()).isValidUtf8())
        return ReadText{with_line_breaks(QString::fromUtf8(body.sliced(utf8_mark.size()))), TextEncoding::Utf8};
    if (body.contains('\0'))
        return not_text(path);
    const bool beyond_ascii = std::any_of(body.begin(), body.end(), [](char byte) { return byte & 0x80; });
    if (beyond_ascii && body.isValidUtf8())
        return ReadText{with_line_breaks(QString::fromUtf8(body)), TextEncoding::Utf8};
    if (!is_dos_art_file(path))
        return ReadText{with_line_breaks(windows_1252().decode(body)), TextEncoding::Windows1252};
    // The whole file: DOS text has rules of its own for where its text ends.
    if (std::optional<QString> dos = decode_dos_text(bytes))
        return ReadText{std::move(*dos), TextEncoding::DosText};
    return not_text(path);
}

OrRefusal<ReadText> read_nfo_file(const QString& path)
{
    release_files::RegularFile file(QFile::encodeName(path).toStdString());
    if (!file.is_open())
        return refused(path, problem_with(file.problem()));
    if (qint64(file.size()) > largest_nfo_file)
        return refused(path, QStringLiteral("is larger than 32 MiB"));
    QByteArray bytes(qsizetype(file.size()), Qt::Uninitialized);
    bytes.truncate(qsizetype(file.read_at(0, {bytes.data(), std::size_t(bytes.size())})));
    if (file.problem())
        return refused(path, problem_with(file.problem()));
    return decode_nfo_text(bytes, path);
}

}  // namespace relwiz
