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
        QTest::newRow("utf8_mark") << QByteArray("\xEF\xBB\xBF\xC3\xA9\xFF") << "a.nfo" << QStringLiteral("\u00e9\uFFFD");
        QTest::newRow("utf16_le_mark") << QByteArray("\xFF\xFE" "a\0\x88\x25\n\0", 8) << "a.nfo" << QStringLiteral("a\u2588\n");
        QTest::newRow("utf16_be_mark") << QByteArray("\xFE\xFF\0a\x25\x88", 6) << "a.txt" << QStringLiteral("a\u2588");
        QTest::newRow("valid_utf8_before_cp437") << QByteArray("\xE2\x96\x88 \xC3\xA9") << "a.nfo" << QStringLiteral("\u2588 \u00e9");
        QTest::newRow("cp437_for_nfo") << QByteArray("\xDB\xB0\xC9\xE6\xFF") << "A.NFO" << QStringLiteral("\u2588\u2591\u2554\u00b5\u00a0");
        QTest::newRow("cp437_for_diz") << QByteArray("\x80\x9E") << "file_id.Diz" << QStringLiteral("\u00c7\u20a7");
        QTest::newRow("windows_1252_line_ends") << QByteArray("\x80\r\n\xDB\r") << "a.nfo.txt" << QStringLiteral("\u20ac\n\u00db\n");
        QTest::newRow("nul_is_not_text") << QByteArray("a\0b", 3) << "a.nfo" << QString();
    }

    void nfo_files_decode_by_their_marks_and_names()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, file_name);
        QFETCH(QString, text);
        const OrRefusal<QString> decoded = decode_nfo_text(bytes, file_name);
        QCOMPARE(decoded ? *decoded : QString(), text);
    }

    void write_cut_short_by_file_size_limit_keeps_the_old_file()
    {
        QTemporaryDir folder;
        QVERIFY(QDir::setCurrent(folder.path()));
        QVERIFY(save_sheet(QStringLiteral("Big"), "the earlier sheet"));
        const pid_t child = fork();  // the limit is the child's alone; it answers with its exit status
        QVERIFY(child >= 0);
        if (child == 0) {
            ignore_file_size_signal();
            const rlimit limit{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &limit);
            const OrRefusal<> saved = save_sheet(QStringLiteral("Big"), QByteArray(1 << 20, 'x'));
            _exit(saved ? 10 : QString::fromStdString(saved.refusal().detail).contains("too large", Qt::CaseInsensitive) ? 0 : 11);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the child was killed, or saw no \"too large\" error");
        QCOMPARE(testing::file_bytes("Big.nfo"), QByteArray("the earlier sheet"));
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{"Big.nfo"});
    }
};

QTEST_GUILESS_MAIN(TextFilesTest)
#include "text_files_test.moc"
