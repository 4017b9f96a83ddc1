// Saving: the bytes a sheet becomes, and saves that fail for real, root or not.
#include "ansi_encoding.h"
#include "save_sheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <optional>

using namespace relwiz;

namespace {

QByteArray read_file(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write_file(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
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

    void encodes_windows_1252_data();
    void encodes_windows_1252();
    void encodes_a_character_anywhere_in_a_run_of_ascii();
    void saves_the_bytes_verbatim();
    void replaces_a_longer_file_without_leftovers();
    void fails_without_touching_anything_data();
    void fails_without_touching_anything();
    void write_cut_short_by_file_size_limit_keeps_the_old_file();

private:
    std::optional<QTemporaryDir> folder;
    QString previous_directory;
};

void SaveSheetTest::init()
{
    folder.emplace();
    QVERIFY(folder->isValid());
    previous_directory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder->path()));
}

void SaveSheetTest::cleanup()
{
    QDir::setCurrent(previous_directory);
    folder.reset();
}

void SaveSheetTest::encodes_windows_1252_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii_and_crlf") << QStringLiteral("a b\r\nc") << QByteArray("a b\r\nc");
    QTest::newRow("latin_1") << QStringLiteral("\u00e9\u00a0\u00ff") << QByteArray("\xe9\xa0\xff");
    QTest::newRow("euro_and_quotes") << QStringLiteral("\u20ac\u201c\u201d\u2122\u0178")
                                     << QByteArray("\x80\x93\x94\x99\x9f");
    QTest::newRow("not_in_the_code_page") << QStringLiteral("\u0100\u4e2d") << QByteArray("??");
    QTest::newRow("c1_controls") << QStringLiteral("\u0080\u0081\u009d\u009f") << QByteArray("?\x81\x9d?");
    QTest::newRow("pair_is_one_character") << QStringLiteral("x\U0001F600y") << QByteArray("x?y");
    QTest::newRow("lone_surrogates") << QString(QChar(0xDC00)) + QChar(0xD800) + QChar('z') << QByteArray("??z");
    QTest::newRow("high_surrogate_at_end") << QString(QChar(0xDBFF)) << QByteArray("?");
    QTest::newRow("nul_and_controls") << QString(QChar(0)) + QChar(7) + QChar(0x1b) << QByteArray("\0\x07\x1b", 3);
}

void SaveSheetTest::encodes_windows_1252()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encode_windows_1252(text), bytes);
}

// ASCII goes sixteen characters at a time; whatever else there is must be
// found at every place in and across those blocks.
void SaveSheetTest::encodes_a_character_anywhere_in_a_run_of_ascii()
{
    const QList<std::pair<QString, QByteArray>> others = {
        {QStringLiteral("\u00e9"), "\xe9"},
        {QStringLiteral("\u20ac"), "\x80"},
        {QStringLiteral("\u4e2d"), "?"},
        {QStringLiteral("\u007f"), "\x7f"},
        {QStringLiteral("\u0080"), "?"},
        {QStringLiteral("\u0081"), "\x81"},
        {QStringLiteral("\U0001F600"), "?"},
        {QString(QChar(0xD800)), "?"},
    };
    const QString ascii = QStringLiteral("The quick brown fox jumps over the lazy dog 0123");
    for (const auto& [other, byte] : others) {
        for (qsizetype at = 0; at <= ascii.size(); ++at) {
            const QString text = ascii.left(at) + other + ascii.mid(at);
            const QByteArray expected = ascii.left(at).toLatin1() + byte + ascii.mid(at).toLatin1();
            QCOMPARE(encode_windows_1252(text), expected);
        }
    }
}

void SaveSheetTest::saves_the_bytes_verbatim()
{
    const SaveResult result = save_sheet(QStringLiteral("Caf\u00e9 \u20ac"), QStringLiteral("line\r\n\u00e9"));
    QVERIFY2(result.saved, qPrintable(result.error));
    QCOMPARE(result.file_name, QStringLiteral("Caf\u00e9 \u20ac.nfo"));
    QCOMPARE(read_file(QStringLiteral("Caf\u00e9 \u20ac.nfo")), QByteArray("line\r\n\xe9"));
    QCOMPARE(folder_entries(), QStringList{QStringLiteral("Caf\u00e9 \u20ac.nfo")});
}

void SaveSheetTest::replaces_a_longer_file_without_leftovers()
{
    write_file(QStringLiteral("Long.nfo"), QByteArray(1 << 20, 'x'));
    QVERIFY(save_sheet(QStringLiteral("Long"), QStringLiteral("short")).saved);
    QCOMPARE(read_file(QStringLiteral("Long.nfo")), QByteArray("short"));
    QVERIFY(save_sheet(QStringLiteral("Long"), QString()).saved);
    QCOMPARE(read_file(QStringLiteral("Long.nfo")), QByteArray());
    QCOMPARE(folder_entries(), QStringList{QStringLiteral("Long.nfo")});
}

void SaveSheetTest::fails_without_touching_anything_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing_folder") << "missing/sheet" << "No such file or directory";
    QTest::newRow("under_a_regular_file") << "old.nfo/sheet" << "Not a directory";
    QTest::newRow("target_is_a_directory") << "folder" << "directory";
    QTest::newRow("nul_in_title") << QStringLiteral("old") + QChar(0) + "x" << "NUL";
}

void SaveSheetTest::fails_without_touching_anything()
{
    QFETCH(QString, title);
    QFETCH(QString, reason);
    write_file(QStringLiteral("old.nfo"), "earlier sheet");
    QVERIFY(QDir().mkdir(QStringLiteral("folder.nfo")));

    const SaveResult result = save_sheet(title, QStringLiteral("new sheet"));
    QVERIFY(!result.saved);
    QVERIFY2(result.error.contains(reason, Qt::CaseInsensitive), qPrintable(result.error));
    QCOMPARE(result.file_name, title + ".nfo");
    QCOMPARE(read_file(QStringLiteral("old.nfo")), QByteArray("earlier sheet"));
    QCOMPARE(folder_entries(), (QStringList{QStringLiteral("folder.nfo"), QStringLiteral("old.nfo")}));
}

void SaveSheetTest::write_cut_short_by_file_size_limit_keeps_the_old_file()
{
    const QByteArray earlier = "the earlier, complete sheet";
    write_file(QStringLiteral("Big.nfo"), earlier);

    // The limit applies to the child alone; it reports through its exit status.
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        ignore_file_size_signal();
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const SaveResult result = save_sheet(QStringLiteral("Big"), QString(1 << 20, QLatin1Char('x')));
        if (result.saved)
            _exit(10);
        if (!result.error.contains(QLatin1String("too large"), Qt::CaseInsensitive)) {
            std::fprintf(stderr, "unexpected reason: %s\n", qPrintable(result.error));
            _exit(11);
        }
        _exit(0);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status), "the child was killed instead of seeing the write fail");
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(read_file(QStringLiteral("Big.nfo")), earlier);
    QCOMPARE(folder_entries(), QStringList{QStringLiteral("Big.nfo")});
}

QTEST_GUILESS_MAIN(SaveSheetTest)
#include "save_sheet_test.moc"
