// Whole sheets and whole sections, byte for byte.
#include "compose_sheet.h"
#include "sheet_text.h"
#include "worked_example.h"

#include <QTest>

#include <string>

using namespace relwiz;
using relwiz::testing::concat;
using relwiz::testing::crlf_lines;
using namespace relwiz::testing;

namespace {

// Fills every disc with text that names it, so a leak of a disc beyond the
// count is easy to spot.
ReleaseSheet with_marked_discs(int disc_count)
{
    ReleaseSheet sheet;
    sheet.disc_count = disc_count;
    for (int i = 0; i < max_discs; ++i) {
        const std::string mark = "MARK" + std::to_string(i + 1);
        DiscInfo& disc = sheet.discs[static_cast<std::size_t>(i)];
        disc.volume_label = mark + "_label";
        disc.image_filename = mark + "_file";
        disc.archive_size = mark + "_size";
        disc.image_format = ImageFormat::Iso;
    }
    return sheet;
}

// What stands between the end of Post Information and the footer.
std::string_view between_post_and_footer(std::string_view sheet)
{
    const std::string_view post_end = "Support files posted........: None, WTF!?\r\n\r\n";
    const std::size_t begin = sheet.find(post_end) + post_end.size();
    const std::size_t end = sheet.size() - footer().size();
    return sheet.substr(begin, end - begin);
}

}  // namespace

class ComposerTest : public QObject {
    Q_OBJECT

private slots:
    void worked_example_gives_the_whole_sheet();
    void all_empty_record_gives_the_bare_sheet();
    void sheet_is_framed_and_stable_data();
    void sheet_is_framed_and_stable();

    void general_optional_lines_data();
    void general_optional_lines();
    void blanks_around_values_survive();

    void repost_line_data();
    void repost_line();
    void support_files_line_data();
    void support_files_line();

    void disc_block_worked_example();
    void disc_block_with_nothing_chosen();
    void disc_sections_follow_the_count_data();
    void disc_sections_follow_the_count();

    void release_group_section_data();
    void release_group_section();

    void values_are_copied_unchanged_data();
    void values_are_copied_unchanged();
    void credit_line_names_the_generator();
};

void ComposerTest::worked_example_gives_the_whole_sheet()
{
    RELWIZ_COMPARE_TEXT(compose_sheet(worked_example()), worked_example_sheet());
}

void ComposerTest::all_empty_record_gives_the_bare_sheet()
{
    const std::string expected = concat({crlf_lines({
        slash_rule,
        star_rule,
        "",
        " proudly presents ",
        "",
        star_rule,
        slash_rule,
        "",
        dash_rule,
        general_title,
        dash_rule,
        "",
        "Disc type...................: ",
        "Program platform............: ",
        "Program category............: ",
        "Serial number...............: ",
        "Release group...............: ",
        "Image creation application..: ",
        "",
        "Go to  for more info",
        "",
        dash_rule,
        post_title,
        dash_rule,
        "",
        "Group posted to.............: ",
        "News server used............: ",
        "Parts per day...............: ",
        "My fills policy.............: ",
        "Support files posted........: None, WTF!?",
        "",
        "",
    }), footer()});

    RELWIZ_COMPARE_TEXT(compose_sheet(ReleaseSheet{}), expected);
}

void ComposerTest::sheet_is_framed_and_stable_data()
{
    QTest::addColumn<bool>("worked");
    QTest::newRow("empty_record") << false;
    QTest::newRow("worked_example") << true;
}

void ComposerTest::sheet_is_framed_and_stable()
{
    QFETCH(bool, worked);
    const ReleaseSheet sheet = worked ? worked_example() : ReleaseSheet{};
    const std::string text = compose_sheet(sheet);

    QVERIFY(text.starts_with(concat({slash_rule, "\r\n"})));
    QVERIFY(text.ends_with(concat({"\r\n", dash_rule})));
    QCOMPARE(text.back(), '-');
    QVERIFY(text == compose_sheet(sheet));
}

void ComposerTest::general_optional_lines_data()
{
    QTest::addColumn<int>("cracked");
    QTest::addColumn<int>("disc_count");
    QTest::addColumn<QByteArray>("between_category_and_serial");

    const auto none = int(YesNoChoice::None), yes = int(YesNoChoice::Yes), no = int(YesNoChoice::No);
    QTest::newRow("nothing_chosen") << none << 0 << QByteArray();
    QTest::newRow("cracked_yes") << yes << 0 << QByteArray("Image is 'cracked'?.........: Yes\r\n");
    QTest::newRow("cracked_no_one_disc")
        << no << 1 << QByteArray("Image is 'cracked'?.........: No\r\n# of discs..................: 1\r\n");
    QTest::newRow("three_discs") << none << 3 << QByteArray("# of discs..................: 3\r\n");
    QTest::newRow("six_discs") << none << 6 << QByteArray("# of discs..................: 6\r\n");
}

