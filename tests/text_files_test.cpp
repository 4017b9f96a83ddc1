// The bytes of text files: sheets encoded in Windows-1252 or CP437, a group's
// .nfo decoded from its file, and a save that the system cuts short.
#include "code_page.h"
#include "nfo_file.h"
#include "save_sheet.h"
#include "test_support.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace relwiz;
using relwiz::testing::file_bytes;

class TextFilesTest : public QObject {
    Q_OBJECT

private slots:
    void every_bmp_character_encodes_as_qt_does_data();
    void every_bmp_character_encodes_as_qt_does();
    void surrogates_and_runs_of_ascii_data();
    void surrogates_and_runs_of_ascii();
    void nfo_files_decode_by_their_marks_and_names_data();
    void nfo_files_decode_by_their_marks_and_names();
    void write_cut_short_by_file_size_limit_keeps_the_old_file();
};

Q_DECLARE_METATYPE(const CodePage*)

void TextFilesTest::every_bmp_character_encodes_as_qt_does_data()
{
    QTest::addColumn<const CodePage*>("code_page");
    QTest::addColumn<QByteArray>("qt_name");
    QTest::newRow("windows_1252") << &windows_1252() << QByteArray("windows-1252");
    QTest::newRow("cp437") << &cp437() << QByteArray("IBM437");
}

// Against Qt's own (ICU's) converter where it maps a character; where it
// does not, only the code page's own byte for it, or "?". Below 0x80 both
// code pages are ASCII.
void TextFilesTest::every_bmp_character_encodes_as_qt_does()
{
    QFETCH(const CodePage*, code_page);
    QFETCH(QByteArray, qt_name);
    QVERIFY2(QStringEncoder(qt_name.constData()).isValid(), "Qt has no such converter here");
    int mapped = 0;
    for (char16_t code = 0; code < 0xFFFF; ++code) {
        if (QChar::isSurrogate(code))
            continue;  // half characters: the rows below
        const QString character{QChar(code)};
        QStringEncoder qt(qt_name.constData());
        const QByteArray expected = code < 0x80 ? QByteArray(1, char(code)) : qt.encode(character);
        const EncodedText ours = code_page->encode(character);
        const bool qt_maps = code < 0x80 || !qt.hasError();
        mapped += qt_maps;
        QVERIFY2(qt_maps ? ours.bytes == expected && ours.unencodable == 0
                         : ours.unencodable ? ours.bytes == "?" : code_page->decode(ours.bytes) == character,
                 qPrintable(QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0'))));
    }
    QCOMPARE(mapped, 256);
    for (int byte = 0; byte < 256; ++byte)  // and every byte is the character it decodes to
        QCOMPARE(code_page->encode(code_page->decode(QByteArray(1, char(byte)))).bytes, QByteArray(1, char(byte)));
}

void TextFilesTest::surrogates_and_runs_of_ascii_data()
{
    QTest::addColumn<QString>("other");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("unencodable");
    QTest::newRow("latin_1") << QStringLiteral("\u00e9") << QByteArray("\xe9") << 0;
    QTest::newRow("euro") << QStringLiteral("\u20ac") << QByteArray("\x80") << 0;
    QTest::newRow("undefined_byte") << QStringLiteral("\u0081") << QByteArray("\x81") << 0;
    QTest::newRow("nul_and_delete") << QString(QChar(0)) + QChar(0x7f) << QByteArray("\0\x7f", 2) << 0;
    QTest::newRow("beyond_the_code_page") << QStringLiteral("\u4e2d") << QByteArray("?") << 1;
    QTest::newRow("pair_is_one_character") << QStringLiteral("\U0001F600") << QByteArray("?") << 1;
    QTest::newRow("lone_low_then_high") << QString(QChar(0xDC00)) + QChar(0xD800) << QByteArray("??") << 2;
}

// ASCII goes sixteen characters at a time: anything else must be found, and
// counted where it stands, at every place in and across those blocks.
void TextFilesTest::surrogates_and_runs_of_ascii()
{
    QFETCH(QString, other);
    QFETCH(QByteArray, bytes);
    QFETCH(int, unencodable);
    const QString ascii = QStringLiteral("The quick brown fox jumps over the lazy dog 0123");
    for (qsizetype at = 0; at <= ascii.size(); ++at) {
        const EncodedText encoded = windows_1252().encode(ascii.left(at) + other + ascii.mid(at));
        QCOMPARE(encoded.bytes, ascii.left(at).toLatin1() + bytes + ascii.mid(at).toLatin1());
        QCOMPARE(encoded.unencodable, unencodable);
        QCOMPARE(encoded.first_unencodable, unencodable ? at : -1);
    }
}

void TextFilesTest::nfo_files_decode_by_their_marks_and_names_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("file_name");
    QTest::addColumn<QString>("text");  // null: not a text file
    QTest::newRow("utf8_mark") << QByteArray("\xEF\xBB\xBF\xC3\xA9\xFF") << "a.nfo" << QStringLiteral("\u00e9\uFFFD");
    QTest::newRow("utf16_le_mark") << QByteArray("\xFF\xFE" "a\0\x88\x25\n\0", 8) << "a.nfo" << QStringLiteral("a\u2588\n");
    QTest::newRow("utf16_be_mark") << QByteArray("\xFE\xFF\0a\x25\x88", 6) << "a.txt" << QStringLiteral("a\u2588");
    QTest::newRow("valid_utf8_before_cp437") << QByteArray("\xE2\x96\x88 \xC3\xA9") << "a.nfo" << QStringLiteral("\u2588 \u00e9");
    QTest::newRow("cp437_for_nfo") << QByteArray("\xDB\xB0\xC9\xE6\xFF") << "A.NFO" << QStringLiteral("\u2588\u2591\u2554\u00b5\u00a0");
    QTest::newRow("cp437_for_diz") << QByteArray("\x80\x9E") << "file_id.Diz" << QStringLiteral("\u00c7\u20a7");
    QTest::newRow("windows_1252_for_the_rest") << QByteArray("\x80\x81\xDB") << "a.nfo.txt" << QStringLiteral("\u20ac\u0081\u00db");
    QTest::newRow("line_ends") << QByteArray("a\r\nb\rc\nd\r") << "a.nfo" << QStringLiteral("a\nb\nc\nd\n");
    QTest::newRow("nul_is_not_text") << QByteArray("a\0b", 3) << "a.nfo" << QString();
}

void TextFilesTest::nfo_files_decode_by_their_marks_and_names()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, file_name);
    QFETCH(QString, text);
    QCOMPARE(decode_nfo_text(bytes, file_name).value_or(QString()), text);
}

void TextFilesTest::write_cut_short_by_file_size_limit_keeps_the_old_file()
{
    QTemporaryDir folder;
    QVERIFY(QDir::setCurrent(folder.path()));
    QFile old("Big.nfo");
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("the earlier sheet") == 17 && old.flush());
    const pid_t child = fork();  // the limit is the child's alone; it answers with its exit status
    QVERIFY(child >= 0);
    if (child == 0) {
        ignore_file_size_signal();
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const SaveResult result = save_sheet(QStringLiteral("Big"), QString(1 << 20, QLatin1Char('x')));
        _exit(result.saved ? 10 : result.error.contains(QLatin1String("too large"), Qt::CaseInsensitive) ? 0 : 11);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status), "the child was killed instead of seeing the write fail");
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(file_bytes("Big.nfo"), QByteArray("the earlier sheet"));
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{"Big.nfo"});
}

QTEST_GUILESS_MAIN(TextFilesTest)
#include "text_files_test.moc"
