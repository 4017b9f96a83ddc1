// Saving: the bytes a sheet becomes, and a write the system cuts short.
#include "ansi_encoding.h"
#include "save_sheet.h"
#include "test_support.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>

using namespace relwiz;
using relwiz::testing::file_bytes;

namespace {

void write_file(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QStringList folder_entries()
{
    return QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

}  // namespace

class SaveSheetTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void every_bmp_character_encodes_as_windows_1252_does();
    void surrogates_and_runs_of_ascii_data();
    void surrogates_and_runs_of_ascii();
    void write_cut_short_by_file_size_limit_keeps_the_old_file();

private:
    std::optional<QTemporaryDir> folder;
    QString previous_directory;
};

void SaveSheetTest::init()
{
    folder.emplace();
    previous_directory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder->path()));
}

void SaveSheetTest::cleanup()
{
    QDir::setCurrent(previous_directory);
    folder.reset();
}

// Against Qt's own (ICU's) windows-1252 where it maps, "?" where it does not;
// the five bytes the code page leaves undefined carry the C1 controls of the same value.
void SaveSheetTest::every_bmp_character_encodes_as_windows_1252_does()
{
    int mapped = 0;
    for (char16_t code = 0; code < 0xFFFF; ++code) {
        if (QChar::isSurrogate(code))
            continue;
        const QString character(QChar{code});
        QStringEncoder reference("windows-1252");
        const QByteArray expected = reference.encode(character);
        mapped += !reference.hasError();
        QVERIFY2(encode_windows_1252(character) == (reference.hasError() ? "?" : expected),
                 qPrintable(QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0'))));
    }
    QCOMPARE(mapped, 256);
}

void SaveSheetTest::surrogates_and_runs_of_ascii_data()
{
    QTest::addColumn<QString>("other");
    QTest::addColumn<QByteArray>("byte");
    QTest::newRow("latin_1") << QStringLiteral("\u00e9") << QByteArray("\xe9");
    QTest::newRow("euro") << QStringLiteral("\u20ac") << QByteArray("\x80");
    QTest::newRow("undefined_byte") << QStringLiteral("\u0081") << QByteArray("\x81");
    QTest::newRow("delete") << QStringLiteral("\u007f") << QByteArray("\x7f");
    QTest::newRow("nul") << QString(QChar(0)) << QByteArray(1, '\0');
    QTest::newRow("beyond_the_code_page") << QStringLiteral("\u4e2d") << QByteArray("?");
    QTest::newRow("pair_is_one_character") << QStringLiteral("\U0001F600") << QByteArray("?");
    QTest::newRow("lone_high_surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    QTest::newRow("lone_low_then_high") << QString(QChar(0xDC00)) + QChar(0xD800) << QByteArray("??");
}

// ASCII goes sixteen characters at a time: anything else must be found at
// every place in and across those blocks, and at the very end.
void SaveSheetTest::surrogates_and_runs_of_ascii()
{
    QFETCH(QString, other);
    QFETCH(QByteArray, byte);
    const QString ascii = QStringLiteral("The quick brown fox jumps over the lazy dog 0123");
    for (qsizetype at = 0; at <= ascii.size(); ++at)
        QCOMPARE(encode_windows_1252(ascii.left(at) + other + ascii.mid(at)),
                 ascii.left(at).toLatin1() + byte + ascii.mid(at).toLatin1());
}

void SaveSheetTest::write_cut_short_by_file_size_limit_keeps_the_old_file()
{
    write_file(QStringLiteral("Big.nfo"), "the earlier, complete sheet");
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
    QCOMPARE(file_bytes(QStringLiteral("Big.nfo")), QByteArray("the earlier, complete sheet"));
    QCOMPARE(folder_entries(), QStringList{"Big.nfo"});
}

QTEST_GUILESS_MAIN(SaveSheetTest)
#include "save_sheet_test.moc"