void ComposerTest::general_optional_lines()
{
    QFETCH(int, cracked);
    QFETCH(int, disc_count);
    QFETCH(QByteArray, between_category_and_serial);

    ReleaseSheet sheet;
    sheet.category = "Game";
    sheet.image_is_cracked = YesNoChoice(cracked);
    sheet.disc_count = disc_count;
    std::string text;
    append_general_information(sheet, text);

    const std::string expected = concat({
        crlf_lines({dash_rule, general_title, dash_rule, "", "Disc type...................: ",
                    "Program platform............: ", "Program category............: Game", ""}),
        between_category_and_serial.toStdString(),
        crlf_lines({"Serial number...............: ", "Release group...............: ",
                    "Image creation application..: ", "", "Go to  for more info", "", ""}),
    });
    RELWIZ_COMPARE_TEXT(text, expected);
}

void ComposerTest::blanks_around_values_survive()
{
    ReleaseSheet sheet;
    sheet.poster_name = "Poster ";
    sheet.program_title = " Title ";
    std::string text;
    append_banner(sheet, text);
    RELWIZ_COMPARE_TEXT(text, crlf_lines({slash_rule, star_rule, "", "Poster  proudly presents  Title ", "",
                                          star_rule, slash_rule, "", ""}));
}

void ComposerTest::repost_line_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QByteArray>("commences");
    QTest::addColumn<QByteArray>("repost_line");

    QTest::newRow("yes") << int(YesNoChoice::Yes) << QByteArray("1 day after original post")
                         << QByteArray("Full repost?................: Yes, 1 day after original post\r\n");
    QTest::newRow("yes_without_commencement")
        << int(YesNoChoice::Yes) << QByteArray() << QByteArray("Full repost?................: Yes, \r\n");
    QTest::newRow("no_drops_commencement") << int(YesNoChoice::No) << QByteArray("tomorrow")
                                           << QByteArray("Full repost?................: No, I am a lazy asshole.\r\n");
    QTest::newRow("none_leaves_no_trace") << int(YesNoChoice::None) << QByteArray("tomorrow") << QByteArray();
}

void ComposerTest::repost_line()
{
    QFETCH(int, choice);
    QFETCH(QByteArray, commences);
    QFETCH(QByteArray, repost_line);

    ReleaseSheet sheet;
    sheet.parts_per_day = "100+";
    sheet.full_repost = YesNoChoice(choice);
    sheet.repost_commences = commences.toStdString();
    std::string text;
    append_post_information(sheet, text);

    const std::string expected = concat({
        crlf_lines({dash_rule, post_title, dash_rule, "", "Group posted to.............: ",
                    "News server used............: ", "Parts per day...............: 100+", ""}),
        repost_line.toStdString(),
        crlf_lines({"My fills policy.............: ", "Support files posted........: None, WTF!?", "", ""}),
    });
    RELWIZ_COMPARE_TEXT(text, expected);
}

void ComposerTest::support_files_line_data()
{
    QTest::addColumn<bool>("sfv");
    QTest::addColumn<bool>("cue");
    QTest::addColumn<bool>("covers");
    QTest::addColumn<bool>("manuals");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("none") << false << false << false << false
                          << QByteArray("Support files posted........: None, WTF!?");
    QTest::newRow("all_four") << true << true << true << true
                              << QByteArray("Support files posted........: .sfv .cue covers manuals ");
    QTest::newRow("manuals_only") << false << false << false << true
                                  << QByteArray("Support files posted........: manuals ");
    QTest::newRow("cue_and_covers") << false << true << true << false
                                    << QByteArray("Support files posted........: .cue covers ");
}

void ComposerTest::support_files_line()
{
    QFETCH(bool, sfv);
    QFETCH(bool, cue);
    QFETCH(bool, covers);
    QFETCH(bool, manuals);
    QFETCH(QByteArray, line);

    ReleaseSheet sheet;
    sheet.support_sfv = sfv;
    sheet.support_cue = cue;
    sheet.support_covers = covers;
    sheet.support_manuals = manuals;
    std::string text;
    append_post_information(sheet, text);

    // The line closes the section, followed by one blank line.
    QVERIFY(text.ends_with(concat({"My fills policy.............: \r\n", line.toStdString(), "\r\n\r\n"})));
}

void ComposerTest::disc_block_worked_example()
{
    const std::string expected = crlf_lines({
        dash_rule,
        disc_2_title,
        dash_rule,
        "",
        "Disc volume label...........: GAME_CD2",
        "Image format................: .bin + .cue",
        "Image filename..............: game2.bin",
        "Image file size in bytes....: 681984000",
        "Archive format..............: .rar",
        "Archive part size in bytes..: 15000000",
        "# of parts for this disc:...: 46",
        "Total archive size this disc: 679813120",
        "80 min CDR required?........: No",
        "Image has been burn tested?.: Yes",
        "",
        "",
    });
    RELWIZ_COMPARE_TEXT(format_disc_block(2, worked_example().discs[1]), expected);
}

