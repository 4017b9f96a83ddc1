// Reading a disc's dropped files: images built here sector by sector, archive
// sets of empty or sparse parts, and every refusal with the message it shows.
#include "crc32.h"
#include "disc_files.h"
#include "image_source.h"
#include "read_count.h"
#include "sfv_file.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <algorithm>

using namespace relwiz::release_files;

namespace {

// What a drop gave, on one line: "g.bin 94080 bin GAME_CD 74min; .rar 3 parts 50 120 g: g.rar to g.r01;
// checked against g.sfv" ("-" for no label), or why it was refused.
QString describe(const relwiz::Outcome<DiscFiles>& found)
{
    if (!found)
        return QString::fromStdString(found.refusal().message);
    std::string said;
    if (const std::optional<DiscImage>& image = found->image)
        said += "; " + image->file_name + ' ' + std::to_string(image->size) + (image->kind == ImageKind::bin_cue ? " bin " : image->kind == ImageKind::iso ? " iso " : " other ")
              + image->volume_label.value_or("-") + (image->needs_80min_cdr ? " 80min" : " 74min");
    if (const std::optional<ArchiveSet>& set = found->archive)
        said += "; " + set->format + ' ' + std::to_string(set->parts) + " parts " + std::to_string(set->largest_part)
              + ' ' + std::to_string(set->total_size) + ' ' + set->name + ": "
              + set->part_files.front().filename().string() + " to " + set->part_files.back().filename().string();
    if (found->sfv)
        said += "; checked against " + found->sfv->filename().string();
    return QString::fromStdString(said.starts_with("; ") ? said.substr(2) : said);
}

// Type 1 is the primary descriptor, its identifier in Latin-1; 2 a supplementary one, Joliet with an escape
// sequence, its identifier then in UCS-2; 255 the terminator.
QByteArray descriptor(char type, const QString& identifier = {}, const QByteArray& escape = {})
{
    const QByteArray ucs2 = QStringEncoder(QStringConverter::Utf16BE)(identifier);
    QByteArray bytes = type + QByteArray("CD001").leftJustified(2047, '\0');
    bytes.replace(40, 32, escape.isEmpty() ? identifier.toLatin1().leftJustified(32, ' ') : ucs2.leftJustified(32, '\0'));
    return bytes.replace(88, escape.size(), escape);
}

const QByteArray terminator = descriptor(char(255));

QByteArrayList labels(const QString& primary, const QString& joliet)
{
    return {descriptor(1, primary), descriptor(2, joliet, "%/@"), terminator};
}

// The ends of archive parts, field by field as archive_ends.cpp cites the formats' documents.
QByteArray little_endian(quint64 value, int width)
{
    QByteArray bytes;
    for (int i = 0; i < width; ++i)
        bytes += char(value >> 8 * i);
    return bytes;
}

QByteArray big_endian(quint64 value, int width)
{
    QByteArray bytes = little_endian(value, width);
    std::reverse(bytes.begin(), bytes.end());
    return bytes;
}

// RAR 5: CRC32, Header size 3, Header type 5, Header flags 0x0004, End of archive flags; then 9 zeros.
QString rar5_end(char end_flags)
{
    const QByteArray header = QByteArray("\x03\x05\x04", 3) + end_flags;
    return QString::fromLatin1(little_endian(crc32_update(0, header), 4) + header + QByteArray(9, '\0'));
}

// RAR 4 ENDARC: HEAD_CRC, HEAD_TYPE 0x7B, HEAD_FLAGS, HEAD_SIZE; 6 bytes more with the data CRC (0x0002) and
// volume number (0x0008).
QString rar4_end(quint16 flags, quint16 crc_error = 0)
{
    const QByteArray block = '\x7B' + little_endian(flags, 2) + little_endian(flags & 0xA ? 13 : 7, 2)
                           + QByteArray(flags & 0xA ? 6 : 0, '\x11');
    return QString::fromLatin1(little_endian((crc32_update(0, block) ^ crc_error) & 0xFFFF, 2) + block);
}

// ZIP's end of central directory record: number of this disk, 14 bytes, a comment of 3 bytes.
QString zip_end(quint16 disk)
{
    const QByteArray record = "PK\x05\x06" + little_endian(disk, 2) + QByteArray(14, '\0') + little_endian(3, 2);
    return QString::fromLatin1(record + "abc");
}

// ARJ's main header: first_hdr_size 34, versions 11 and 1, host OS 2, arj flags, security version 0, file
// type 2, 27 bytes, the archive's name and an empty comment; its CRC-32.
QString arj_head(char flags)
{
    const QByteArray basic = QByteArray("\x22\x0B\x01\x02", 4) + flags + QByteArray("\0\x02", 2) + QByteArray(27, '\0')
                           + QByteArray("g.arj\0", 7);
    return QString::fromLatin1("\x60\xEA" + little_endian(basic.size(), 2) + basic + little_endian(crc32_update(0, basic), 4));
}

// The end of a Nero image whose sectors end at first_chunk: its chunks, END! and the footer, "NER5" and a
// 64-bit offset or "NERO" and a 32-bit one. A DAOX track is its mode, sector size and the offsets of its
// pregap, data and end; an ETNF one its offset, length and mode.
QByteArray nero_chunk(const char* id, const QByteArray& body)
{
    return id + big_endian(body.size(), 4) + body;
}

QByteArray daox_track(char mode, int sector_size, quint64 pregap, quint64 data, quint64 end)
{
    return QByteArray(12, '\0') + big_endian(sector_size, 2) + mode + QByteArray("\0\0\1", 3) + big_endian(pregap, 8)
         + big_endian(data, 8) + big_endian(end, 8);
}

QString nero_end(const QByteArray& chunks, quint64 first_chunk, bool v2 = true)
{
    return QString::fromLatin1(chunks + nero_chunk("END!", {})
                               + (v2 ? "NER5" + big_endian(first_chunk, 8) : "NERO" + big_endian(first_chunk, 4)));
}

// DiscJuggler's track table after the sectors at sectors_end, and its footer: per track its pregap and total
// sectors, mode (0 audio, 1, 2) and sector size code (0 2048, 1 2336, 2 2352), between the fields DeXT's notes
// pass over; version 4's marker and 3.00.780's 78 bytes in a v4 table, neither in a v2 one.
struct CdiTrack {
    int pregap, total, mode, size_code;
};

QString discjuggler_end(const QList<QList<CdiTrack>>& sessions, quint64 sectors_end, bool v4 = true,
                        const QByteArray& marks = QByteArray("\0\0\1\0\0\0\xFF\xFF\xFF\xFF", 10).repeated(2))
{
    QByteArray table = little_endian(sessions.size(), 2);
    for (const QList<CdiTrack>& session : sessions) {
        table += little_endian(session.size(), 2);
        for (const CdiTrack& track : session)
            table += QByteArray(4, '\0') + marks + QByteArray(4, '\0') + "\5g.cdi" + QByteArray(19, '\0')
                   + (v4 ? little_endian(0x80000000, 4) + QByteArray(8, '\7') : little_endian(333000, 4)) + QByteArray("\2\0", 2)
                   + little_endian(track.pregap, 4) + little_endian(track.total - track.pregap, 4) + QByteArray(6, '\0')
                   + little_endian(track.mode, 4) + QByteArray(16, '\0') + little_endian(track.total, 4)
                   + QByteArray(16, '\0') + little_endian(track.size_code, 4) + QByteArray(29, '\0')
                   + (v4 ? QByteArray(5, '\xFF') + QByteArray(4, '\xFF') + QByteArray(78, '\1') : QByteArray());
        table += QByteArray(v4 ? 13 : 12, '\0');
    }
    table += QByteArray(20, '\0');
    return QString::fromLatin1(table + little_endian(v4 ? 0x80000006 : 0x80000004, 4)
                               + little_endian(v4 ? table.size() + 8 : sectors_end, 4));
}

// An .mds of format version 1.version_minor: one session, its lead-out block, then per track its block
// (mode, sector size, start in the .mdf), its index block (sectors) and one name block for "*.mdf".
struct MdsTrack {
    char mode;
    int sector_size;
    quint64 start;
    quint32 sectors;
};

QString alcohol_descriptor(const QList<MdsTrack>& tracks, char major = 1)
{
    const int blocks_at = 0x70, indices_at = blocks_at + 0x50 * (tracks.size() + 1);
    const int names_at = indices_at + 8 * tracks.size();
    QByteArray mds = "MEDIA DESCRIPTOR" + QByteArray(1, major) + QByteArray("\5\0\0", 3) + little_endian(1, 2);
    mds = mds.leftJustified(0x50, '\0') + little_endian(0x58, 4) + QByteArray(4, '\0')                    // session at 0x58
        + little_endian(-150, 4) + little_endian(0, 4) + little_endian(1, 2) + char(tracks.size() + 1) + '\1'
        + little_endian(1, 2) + little_endian(tracks.size(), 2) + QByteArray(4, '\0') + little_endian(blocks_at, 4)
        + QByteArray(4, '\0') + '\xA2' + QByteArray(0x4B, '\0');                                            // the lead-out
    QByteArray indices;
    for (int i = 0; i < tracks.size(); ++i) {
        mds += tracks[i].mode + QByteArray("\0\x14\0", 3) + char(i + 1) + QByteArray(7, '\0')
             + little_endian(indices_at + 8 * i, 4) + little_endian(tracks[i].sector_size, 2) + QByteArray(0x12, '\0')
             + little_endian(0, 4) + little_endian(tracks[i].start, 8) + little_endian(1, 4) + little_endian(names_at, 4)
             + QByteArray(0x18, '\0');
        indices += little_endian(0, 4) + little_endian(tracks[i].sectors, 4);
    }
    return QString::fromLatin1(mds + indices + little_endian(names_at + 16, 4) + QByteArray(12, '\0') + QByteArray("*.mdf", 6));
}

// Makes the file a description names: "name", "name=its bytes" (Latin-1), "name 4096" (sparse, of that
// size, ended by the bytes after "=" if any) or "fifo name". Descriptors go from sector 16 of the track that
// begins at the byte offset after the data offset (0 if none), in sectors of the size the data offset
// implies: cooked (none or 0), MODE2/2336 (8), or raw sectors of mode 1 (16) or 2 (24), which start with
// the sync pattern, three address bytes and the mode; "16/2448" has sub-channel data after each raw sector.
void make(const QDir& dir, const QString& description, const QByteArrayList& descriptors)
{
    const QStringList words = description.section('=', 0, 0).split(' ');
    const QStringList layout = words.value(2).split('/');
    const int data_offset = layout[0].toInt();
    if (words[0] == "fifo")
        return void(mkfifo(qPrintable(dir.filePath(words[1])), 0600));
    QFile file(dir.filePath(words[0]));
    QVERIFY(dir.mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly));
    const int sector_size = layout.size() > 1 ? layout[1].toInt() : data_offset == 0 ? 2048 : data_offset == 8 ? 2336 : 2352;
    const qint64 track_start = words.value(3).toLongLong();
    const QByteArray sync = '\0' + QByteArray(10, '\xFF') + QByteArray(4, '\0') + char(data_offset / 8 - 1);
    const QByteArray head = (data_offset < 16 ? QByteArray() : sync).leftJustified(data_offset, '\0');
    for (int i = 0; i < descriptors.size(); ++i)
        QVERIFY(file.seek(track_start + (16 + i) * sector_size) && file.write(head + descriptors[i]) > 0);
    const QByteArray bytes = description.section('=', 1).toLatin1();
    QVERIFY(words.size() < 2 || (file.resize(words[1].toLongLong()) && file.seek(file.size() - bytes.size())));
    QVERIFY(file.write(bytes) == bytes.size());
}

}  // namespace

