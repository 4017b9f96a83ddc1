#include "nfo_file.h"

#include "code_page.h"
#include "regular_file.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace relwiz {
namespace {

struct ByteOrderMark {
    QByteArrayView bytes;
    QStringConverter::Encoding encoding;
};

constexpr ByteOrderMark byte_order_marks[] = {
    {"\xEF\xBB\xBF", QStringConverter::Utf8},
    {"\xFF\xFE", QStringConverter::Utf16LE},
    {"\xFE\xFF", QStringConverter::Utf16BE},
};

bool is_dos_art_file(QStringView file_name)
{
    return file_name.endsWith(u".nfo", Qt::CaseInsensitive) || file_name.endsWith(u".diz", Qt::CaseInsensitive);
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

// What is wrong with a file that could not be opened or read.
QString problem_with(const release_files::FileProblem& problem)
{
    const QString reason = QString::fromStdString(problem.reason());
    return problem.kind == release_files::FileProblem::Kind::system_error
               ? QStringLiteral("cannot be read: %1").arg(reason)
               : reason;
}

}  // namespace

OrRefusal<QString> decode_nfo_text(QByteArrayView bytes, const QString& path)
{
    for (const ByteOrderMark& mark : byte_order_marks)
        if (bytes.startsWith(mark.bytes))
            return with_line_breaks(QStringDecoder(mark.encoding)(bytes.sliced(mark.bytes.size())));
    if (bytes.contains('\0'))
        return refused(path, QStringLiteral("is not a text file"));
    const bool beyond_ascii = std::any_of(bytes.begin(), bytes.end(), [](char byte) { return byte & 0x80; });
    if (beyond_ascii && bytes.isValidUtf8())
        return with_line_breaks(QString::fromUtf8(bytes));
    return with_line_breaks((is_dos_art_file(path) ? cp437() : windows_1252()).decode(bytes));
}

OrRefusal<QString> read_nfo_file(const QString& path)
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
