#include "text_file.h"

#include "regular_file.h"
#include "text_end.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <iterator>

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

// Measured on real files that hold NULs: the four .nfo files of that kind
// among iNFekt's regression samples (up to 4% NULs, none of the other
// control bytes) and 1,178 files of Debian 12 (programs, libraries,
// pictures, fonts, compressed files, translations): in the .nfo files
// every run of NULs touched a blank or a line end, in the others at most
// half the runs did; and random bytes hold control bytes 1 in 9.
constexpr qsizetype most_controls_per = 32;

bool beside_text(char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n';
}

// The control bytes that text holds other than its pictures.
bool text_control(char byte)
{
    return byte == '\t' || byte == '\n' || byte == '\r' || byte == '\x1A' || byte == '\x1B';
}

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

// What is wrong with a file that could not be opened or read.
QString problem_with(const FileProblem& problem)
{
    const QString reason = QString::fromStdString(problem.reason());
    return problem.kind == FileProblem::Kind::system_error
               ? QStringLiteral("cannot be read: %1").arg(reason)
               : reason;
}

// "\"/home/me/group.nfo\" is a folder.": the file, then what is wrong with it.
Refusal refused(const QString& path, const QString& what)
{
    return {QStringLiteral("\"%1\" %2.").arg(QDir::toNativeSeparators(path), what).toStdString()};
}

}  // namespace

Refusal not_a_text_file(const QString& path)
{
    return refused(path, QStringLiteral("is not a text file"));
}

bool beyond_ascii(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char byte) { return byte & 0x80; });
}

bool is_binary(QByteArrayView bytes)
{
    if (!bytes.contains('\0'))
        return false;
    qsizetype controls = 0;
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        if (bytes[at] != '\0') {
            controls += static_cast<unsigned char>(bytes[at]) < 0x20 && !text_control(bytes[at]);
            continue;
        }
        const qsizetype run_start = at;
        while (at + 1 < bytes.size() && bytes[at + 1] == '\0')
            ++at;
        const bool after_text = run_start == 0 || beside_text(bytes[run_start - 1]);
        const bool before_text = at + 1 == bytes.size() || beside_text(bytes[at + 1]);
        if (!after_text && !before_text)
            return true;
    }
    return controls * most_controls_per > bytes.size();
}

Outcome<QByteArray> read_text_file(const QString& path, int largest_mib)
{
    RegularFile file(QFile::encodeName(path).toStdString());
    if (!file.is_open())
        return refused(path, problem_with(file.problem()));
    if (file.size() > std::uint64_t(largest_mib) << 20)
        return refused(path, QStringLiteral("is larger than %1 MiB").arg(largest_mib));
    QByteArray bytes(qsizetype(file.size()), Qt::Uninitialized);
    bytes.truncate(qsizetype(file.read_at(0, {bytes.data(), std::size_t(bytes.size())})));
    if (file.problem())
        return refused(path, problem_with(file.problem()));
    return bytes;
}

std::optional<ReadText> text_after_byte_order_mark(QByteArrayView bytes)
{
    if (std::optional<QString> utf16 = as_utf16(bytes))
        return ReadText{with_line_breaks(std::move(*utf16)), TextEncoding::Utf16};
    const QByteArrayView body = without_nul_padding(bytes);
    if (body.startsWith(utf8_mark) && body.sliced(utf8_mark.size()).isValidUtf8())
        return ReadText{with_line_breaks(QString::fromUtf8(body.sliced(utf8_mark.size()))), TextEncoding::Utf8};
    return std::nullopt;
}

std::optional<ReadText> text_in_utf8(QByteArrayView bytes)
{
    if (!beyond_ascii(bytes) || !bytes.isValidUtf8() || bytes.contains('\0'))
        return std::nullopt;
    return ReadText{with_line_breaks(QString::fromUtf8(bytes)), TextEncoding::Utf8};
}

// One pass in place: QString::replace moves the rest of the text for every
// thousand matches, which a 32 MiB file of short art lines feels.
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

}  // namespace relwiz
