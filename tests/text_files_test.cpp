// The bytes of text files: sheets encoded in Windows-1252 or CP437, a group's
// .nfo decoded from its file, the ways a sheet may be saved, and a save of
// the sheet or its picture that the system cuts short.
#include "code_page.h"
#include "nfo_file.h"
#include "save_offers.h"
#include "file_replacement.h"
#include "save_picture.h"
#include "save_sheet.h"
#include "test_support.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace relwiz;

Q_DECLARE_METATYPE(std::optional<TextEncoding>)

namespace {

// A SAUCE record as art editors append it, counting `comments` comment lines.
QByteArray sauce(char comments)
{
    QByteArray record = "SAUCE00" + QByteArray(121, '\xB0');
    record[104] = comments;
    return record;
}

}  // namespace

class TextFilesTest : public QObject {
    Q_OBJECT

private slots:
    void every_bmp_character_encodes_as_qt_does_data()
    {
        QTest::addColumn<QByteArray>("qt_name");
        QTest::newRow("windows_1252") << QByteArray("windows-1252");
        QTest::newRow("cp437") << QByteArray("IBM437");
    }

    // Against Qt's own (ICU's) converter where it maps a character; where it does not, only the
    // code page's own byte for it, or "?". Below 0x80 both code pages are ASCII. Each character
    // stands at another place in a run of ASCII, which is copied sixteen characters at a time.
    void every_bmp_character_encodes_as_qt_does()
    {
        QFETCH(QByteArray, qt_name);
        const CodePage& code_page = qt_name == "IBM437" ? cp437() : windows_1252();
        const QString ascii = QStringLiteral("The quick brown fox jumps over the lazy dog 0123");
        for (char16_t code = 0; code < 0xFFFF; ++code) {  // a surrogate here is a lone half, one character
            const QString character{QChar(code)};
            const qsizetype at = code % 33;
            const EncodedText ours = code_page.encode(ascii.left(at) + character + ascii.mid(at));
            QStringEncoder qt(qt_name.constData());
            QByteArray expected = code < 0x80 ? character.toLatin1() : qt.encode(character);
            if (code >= 0x80 && (qt.hasError() || QChar::isSurrogate(code)))  // Qt waits for a half's other half
                expected = code_page.decode(ours.bytes.mid(at, 1)) == character ? ours.bytes.mid(at, 1) : "?";
            const bool lost = expected == "?" && code != u'?';
            QVERIFY2(ours.bytes == ascii.left(at).toLatin1() + expected + ascii.mid(at).toLatin1()
                         && ours.unencodable == lost && ours.first_unencodable == (lost ? at : -1),
                     ("U+" + QByteArray::number(code, 16)).constData());
        }
        // A pair beyond the BMP is one character; a low half and a high one after it are two.
        const EncodedText halves = code_page.encode(u"ab\U0001F600\xDC00\xD800");
        QCOMPARE(std::tuple(halves.bytes, halves.unencodable, halves.first_unencodable), std::tuple(QByteArray("ab???"), 3, 2));
    }