void ComposerTest::disc_block_with_nothing_chosen()
{
    const std::string expected = crlf_lines({
        dash_rule,
        disc_1_title,
        dash_rule,
        "",
        "Disc volume label...........: ",
        "Image filename..............: ",
        "Image file size in bytes....: ",
        "Archive format..............: ",
        "Archive part size in bytes..: ",
        "# of parts for this disc:...: ",
        "Total archive size this disc: ",
        "",
        "",
    });
    RELWIZ_COMPARE_TEXT(format_disc_block(1, DiscInfo{}), expected);
}

void ComposerTest::disc_sections_follow_the_count_data()
{
    QTest::addColumn<int>("disc_count");
    QTest::newRow("none") << 0;
    QTest::newRow("three") << 3;
    QTest::newRow("six") << 6;
}

void ComposerTest::disc_sections_follow_the_count()
{
    QFETCH(int, disc_count);
    const ReleaseSheet sheet = with_marked_discs(disc_count);
    const std::string text = compose_sheet(sheet);

    std::string expected_sections;
    for (int number = 1; number <= disc_count; ++number)
        expected_sections += format_disc_block(number, sheet.discs[static_cast<std::size_t>(number - 1)]);
    RELWIZ_COMPARE_TEXT(between_post_and_footer(text), expected_sections);

    for (int number = 1; number <= max_discs; ++number) {
        const std::string mark = "MARK" + std::to_string(number);
        const std::string title = "Disc " + std::to_string(number) + " Information";
        QCOMPARE(text.find(mark) != std::string::npos, number <= disc_count);
        QCOMPARE(text.find(title) != std::string::npos, number <= disc_count);
    }
}

void ComposerTest::release_group_section_data()
{
    QTest::addColumn<QByteArray>("nfo");
    QTest::addColumn<QByteArray>("expected_tail");

    const QByteArray header = QByteArray::fromStdString(crlf_lines({dash_rule, nfo_title, dash_rule, "", ""}));
    const QByteArray closing = QByteArray::fromStdString(footer());
    QTest::newRow("absent") << QByteArray() << QByteArray("None, WTF!?\r\n\r\n") + closing;
    QTest::newRow("two_lines") << QByteArray("GROUP NAME\r\nrelease notes")
                               << header + "GROUP NAME\r\nrelease notes\r\n\r\n" + closing;
    QTest::newRow("ends_in_crlf") << QByteArray("GROUP NAME\r\n") << header + "GROUP NAME\r\n\r\n\r\n" + closing;
    QTest::newRow("single_blank") << QByteArray(" ") << header + " \r\n\r\n" + closing;
    QTest::newRow("line_ends_only") << QByteArray("\r\n") << header + "\r\n\r\n\r\n" + closing;
}

void ComposerTest::release_group_section()
{
    QFETCH(QByteArray, nfo);
    QFETCH(QByteArray, expected_tail);

    ReleaseSheet sheet;
    sheet.release_group_nfo = nfo.toStdString();
    const std::string text = compose_sheet(sheet);
    const std::string tail = expected_tail.toStdString();
    QVERIFY2(text.ends_with(tail), relwiz::testing::first_difference(
                                       std::string_view(text).substr(text.size() - std::min(text.size(), tail.size())),
                                       tail).constData());
    QCOMPARE(text.find("Release Group NFO") != std::string::npos, !nfo.isEmpty());
}

void ComposerTest::values_are_copied_unchanged_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("crlf_inside") << QByteArray("first\r\nsecond");
    QTest::newRow("lone_lf_and_cr") << QByteArray("a\nb\rc");
    QTest::newRow("longer_than_the_line") << QByteArray(200, 'x');
    QTest::newRow("utf8") << QByteArray("D\xc3\xa9j\xc3\xa0 vu \xe2\x82\xac 5");
    QTest::newRow("blanks_only") << QByteArray("   ");
}

void ComposerTest::values_are_copied_unchanged()
{
    QFETCH(QByteArray, value);
    const std::string v = value.toStdString();

    ReleaseSheet sheet;
    sheet.serial_number = v;
    sheet.fills_policy = v;
    sheet.disc_count = 1;
    sheet.discs[0].archive_size = v;
    const std::string text = compose_sheet(sheet);

    for (std::string_view label : {"Serial number...............: ", "My fills policy.............: ",
                                   "Total archive size this disc: "})
        QVERIFY2(text.find(concat({label, v, "\r\n"})) != std::string::npos, label.data());
}

void ComposerTest::credit_line_names_the_generator()
{
    QCOMPARE(credit_line.size(), std::size_t{79});
    QVERIFY(credit_line.find("Relwiz 2000") != std::string_view::npos);
    // The address, whatever it is, is followed only by blanks up to column 79.
    const std::size_t address = credit_line.find("http");
    QVERIFY(address != std::string_view::npos);
    const std::size_t address_end = credit_line.find(' ', address);
    QVERIFY(address_end - address <= 48);
    QVERIFY(credit_line.substr(address_end).find_first_not_of(' ') == std::string_view::npos);
}

QTEST_APPLESS_MAIN(ComposerTest)
#include "composer_test.moc"
