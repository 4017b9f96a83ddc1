// Reading a disc's dropped files: images built here sector by sector, archive
// sets of empty or sparse parts, and every refusal with the message it shows.
#include "disc_files.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace relwiz::release_files;

namespace {

// What a drop gave, on one line: "game.bin 94080 bin label=GAME_CD 74min; .rar 3 parts 50 120", or why
// it was refused (followed by what was filled in all the same, which must be nothing).
QString describe(const DiscFiles& found)
{
    QStringList said{QString::fromStdString(found.refusal)};
    if (const std::optional<DiscImage>& image = found.image)
        said << QString::fromStdString(image->file_name) + ' ' + QString::number(image->size)
                    + (image->bin_cue ? " bin " : " iso ")
                    + (image->volume_label ? "label=" + QString::fromStdString(*image->volume_label) : "no label")
                    + (image->needs_80min_cdr ? " 80min" : " 74min");
    if (const std::optional<ArchiveSet>& set = found.archive)
        said << QString::fromStdString(set->format)
                    + QString(" %1 parts %2 %3").arg(set->parts).arg(set->largest_part).arg(set->total_size);
    said.removeAll(QString());  // no refusal
    return said.join("; ");
}

// Type 1 is the primary descriptor, 2 a supplementary one (Joliet with an escape sequence), 255 the terminator.
QByteArray descriptor(char type, const QByteArray& identifier = {}, const QByteArray& escape = {})
{
    QByteArray bytes(2048, '\0');
    bytes[0] = type;
    bytes.replace(1, 5, "CD001");
    bytes.replace(40, 32, identifier.leftJustified(32, ' '));
    bytes.replace(88, escape.size(), escape);
    return bytes;
}

QByteArray joliet(const QString& label, const QByteArray& escape = "%/E")
{
    const QByteArray ucs2 = QStringEncoder(QStringConverter::Utf16BE)(label);
    return descriptor(2, ucs2.leftJustified(32, '\0'), escape);
}

const QByteArray terminator = descriptor(char(255));

// The descriptors from sector 16 on, in sectors of the size their data offset implies: cooked (offset 0),
// MODE2/2336 (8), or raw sectors of mode 1 (16) or 2 (24), which start with the sync pattern.
void write_image(const QString& path, int data_offset, const QByteArrayList& descriptors, qint64 sectors)
{
    const int sector_size = data_offset == 0 ? 2048 : data_offset == 8 ? 2336 : 2352;
    const QByteArray sync = '\0' + QByteArray(10, '\xFF') + '\0';
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (int i = 0; i < descriptors.size(); ++i) {
        QByteArray sector(sector_size, '\0');
        if (sector_size == 2352)
            sector.replace(0, 16, sync + QByteArray(3, '\0') + char(data_offset == 16 ? 1 : 2));
        sector.replace(data_offset, 2048, descriptors[i]);
        QVERIFY(file.seek(qint64(16 + i) * sector_size) && file.write(sector) == sector_size);
    }
    QVERIFY(file.resize(sectors * sector_size));
}

// Makes the file a description names: "name", "name 4096" (sparse, of that size), "name=its text",
// "fifo name" or "link name" (a dangling link).
void make(const QDir& dir, const QString& description)
{
    const QStringList words = description.split(' ');
    if (words[0] == "fifo")
        return void(mkfifo(qPrintable(dir.filePath(words[1])), 0600));
    if (words[0] == "link")
        return std::filesystem::create_symlink("nowhere", dir.filePath(words[1]).toStdString());
    QFile file(dir.filePath(description.section('=', 0, 0).section(' ', 0, 0)));
    QVERIFY(dir.mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly));
    file.write(description.section('=', 1).toUtf8());
    QVERIFY(description.contains('=') || file.resize(words.value(1).toLongLong()));
}

// pattern's %1 numbered from..to with at least two digits, each part of the given size.
QStringList numbered(const QString& pattern, int from, int to, qint64 size)
{
    QStringList files;
    for (int n = from; n <= to; ++n)
        files << pattern.arg(n, 2, 10, QChar('0')) + ' ' + QString::number(size);
    return files;
}

}  // namespace