    void nfo_files_decode_by_their_marks_and_names_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("file_name");
        QTest::addColumn<QString>("text");  // null: not a text file
        QTest::addColumn<TextEncoding>("read_as");
        const auto dos = TextEncoding::DosText;
        QTest::newRow("utf8_mark") << QByteArray("\xEF\xBB\xBF\xC3\xA9\0\0", 7) << "a.nfo" << QStringLiteral("\u00e9") << TextEncoding::Utf8;
        QTest::newRow("utf8_mark_then_bytes") << QByteArray("\xEF\xBB\xBF\xC3\xA9\xFF") << "a.nfo" << QStringLiteral("\u2229\u2557\u2510\u251c\u2310\u00a0") << dos;
        QTest::newRow("utf16_le_padded") << QByteArray("\xFF\xFE" "a\0\x88\x25\n\0\0\0\0\0", 12) + sauce(0) << "a.nfo" << QStringLiteral("a\u2588\n") << TextEncoding::Utf16;
        QTest::newRow("utf16_be_mark") << QByteArray("\xFE\xFF\0a\x25\x88", 6) << "a.txt" << QStringLiteral("a\u2588") << TextEncoding::Utf16;
        QTest::newRow("ff_fe_art") << QByteArray("\xFF\xFE\xB0\xB1\xB2\xB0") << "a.nfo" << QStringLiteral("\u00a0\u25a0\u2591\u2592\u2593\u2591") << dos;
        QTest::newRow("valid_utf8_before_cp437") << QByteArray("\xE2\x96\x88 \xC3\xA9") << "a.nfo" << QStringLiteral("\u2588 \u00e9") << TextEncoding::Utf8;
        QTest::newRow("cp437_for_nfo") << QByteArray("\xDB\xB0\xC9\xE6\xFF") << "A.NFO" << QStringLiteral("\u2588\u2591\u2554\u00b5\u00a0") << dos;
        QTest::newRow("cp437_for_diz") << QByteArray("\x80\x9E") << "file_id.Diz" << QStringLiteral("\u00c7\u20a7") << dos;
        QTest::newRow("windows_1252_line_ends") << QByteArray("\x80\r\n\xDB\r\r\n\x1A") << "a.nfo.txt" << QStringLiteral("\u20ac\n\u00db\n\n\x1A") << TextEncoding::Windows1252;
        QTest::newRow("windows_1252_sauce") << QByteArray("x\x1A\x1A") + sauce(0) << "a.txt" << QStringLiteral("x\x1A") << TextEncoding::Windows1252;
        QTest::newRow("cr_cr_lf") << QByteArray("a\r\r\nb\r\nc\nd\re\r\r") << "a.nfo" << QStringLiteral("a\nb\nc\nd\ne\n\n") << dos;
        // Every control byte but NUL, LF and CR: 0x1A and 0x1B with text after them are pictures too.
        QTest::newRow("pictures") << QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08\t\x0B\x0C\x0E\x0F\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F\x7F")
            << "a.nfo" << QStringLiteral("☺☻♥♦♣♠•◘\t♂♀♫☼►◄↕‼¶§▬↨↑↓→←∟↔▲▼⌂") << dos;
        QTest::newRow("eof_then_nuls") << QByteArray("art\x1A\x1A\0\0", 7) << "a.nfo" << QStringLiteral("art") << dos;
        QTest::newRow("eof_comments_sauce") << QByteArray("art\r\n\x1A\x1A" "COMNT") + QByteArray(128, '\xDB') + sauce(2) << "a.nfo" << QStringLiteral("art\n") << dos;
        QTest::newRow("ansi") << QByteArray("\x1B[1;33mA\x1B[0m\x1B[5CB\x1B[CC\x1B[120;2CD\x1B(E\x1B[2") << "a.nfo"
            << "A     B C" + QString(80, u' ') + QStringLiteral("D\u2190(E\u2190[2") << dos;
        QTest::newRow("nul_is_not_text") << QByteArray("a\0b\0", 4) << "a.nfo" << QString() << dos;
        // NULs where an editor padded: beside blanks, line ends, the text's ends; pictures fewer than 1 in 32.
        QTest::newRow("stray_nuls") << QByteArray("\0\0art\0\r\n\0\xDB\0 \x01", 13) + QByteArray(20, 'x') + QByteArray(2, '\0') << "a.nfo"
                                    << QStringLiteral("  art \n \u2588  \u263A") + QString(20, 'x') << dos;
        QTest::newRow("stray_nul_utf8") << QByteArray("Gr\xC3\xBC\xC3\x9F" "e\0\r\n", 10) << "a.nfo" << QStringLiteral("Gr\u00fc\u00dfe \n") << TextEncoding::Utf8;
        QTest::newRow("stray_nul_1252") << QByteArray("caf\xE9\0 x", 7) << "a.txt" << QStringLiteral("caf\u00e9  x") << TextEncoding::Windows1252;
        QTest::newRow("nuls_among_controls") << QByteArray("\x01\x02 \0 art\r\n", 10) << "a.nfo" << QString() << dos;
        // A record that lost its NULs, as some tools leave it, after 0x1A or a comment block.
        QTest::newRow("cut_sauce") << "art\r\n\x1A" + sauce(0).left(100) << "a.nfo" << QStringLiteral("art\n") << dos;
        QTest::newRow("cut_sauce_comments") << "art\x1A" "COMNT" + QByteArray(64, 'c') + sauce(1).left(90) << "a.txt" << QStringLiteral("art") << TextEncoding::Windows1252;
        QTest::newRow("sauce00_in_text") << QByteArray("ends SAUCE00 x") << "a.nfo" << QStringLiteral("ends SAUCE00 x") << dos;
    }

    void nfo_files_decode_by_their_marks_and_names()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, file_name);
        QFETCH(QString, text);
        QFETCH(TextEncoding, read_as);
        const Outcome<ReadText> decoded = decode_nfo_text(bytes, file_name);
        QCOMPARE(decoded ? decoded->text : QString(), text);
        QVERIFY(!decoded || decoded->read_as == read_as);
    }

    void save_offers_follow_the_group_and_read_back_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<std::optional<TextEncoding>>("came_in");
        QTest::addColumn<QString>("offers");  // "1252?": replacing what it lacks
        const std::optional<TextEncoding> typed, dos = TextEncoding::DosText;
        QTest::newRow("dos_ascii") << "Grusse" << dos << "1252";
        QTest::newRow("dos_accents") << "Gr\u00fc\u00dfe\r\n" << dos << "dos utf8 1252";
        QTest::newRow("dos_lacks_currency") << "\u00a4" << dos << "utf8 1252";
        QTest::newRow("typed_art") << "\u2588\u263a" << typed << "dos utf8 1252?";
        // DOS text that would read back as something else is not offered.
        QTest::newRow("control_as_picture") << "\u2588\x01" << typed << "utf8 1252?";
        QTest::newRow("arrow_at_the_end") << "\u2588\u2192" << dos << "utf8 1252?";
        QTest::newRow("arrow_as_ansi") << "\u2190[0m\u2588" << dos << "utf8 1252?";
        QTest::newRow("bytes_as_utf8") << "\u251c\u2310" << dos << "utf8 1252?";
    }

    void save_offers_follow_the_group_and_read_back()
    {
        QFETCH(QString, sheet);
        QFETCH(std::optional<TextEncoding>, came_in);
        QFETCH(QString, offers);
        QStringList names;
        for (const SaveOffer& offer : save_offers(sheet, came_in))
            names << QStringList{"dos", "utf8", "utf16", "1252"}[int(offer.encoding)] + (offer.encoded.unencodable ? "?" : "");
        QCOMPARE(names.join(' '), offers);
    }

    void write_cut_short_by_file_size_limit_keeps_the_old_file_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("sheet") << "Big.nfo";
        QTest::newRow("picture_as_it_is_drawn") << "Big.png";
    }

    void write_cut_short_by_file_size_limit_keeps_the_old_file()
    {
        QFETCH(QString, file);
        QTemporaryDir folder;
        QVERIFY(QDir::setCurrent(folder.path()));
        QVERIFY(!testing::write_file(file, "the earlier file").isEmpty());
        ScreenLines art{std::string(1 << 20, 'x'), {}, 256};  // 4,096 lines of 256 glyphs, in ever other orders
        for (std::size_t cell = 0; cell < art.cells.size(); ++cell)
            art.cells[cell] = char(cell * 31 % 251 ^ cell >> 8);
        for (std::size_t end = 256; end <= art.cells.size(); end += 256)
            art.ends.push_back(end);
        const pid_t child = fork();  // the limit is the child's alone; it answers with its exit status
        QVERIFY(child >= 0);
        if (child == 0) {
            ignore_file_size_signal();
            const rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            const Outcome<> saved = file.endsWith(".nfo") ? save_sheet(QStringLiteral("Big"), QByteArray::fromStdString(art.cells))
                                                          : save_picture(file, art, {}, {});
            _exit(saved ? 10 : QString::fromStdString(saved.refusal().detail).contains("too large", Qt::CaseInsensitive) ? 0 : 11);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the child was killed, or saw no \"too large\" error");
        QCOMPARE(testing::file_bytes(file), QByteArray("the earlier file"));
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{file});
    }
};

QTEST_GUILESS_MAIN(TextFilesTest)
#include "text_files_test.moc"
