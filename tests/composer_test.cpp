// The composer, byte for byte: three whole sheets kept as files in tests/data,
// then each section's cases as one change to the empty record and the edits
// that change makes to the empty record's sheet.
#include "compose_sheet.h"
#include "test_support.h"

#include <functional>

using namespace relwiz;
using namespace relwiz::testing;
using Change = std::function<void(ReleaseSheet&)>;
Q_DECLARE_METATYPE(Change)

namespace {

constexpr const char* rule = "-------------------------------------------------------------------------------";

ReleaseSheet worked_example()
{
    return {.program_title = "Example Suite 4.0", .disc_type = "Application", .platform = "Windows 98 and 2000",
            .category = "Office suite", .image_is_cracked = YesNoChoice::No, .disc_count = 2,
            .serial_number = "Not needed", .release_group = "ExampleGroup", .image_creation_app = "CDRWIN",
            .url = "the publisher's home page", .release_group_nfo = "GROUP NAME\r\nrelease notes",
            .poster_name = "Poster42", .group_posted_to = "alt.binaries.example",
            .news_server = "my provider's server", .parts_per_day = "40", .full_repost = YesNoChoice::Yes,
            .repost_commences = "3 days after original post", .fills_policy = "Wait until after the repost, then ask.",
            .support_sfv = true, .support_covers = true,
            .discs = {{{"GAME_CD1", ImageFormat::Iso, "game1.iso", "650000000", ".zip", "15000000", "44", "649000000",
                        YesNoChoice::Yes, YesNoChoice::No},
                       {"GAME_CD2", ImageFormat::BinCue, "game2.bin", "681984000", ".rar", "15000000", "46",
                        "679813120", YesNoChoice::No, YesNoChoice::Yes},
                       {"GAME_CD3", ImageFormat::Iso, "never printed", "", "", "", "", "", YesNoChoice::No,
                        YesNoChoice::No}}}};  // beyond the count
}

// Every optional line of the sheet, and each choice both ways on some disc.
ReleaseSheet six_discs()
{
    ReleaseSheet s = worked_example();
    s.disc_count = 6;
    s.image_is_cracked = YesNoChoice::Yes;
    s.full_repost = YesNoChoice::No;
    s.support_cue = s.support_manuals = true;
    const char* formats[] = {".rar", ".zip", ".ace", ".arj", ".7z", ".7z"};
    for (int i = 0; i < 6; ++i) {
        const std::string n = std::to_string(i + 1);
        s.discs[std::size_t(i)] = {"GAME_CD" + n, i % 2 ? ImageFormat::BinCue : ImageFormat::Iso,
                                   "game" + n + (i % 2 ? ".bin" : ".iso"), std::to_string(650000000 + i * 1000),
                                   formats[i], "15000000", std::to_string(40 + i),
                                   std::to_string(600000000 + i * 15000000),
                                   i % 2 ? YesNoChoice::No : YesNoChoice::Yes,
                                   i % 3 ? YesNoChoice::Yes : YesNoChoice::No};
    }
    return s;
}

const QByteArray after_post = "None, WTF!?\r\n\r\n";
const QByteArray nfo_header =
    QByteArray(rule) + "\r\nRelease Group NFO" + QByteArray(62, ' ') + "\r\n" + rule + "\r\n\r\n";

}  // namespace

class ComposerTest : public QObject {
    Q_OBJECT

private slots:
    void whole_sheets()
    {
        RELWIZ_COMPARE_TEXT(compose_sheet(worked_example()), golden("worked_example.nfo"));
        RELWIZ_COMPARE_TEXT(compose_sheet({}), golden("empty_record.nfo"));
        RELWIZ_COMPARE_TEXT(compose_sheet(six_discs()), golden("six_discs.nfo"));
    }

    void one_change_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QByteArrayList>("edits");  // what the empty sheet holds, what it holds instead, ...

        const auto row = [](const char* tag, Change change, QByteArrayList edits) {
            QTest::newRow(tag) << change << edits;
        };
        const QByteArray category = "Program category............: \r\n";  // the rest is in the whole sheets
        const QByteArray fills = "My fills policy.............: \r\n";
        row("one_disc_left_empty", [](ReleaseSheet& s) { s.disc_count = 1; },
            {category, category + "# of discs..................: 1\r\n", after_post,
             after_post + rule + "\r\nDisc 1 Information" + QByteArray(61, ' ') + "\r\n" + rule + "\r\n\r\n" +
                 "Disc volume label...........: \r\nImage filename..............: \r\n"
                 "Image file size in bytes....: \r\nArchive format..............: \r\n"
                 "Archive part size in bytes..: \r\n# of parts for this disc:...: \r\n"
                 "Total archive size this disc: \r\n\r\n"});
        row("repost_yes_without_a_day", [](ReleaseSheet& s) { s.full_repost = YesNoChoice::Yes; },
            {fills, "Full repost?................: Yes, \r\n" + fills});
        row("repost_unset_leaves_no_trace", [](ReleaseSheet& s) { s.repost_commences = "1 day"; }, {});
        row("manuals_only", [](ReleaseSheet& s) { s.support_manuals = true; },
            {"posted........: None, WTF!?", "posted........: manuals "});
        row("nfo_of_one_blank", [](ReleaseSheet& s) { s.release_group_nfo = " "; },
            {after_post, after_post + nfo_header + " \r\n\r\n"});
        row("long_and_utf8_values_copied",
            [](ReleaseSheet& s) { s.disc_type = std::string(200, 'x'); s.fills_policy = "Déjà €"; },
            {"Disc type...................: \r\n", "Disc type...................: " + QByteArray(200, 'x') + "\r\n",
             fills, "My fills policy.............: Déjà €\r\n"});
    }

    void one_change()
    {
        QFETCH(Change, change);
        QFETCH(QByteArrayList, edits);
        QByteArray expected = QByteArray::fromStdString(golden(QStringLiteral("empty_record.nfo")));
        for (qsizetype i = 0; i + 1 < edits.size(); i += 2) {
            const qsizetype at = expected.indexOf(edits[i]);
            QVERIFY2(at >= 0, edits[i].constData());
            expected.replace(at, edits[i].size(), edits[i + 1]);
        }
        ReleaseSheet sheet;
        change(sheet);
        RELWIZ_COMPARE_TEXT(compose_sheet(sheet), expected.toStdString());
    }
};

QTEST_APPLESS_MAIN(ComposerTest)
#include "composer_test.moc"