class ReleaseFilesTest : public QObject {
    Q_OBJECT

private slots:
    void image_data()
    {
        QTest::addColumn<int>("data_offset");
        QTest::addColumn<QByteArrayList>("descriptors");
        QTest::addColumn<QString>("found");  // starts with the image's name
        QTest::addColumn<QString>("cue");    // when set, game.cue holds it and is dropped alone
        QTest::addColumn<qint64>("sectors");
        const auto row = [](const char* tag, int data_offset, const QByteArrayList& descriptors, const QString& found,
                            const QString& cue = {}, qint64 sectors = 40) {
            QTest::newRow(tag) << data_offset << descriptors << found << cue << sectors;
        };
        const QByteArrayList labelled{descriptor(1, "GAME_CD"), terminator};
        const QString iso = "game.iso 81920 iso ";
        const QString bin = "game.bin 94080 bin ";
        row("primary", 0, labelled, iso + "label=GAME_CD 74min");
        row("Joliet wins", 0, {descriptor(1, "SPIEL"), joliet("Spiel für Alle"), terminator},
            iso + "label=Spiel für Alle 74min");
        row("Joliet first", 0, {joliet("Über", "%/@"), descriptor(1, "UBER")}, iso + "label=Über 74min");
        row("no escape, no Joliet", 0, {descriptor(2, "J"), descriptor(1, "P")}, iso + "label=P 74min");
        row("Latin-1, NUL filled", 0, {descriptor(1, QByteArray("\xC9T\xC9\0", 4))}, iso + "label=ÉTÉ 74min");
        row("blank label", 0, {descriptor(1)}, iso + "label= 74min");
        row("after terminator", 0, {terminator, descriptor(1, "LATE")}, iso + "no label 74min");
        row("33rd descriptor", 0, QByteArrayList(40, descriptor(0)) + labelled, iso + "no label 74min");
        row("truncated", 0, labelled, "game.iso 32768 iso no label 74min", {}, 16);
        row("bin, mode 1", 16, labelled, bin + "label=GAME_CD 74min");
        row("bin, mode 2", 24, labelled, bin + "label=GAME_CD 74min");
        row("bin, cooked", 0, labelled, "game.bin 81920 bin label=GAME_CD 74min");
        row("cue, quoted", 16, labelled, bin + "label=GAME_CD 74min", "FILE \"game.bin\" BINARY\n TRACK 01 MODE1/2352");
        row("cue, CR LF", 8, labelled, "game.bin 93440 bin label=GAME_CD 74min",
            "\r\n\r\n\tfile game.bin binary\r\n  track 01 mode2/2336\r\n");
        row("cue, audio", 16, labelled, bin + "no label 74min", "FILE game.bin BINARY\nTRACK 01 AUDIO");
        row("74 minutes", 0, labelled, "game.iso 681984000 iso label=GAME_CD 74min", {}, 333000);
        row("a sector more", 0, labelled, "game.iso 681986048 iso label=GAME_CD 80min", {}, 333001);
        row("74 raw minutes", 16, labelled, "game.bin 783216000 bin label=GAME_CD 74min", {}, 333000);
        row("5 GiB", 0, labelled, "game.iso 5368709120 iso label=GAME_CD 80min", {}, 2621440);
    }

    void image()
    {
        QFETCH(int, data_offset);
        QFETCH(QByteArrayList, descriptors);
        QFETCH(QString, found);
        QFETCH(QString, cue);
        QFETCH(qint64, sectors);
        QTemporaryDir dir;
        const QString image = dir.filePath(found.section(' ', 0, 0));
        write_image(image, data_offset, descriptors, sectors);
        if (!cue.isEmpty())
            make(QDir(dir.path()), "game.cue=" + cue);
        // Without a cue, the folder is dropped and the image in it too: it must still count as one image.
        const DiscFiles disc = cue.isEmpty() ? read_disc_files({dir.path().toStdString(), image.toStdString()})
                                             : read_disc_files({dir.filePath("game.cue").toStdString()});
        QCOMPARE(describe(disc), found);
        QVERIFY(disc.image_bytes_read <= 128 * 1024);
    }