class ReleaseFilesTest : public QObject {
    Q_OBJECT

private slots:
    // Each row's files are made in a folder of their own, the first with the descriptors.
    void drop_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QByteArrayList>("descriptors");
        const auto row = [](const char* tag, const QStringList& files, const QString& found,
                            const QByteArrayList& descriptors = {}) {
            QTest::newRow(tag) << files << found << descriptors;
        };
        const QByteArrayList labelled{descriptor(1, QString("ÉTÉ") + QChar(0)), terminator};  // Latin-1, NUL filled
        const QString drop_one = "Drop one disc's files at a time: ";
        QStringList r00_to_s00{"Game.RAR 9", "Game.S00 3"};
        for (int n = 0; n < 100; ++n)
            r00_to_s00 << QString("Game.R%1 9").arg(n, 2, 10, QChar('0'));
        row("joliet_wins_over_4_gib", {"g.iso 5368709120"}, "g.iso 5368709120 iso Spiel für Alle 80min",
            {descriptor(1, "SPIEL"), descriptor(2, "Spiel für Alle", "%/E"), terminator});
        row("joliet_after_no_escape_in_mode_2", {"g.bin 94080 24"}, "g.bin 94080 bin Über 74min",
            {descriptor(2, "J"), descriptor(2, "Über", "%/@"), descriptor(1, "UBER")});
        row("after_terminator", {"g.iso 81920"}, "g.iso 81920 iso - 74min", {terminator, descriptor(1, "LATE")});
        // Only 32 descriptors are read: not the 33rd, nor the 40 after it, which would take the reads past 128 KiB.
        row("33rd_descriptor", {"g.iso 200704"}, "g.iso 200704 iso - 74min",
            QByteArrayList(32, descriptor(0)) + QByteArrayList{descriptor(1, "LATE")} + QByteArrayList(40, descriptor(0)));
        row("truncated", {"g.iso 33000"}, "g.iso 33000 iso - 74min", labelled);
        row("bin_mode_1_74_minutes", {"g.bin 783216000 16"}, "g.bin 783216000 bin ÉTÉ 74min", labelled);
        row("bin_cooked_a_sector_more", {"g.bin 681986048"}, "g.bin 681986048 bin ÉTÉ 80min", labelled);
        row("cue_1_quoted", {"g.bin 94080 16", "g.cue=FILE \"g.bin\" BINARY\n TRACK 01 MODE1/2352"},
            "g.bin 94080 bin ÉTÉ 74min", labelled);
        row("cue_2", {"g.bin 94080 24", "g.cue=FILE g.bin BINARY\nTRACK 01 MODE2/2352"},
            "g.bin 94080 bin ÉTÉ 74min", labelled);
        row("cue_2336_crlf", {"g.bin 93440 8", "g.cue=\r\n\r\n\tfile g.bin binary\r\n  track 01 mode2/2336\r\n"},
            "g.bin 93440 bin Game CD 74min", {descriptor(2, "Game CD", "%/C")});
        row("cue_audio", {"g.bin 94080 16", "g.cue=FILE g.bin BINARY\nTRACK 01 AUDIO"}, "g.bin 94080 bin - 74min", labelled);
        row("bin_2336_without_cue", {"g.bin 93440 8"}, "g.bin 93440 bin ÉTÉ 74min", labelled);
        row("cue_names_other_case", {"g.bin 94080 16", "g.cue=FILE \"G.BIN\" BINARY\nTRACK 01 MODE1/2352"},
            "g.bin 94080 bin ÉTÉ 74min", labelled);
        // 332,001 audio sectors of 2352 bytes and 1,000 data sectors of 2048: one more than 74 minutes.
        row("track_per_file", {"b.bin 2048000", "a.bin 780866352", "g.cue=FILE a.bin BINARY\nTRACK 01 AUDIO\n"
            "FILE b.bin BINARY\nTRACK 02 MODE1/2048"}, "g.cue 782914352 bin ÉTÉ 80min", labelled);
        // Joliet holds 16 characters: the primary label, when it goes on from them, holds the whole label.
        row("joliet_16th_a_blank", {"g.iso"}, "g.iso 38912 iso A LONG LABEL OF 30 CHARACTERS. 74min",
            labels("A LONG LABEL OF 30 CHARACTERS.", "a long label of "));
        row("joliet_16_primary_17", {"g.iso"}, "g.iso 38912 iso SIXTEEN CHARS OK! 74min",
            labels("SIXTEEN CHARS OK!", "Sixteen chars ok"));
        row("joliet_16_primary_16", {"g.iso"}, "g.iso 38912 iso Sixteen chars ok 74min",
            labels("SIXTEEN CHARS OK", "Sixteen chars ok"));
        row("joliet_15_primary_17", {"g.iso"}, "g.iso 38912 iso Game of fifteen 74min",
            labels("GAME OF FIFTEEN 2", "Game of fifteen"));
        row("primary_another_label", {"g.iso"}, "g.iso 38912 iso Sixteen chars ok 74min",
            labels("ANOTHER LONGER LABEL", "Sixteen chars ok"));
        row("primary_utf8", {"g.iso"}, "g.iso 38912 iso Für 🎮 74min",
            labels(QString::fromLatin1("F\xC3\xBCr \xF0\x9F\x8E\xAE"), ""));
        row("labels_of_blanks", {"g.iso"}, "g.iso 38912 iso - 74min", labels("    ", "    "));
        row("r00_to_s00", r00_to_s00, ".rar 102 parts 9 912 Game: Game.RAR to Game.S00");
        row("part1_to_part10", QString("g.part1.rar g.part2.rar g.part3.rar g.part4.rar g.part5.rar g.part6.rar g.part7.rar "
                                       "g.part8.rar g.part9.rar g.part10.rar").split(' '),
            ".rar 10 parts 0 0 g: g.part1.rar to g.part10.rar");
        row("zip", {"g.z01 10", "g.z02 11", "g.zip 5"}, ".zip 3 parts 11 26 g: g.z01 to g.zip");
        row("ace_over_4_gib", {"g.ace 5368709120", "g.c00 3221225473"},
            ".ace 2 parts 5368709120 8589934593 g: g.ace to g.c00");
        row("arj", {"g.arj 1", "g.a01 2", "g.a02 3"}, ".arj 3 parts 3 6 g: g.arj to g.a02");
        row("7z", {"g.7z.001 6", "g.7z.002 1"}, ".7z 2 parts 6 7 g: g.7z.001 to g.7z.002");
        row("7z_alone", {"g.7z 5"}, ".7z 1 parts 5 5 g: g.7z to g.7z");
        row("short_middle_part", {"g.part1.rar 10", "g.part2.rar 9", "g.part3.rar 3"},
            "g.part2.rar has 9 bytes but g.part1.rar has 10: every part but the last is as large as the first.");
        row("7z_long_middle_part", {"g.7z.001 6", "g.7z.002 7", "g.7z.003 1"},
            "g.7z.002 has 7 bytes but g.7z.001 has 6: every part but the last is as large as the first.");
        // The last part says whether more follow; the bytes of a RAR part may end in zeros.
        row("rar5_goes_on", {"g.part1.rar 30", "g.part2.rar=" + rar5_end(1)},
            "g.part3.rar is missing: g.part2.rar says the archive goes on.");
        row("rar5_last", {"g.rar=" + rar5_end(0)}, ".rar 1 parts 17 17 g: g.rar to g.rar");
        row("rar4_goes_on", {"g.rar 20", "g.r00=" + rar4_end(0x400B)},
            "g.r01 is missing: g.r00 says the archive goes on.");
        row("rar4_last", {"g.rar 20", "g.r00 20=" + rar4_end(0x4000)}, ".rar 2 parts 20 40 g: g.rar to g.r00");
        row("rar4_damaged_end", {"g.rar 20", "g.r00 20=" + rar4_end(0x4001, 1)},
            ".rar 2 parts 20 40 g: g.rar to g.r00");
        row("zip_says_3_parts", {"g.z01 10", "g.zip=" + zip_end(2)},
            "g.z02 is missing: g.zip says the archive has 3 parts.");
        row("zip_says_2_parts", {"g.z01 10", "g.zip=" + zip_end(1)}, ".zip 2 parts 25 35 g: g.z01 to g.zip");
        row("arj_goes_on", {"g.arj 9", "g.a01=" + arj_head(0x14)}, "g.a02 is missing: g.a01 says the archive goes on.");
        row("arj_last", {"g.arj 9", "g.a01=" + arj_head(0x10)}, ".arj 2 parts 49 58 g: g.arj to g.a01");
        // Subfolders are passed over, not searched, and so are other files, never opened.
        row("image_and_one_part", {"g.iso 8192", "g.rar 7", "g.sfv", "fifo g.nfo", "x.iso/g.r00"},
            "g.iso 8192 iso - 74min; .rar 1 parts 7 7 g: g.rar to g.rar; checked against g.sfv");
        row("sfv_named_after_the_set", {"g.r00 7", "a.sfv", "G.SFV", "g.sfv", "g.rar 7"},
            ".rar 2 parts 7 14 g: g.rar to g.r00; checked against g.sfv");
        row("cue_and_other_bin", {"g.bin", "m.bin", "g.cue=FILE g.bin BINARY"},
            drop_one + "g.cue and m.bin are two disc images.");
        row("cue_image_missing", {"g.cue=FILE \"a b.bin\" BINARY"}, "a b.bin, the image that g.cue names, is missing.");
        row("cue_names_no_image", {"g.cue=TRACK 01 MODE1/2352"}, "g.cue names no image file.");
        row("gap_after_the_image_was_read", {"g.iso 100000", "g.rar", "g.r00", "g.r01", "g.r03"}, "g.r02 is missing.");
        row("first_part_missing", {"Game.PART02.RAR"}, "Game.PART01.RAR is missing.");
        row("zip_missing", {"g.z01", "g.z02"}, "g.zip is missing.");
        row("two_stems", {"g.rar", "o.r00"}, drop_one + "g.rar and o.r00 belong to two archive sets.");
        row("two_widths", {"g.part1.rar", "g.part02.rar"},
            drop_one + "g.part1.rar and g.part02.rar belong to two archive sets.");
        row("same_part_twice", {"g.rar", "g.r00", "g.R00"}, drop_one + "g.R00 and g.r00 belong to two archive sets.");
        row("fifo_part", {"g.rar", "fifo g.r00", "g.r01"}, "Cannot read g.r00: is not a regular file.");
        // Nero: a DAOX chunk's audio track, then a data track with a pregap; an ETNF track of MODE2/2336.
        const QByteArray two_tracks = QByteArray(20, '\0') + "\1\2" + daox_track(7, 2352, 0, 0, 23520)
                                    + daox_track(5, 2352, 23520, 376320, 470400);
        const QString dao = nero_end(nero_chunk("DAOX", two_tracks), 470400);
        const QString dao_size = QString::number(470400 + dao.size());
        row("nrg_dao_pregap", {"g.nrg " + dao_size + " 16 376320=" + dao}, "g.nrg " + dao_size + " other ÉTÉ 74min", labelled);
        const QString tao = nero_end(nero_chunk("ETNF", big_endian(0, 4) + big_endian(93440, 4) + big_endian(3, 4)
                                                      + QByteArray(8, '\0')), 93440, false);
        row("nrg_old_tao", {"g.nrg 93484 8=" + tao}, "g.nrg 93484 other Game CD 74min", {descriptor(2, "Game CD", "%/C")});
        row("nrg_no_footer", {"g.nrg 4096"}, "g.nrg is not a Nero image, or it was cut short.");
        row("nrg_chain_outside", {"g.nrg 100=" + nero_end({}, 89)}, "g.nrg: its chunk table points outside the file.");
        row("nrg_track_into_chain", {"g.nrg 23134=" + nero_end(nero_chunk("DAOX", two_tracks), 23000)},
            "g.nrg: its chunk table does not add up.");
        // DiscJuggler: a Dreamcast disc's label is in its last session, not in the first data track.
        const QString dreamcast = discjuggler_end({{{150, 160, 1, 0}}, {{150, 190, 2, 1}}}, 771520);
        const QString cdi_size = QString::number(771520 + dreamcast.size());
        row("cdi_4_last_session", {"g.cdi " + cdi_size + " 8 678080=" + dreamcast}, "g.cdi " + cdi_size + " other ÉTÉ 74min",
            labelled);
        const QString cdi_2 = discjuggler_end({{{0, 40, 1, 2}}}, 94080, false);
        row("cdi_2", {"g.cdi " + QString::number(94080 + cdi_2.size()) + " 16=" + cdi_2},
            "g.cdi " + QString::number(94080 + cdi_2.size()) + " other ÉTÉ 74min", labelled);
        row("cdi_no_marks", {"g.cdi 94080=" + discjuggler_end({{{0, 40, 1, 2}}}, 0, true, QByteArray(20, '\1'))},
            "g.cdi: its track table does not add up.");
        row("cdi_track_into_table", {"g.cdi 81919=" + discjuggler_end({{{0, 40, 1, 0}}}, 0)},
            "g.cdi: its track table does not add up.");
        // Alcohol 120%: sectors with sub-channel data count as one each.
        row("mds_2448_over_74_minutes", {"g.mdf 815186448 16/2448", "g.mds=" + alcohol_descriptor({{'\xAA', 2448, 0, 333001}})},
            "g.mdf 815186448 other ÉTÉ 80min", labelled);
        row("mdf_with_mds_beside", {"g.mdf 94080 24", "beside G.MDS=" + alcohol_descriptor({{'\xEC', 2352, 0, 40}})},
            "g.mdf 94080 other ÉTÉ 74min", labelled);
        row("mdf_alone", {"g.mdf 94080"}, "g.mds, which describes g.mdf, is missing.");
        row("mds_version_2", {"g.mds=" + alcohol_descriptor({}, 2)},
            "g.mds is in Alcohol 120%'s format version 2.5, which is not read here.");
        row("mds_track_past_end", {"g.mdf 94079", "g.mds=" + alcohol_descriptor({{'\xAA', 2352, 0, 40}})},
            "g.mds: track 1 runs past the end of g.mdf.");
        // cdrdao, as read-cd writes it: an audio track, then a data track from a byte offset of the same file.
        row("toc_read_cd", {"g.bin 117600 16 23520", "g.toc=CD_ROM\nCD_TEXT { LANGUAGE 0 { TITLE \"TRACK\" } }\n// Track 1\n"
            "TRACK AUDIO\nNO COPY\nFILE \"G.BIN\" 0 00:00:10\n\n// Track 2\nTRACK MODE1_RAW\n"
            "DATAFILE \"g.bin\" #23520 // length in bytes: 94080\n"}, "g.bin 117600 other ÉTÉ 74min", labelled);
        row("toc_past_end", {"g.bin 4095", "g.toc=TRACK MODE1\nDATAFILE \"g.bin\" 00:00:02"},
            "g.toc: track 1 runs past the end of g.bin.");
        row("toc_unknown_mode", {"g.toc=TRACK MODE3\nFILE \"g.bin\" 0"}, "g.toc: track 1 is of a mode not known here.");
        row("toc_bad_time", {"g.toc=TRACK AUDIO\n\nFILE \"g.bin\" 0:60:00"}, "g.toc: line 3 cannot be read.");
        row("toc_file_missing", {"g.toc=TRACK MODE1\nDATAFILE \"a.bin\""}, "a.bin, the image that g.toc names, is missing.");
        // CloneCD: an audio track, then a mode 2 track from its address in minutes, seconds and frames.
        row("ccd_img_sub", {"g.img 117600 24 23520", "g.sub 4800", "g.ccd=[CloneCD]\r\nVersion=3\r\n[Entry 0]\r\n"
            "Point=0xa2\r\nPLBA=50\r\n[Entry 1]\nPoint=0x01\nControl=0x00\nPLBA=0\n[Entry 2]\nPoint=0x02\n"
            "Control=0x04\nPMin=0\nPSec=2\nPFrame=10\n[TRACK 2]\nMODE=2\nINDEX 1=10\n"}, "g.img 122400 other ÉTÉ 74min", labelled);
        row("ccd_without_img", {"g.ccd=[Entry 1]\nPoint=0x01\nPLBA=0"}, "g.img, the image that g.ccd names, is missing.");
        row("img_alone", {"G.IMG 94080"}, "G.CCD, which describes G.IMG, is missing.");
        row("subtitles_and_stray_img_beside_a_cue", {"g.bin 94080 16", "g.cue=FILE g.bin BINARY", "movie.sub", "movie.img"},
            "g.bin 94080 bin ÉTÉ 74min", labelled);
        row("ccd_mode_5", {"g.img 94080", "g.ccd=[Entry 1]\nPoint=1\n[TRACK 1]\nMODE=5"},
            "g.ccd: track 1 is of a mode not known here.");
        row("nothing", {"g.nfo", "g.sfv", "g.7zip", "fifo c.jpg"},
            "None of the dropped files is a disc image or an archive part.");
    }

    // The folder is dropped twice over: its files must still count once each. A row with files made
    // "beside" the others drops only the others.
    void drop()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, found);
        QFETCH(QByteArrayList, descriptors);
        QTemporaryDir dir;
        std::vector<std::filesystem::path> dropped{dir.path().toStdString(), dir.path().toStdString()};
        for (const QString& file : files) {
            const bool beside = file.startsWith("beside ");
            make(QDir(dir.path()), beside ? file.mid(7) : file, file == files[0] ? descriptors : QByteArrayList());
            if (beside)
                dropped = {dir.filePath(files[0].section(' ', 0, 0)).toStdString()};
        }
        std::optional<relwiz::Outcome<DiscFiles>> disc;
        const std::uint64_t read = relwiz::testing::bytes_read_by([&] { disc = read_disc_files(dropped); });
        QCOMPARE(describe(*disc), found);
        // At most 128 KiB of the image, a few KiB of its sheet or tables, and the end of the last part.
        const bool parts = std::any_of(files.begin(), files.end(), [](const QString& file) {
            const QStringList words = file.section('=', 0, 0).split(' ');
            return std::any_of(words.begin(), words.end(), [](const QString& word) { return is_archive_part_name(word.toStdString()); });
        });
        QVERIFY2(read <= 128 * 1024 + 4096 + (parts ? 65'557 : 0), qPrintable(QString::number(read)));
    }

    // A set has one part at least: files of which none is a part make none.
    void no_set_without_parts()
    {
        for (const std::vector<PartFile>& files : {std::vector<PartFile>{}, std::vector<PartFile>{{"g.nfo", 3}}}) {
            const auto set = archive_set_of(files);
            QCOMPARE(set ? "a set" : set.refusal().message, "None of the files is an archive part.");
        }
    }

    // A cue named without its folder finds its file in the current one, in any case, as by its full path.
    void cue_by_bare_name()
    {
        QTemporaryDir dir;
        make(QDir(dir.path()), "g.bin 94080 16", {});
        make(QDir(dir.path()), "g.cue=FILE \"G.BIN\" BINARY\nTRACK 01 MODE1/2352", {});
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const auto disc = read_disc_files({"g.cue"});
        QDir::setCurrent(before);
        QCOMPARE(describe(disc), QString("g.bin 94080 bin - 74min"));
    }

    // The file dialog's patterns show every name the reader takes, in any case, and no other.
    void dialog_patterns_match_the_names_read()
    {
        QList<QRegularExpression> patterns;
        for (const std::string& pattern : disc_file_patterns())
            patterns << QRegularExpression(QRegularExpression::wildcardToRegularExpression(QString::fromStdString(pattern)),
                                           QRegularExpression::CaseInsensitiveOption);
        const QStringList unread{"g.sfv.txt", "g.nfo", "g.r1", "g.rar.txt", "g.7z.x", "g.nrg.txt", "g.sub"};
        for (const QString& name : unread + QStringList{"g.iso", "G.BIN", "g.cue", "g.nrg", "G.TOC", "g.ccd", "g.img",
                                                        "g.mds", "G.MDF", "g.cdi", "g.rar", "g.r00", "g.S12", "g.part1.rar",
                                                        "g.part010.rar", "g.zip", "g.z01", "g.ace", "g.c99", "g.arj", "g.a01",
                                                        "g.7z.001", "g.7z.0001", "g.SFV"}) {
            const std::string file = name.toStdString();
            const bool read = is_image_file_name(file) || is_archive_part_name(file) || is_sfv_file_name(file);
            const bool shown = std::any_of(patterns.begin(), patterns.end(),
                                           [&](const QRegularExpression& pattern) { return pattern.match(name).hasMatch(); });
            QVERIFY2(read == shown && read == !unread.contains(name), qPrintable(name));
        }
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