    // Each row's files are made in a folder of their own, and the folder is dropped.
    void drop_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("found");
        const auto row = [](const char* tag, const QStringList& files, const QString& found) {
            QTest::newRow(tag) << files << found;
        };
        const QString drop_one = "Drop one disc's files at a time: ";
        row("one rar", {"game.rar 100", "game.sfv", "fifo game.nfo"}, ".rar 1 parts 100 100");
        row("r00 to s00", QStringList{"Game.RAR 9", "Game.S00 3"} + numbered("Game.R%1", 0, 99, 9),
            ".rar 102 parts 9 912");
        row("part01", {"g.part01.rar 50", "g.part02.rar 50", "g.part03.rar 20"}, ".rar 3 parts 50 120");
        row("part1 to part10", numbered("g.part%1.rar", 1, 10, 4).replaceInStrings("part0", "part"),
            ".rar 10 parts 4 40");
        row("zip", {"game.z01 10", "game.z02 10", "game.zip 5"}, ".zip 3 parts 10 25");
        row("ace", {"game.ace 8", "game.c00 2"}, ".ace 2 parts 8 10");
        row("arj", {"game.arj 1", "game.a01 2", "game.a02 3"}, ".arj 3 parts 3 6");
        row("7z", {"game.7z.001 6", "game.7z.002 1"}, ".7z 2 parts 6 7");
        row("over 4 GiB", {"game.rar 5368709120", "game.r00 3221225473"}, ".rar 2 parts 5368709120 8589934593");
        // Subfolders are passed over, not searched: the stray part in one would leave a gap.
        row("image and parts", {"game.iso 8192", "game.rar 7", "game.r00 5", "extras.iso/game.r05"},
            "game.iso 8192 iso no label 74min; .rar 2 parts 7 12");
        row("two isos", {"game.iso", "extra.iso"}, drop_one + "extra.iso and game.iso are two disc images.");
        row("cue and another bin", {"game.cue=FILE game.bin BINARY", "game.bin", "more.bin"},
            drop_one + "game.cue and more.bin are two disc images.");
        row("cue's bin missing", {"game.cue=FILE \"Game Disc.bin\" BINARY"},
            "Game Disc.bin, the image that game.cue names, is missing.");
        row("cue names nothing", {"game.cue=TRACK 01 MODE1/2352"}, "game.cue names no image file.");
        row("gap", {"game.rar", "game.r00", "game.r01", "game.r03"}, "game.r02 is missing.");
        row("first part", {"Game.PART02.RAR"}, "Game.PART01.RAR is missing.");
        row("zip's last part", {"game.z01", "game.z02"}, "game.zip is missing.");
        row("two stems", {"game.rar", "other.r00"}, drop_one + "game.rar and other.r00 belong to two archive sets.");
        row("two widths", {"g.part1.rar", "g.part02.rar"},
            drop_one + "g.part1.rar and g.part02.rar belong to two archive sets.");
        row("two schemes", {"g.rar", "g.part1.rar"}, drop_one + "g.part1.rar and g.rar belong to two archive sets.");
        row("same part twice", {"game.rar", "game.r00", "game.R00"},
            drop_one + "game.R00 and game.r00 belong to two archive sets.");
        row("FIFO image", {"fifo game.iso"}, "Cannot read game.iso: is not a regular file.");
        row("dangling part", {"game.rar", "link game.r00"}, "Cannot read game.r00: No such file or directory.");
        row("image read, parts refused", {"game.iso 100000", "game.rar", "game.r01"}, "game.r00 is missing.");
        row("nothing", {"game.nfo", "game.sfv", "game.7z", "fifo cover.jpg"},
            "None of the dropped files is a disc image or an archive part.");
    }

    void drop()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, found);
        QTemporaryDir dir;
        for (const QString& file : files)
            make(QDir(dir.path()), file);
        QCOMPARE(describe(read_disc_files({dir.path().toStdString()})), found);
    }

    // Counted before anything is opened: 10,000 files are read, one more is refused unread.
    void drop_of_more_than_10000_files()
    {
        std::vector<std::filesystem::path> dropped(10'000, "/nowhere/game.iso");
        QCOMPARE(describe(read_disc_files(dropped)), QString("Cannot read game.iso: No such file or directory."));
        dropped.emplace_back("/nowhere/game.iso");
        QCOMPARE(describe(read_disc_files(dropped)),
                 QString("More than 10,000 files were dropped; drop one disc's files or its folder."));
    }
};

QTEST_APPLESS_MAIN(ReleaseFilesTest)
#include "release_files_test.moc"
