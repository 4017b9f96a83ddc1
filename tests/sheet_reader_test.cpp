// Sheets read back: the goldens and thousands of generated records compose
// again to the very text they were read from, what editors do to a sheet on
// saving is forgiven, and a text that is no sheet is refused at its first
// wrong line with what a sheet holds there.
#include "compose_sheet.h"
#include "read_sheet.h"
#include "test_support.h"

#include <QRegularExpression>

#include <random>

using namespace relwiz;
using namespace relwiz::testing;

namespace {

// The sheet of the record `text` reads as, or the refusal as the window shows it.
std::string recomposed(std::string_view text)
{
    const Outcome<ReleaseSheet> reading = read_sheet(text);
    return reading ? compose_sheet(*reading) : reading.refusal().message;
}

std::string edited(const QString& golden_name, const QString& pattern, const QString& replacement)
{
    return QString::fromStdString(golden(golden_name)).replace(QRegularExpression(pattern), replacement).toStdString();
}

}  // namespace

class SheetReaderTest : public QObject {
    Q_OBJECT

private slots:
    void what_editors_do_is_forgiven_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("group_line_break");  // the group's .nfo is kept byte for byte
        QTest::newRow("as_composed") << "\\A" << "" << "\r\n";
        QTest::newRow("lf_line_ends") << "\r\n" << "\n" << "\n";
        QTest::newRow("lf_and_crlf_mixed") << "\r\n(?=\r\n)" << "\n" << "\r\n";
        QTest::newRow("trailing_blanks_stripped") << " +(?=\r\n)" << "" << "\r\n";
        QTest::newRow("line_end_after_closing_rule") << "\\z" << "\r\n" << "\r\n";
        QTest::newRow("older_download_address") << "https:\\S+" << "http://old.example.net/relwiz.zip" << "\r\n";
    }

    void what_editors_do_is_forgiven()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, replacement);
        QFETCH(QString, group_line_break);
        for (const char* name : {"worked_example.nfo", "empty_record.nfo", "six_discs.nfo", "start_up.nfo"})
            RELWIZ_COMPARE_TEXT(recomposed(edited(name, pattern, replacement)),
                                edited(name, "(?<=GROUP NAME)\r\n", group_line_break));
    }

    void refused_at_the_first_wrong_line_data()
    {
        QTest::addColumn<QString>("golden_name");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("refusal");
        const auto row = [](const char* tag, const char* name, const char* pattern, const char* replacement,
                            const char* refusal) { QTest::newRow(tag) << name << pattern << replacement << refusal; };
        const char* worked = "worked_example.nfo";
        row("empty_file", worked, "[\\s\\S]+", "", "line 1: the slash rule that opens the sheet was expected here");
        row("plain_prose", worked, "[\\s\\S]+", "Dear diary,\nnothing happened today.",
            "line 1: the slash rule that opens the sheet was expected here");
        row("missing_rule", worked, "-+\r\n(?=Post)", "", "line 24: the dash rule that opens Post Information was expected here");
        row("labels_swapped", worked, "(Disc type.*\r\n)(Program.*\r\n)", "\\2\\1",
            "line 13: the \"Disc type\" line of General Information was expected here");
        row("no_such_answer", worked, "No\r\n#", "Maybe\r\n#",
            "line 16: \"Yes\" or \"No\" after \"Image is 'cracked'?\" was expected here");
        row("count_beyond_sections", worked, "\\.: 2\r\n", ".: 3\r\n",
            "line 66: the title line of Disc 3 Information was expected here: \"# of discs\" says 3");
        row("section_beyond_count", worked, "\\.: 2\r\n", ".: 1\r\n",
            "line 51: the title line of Release Group NFO or the credit line was expected here: \"# of discs\" says 1");
        row("support_files_out_of_order", worked, ".sfv covers", "covers .sfv",
            "line 33: \".sfv \", \".cue \", \"covers \", \"manuals \" in this order, or \"None, WTF!?\", after "
            "\"Support files posted\" was expected here");
        row("group_nfo_without_footer", worked, "\r\n-+\\z", "",
            "line 73: the credit footer at the end of the sheet was expected here");
        row("group_nfo_without_blank_line", worked, "notes\r\n\r\n", "notes\r\n",
            "line 71: the blank line that closes Release Group NFO was expected here");
        row("closing_rule_missing", "empty_record.nfo", "\r\n-+\\z", "",
            "line 34: the dash rule that closes the sheet was expected here");
        row("text_after_closing_rule", "empty_record.nfo", "\\z", "\r\n\r\n",
            "line 35: the end of the sheet after its closing dash rule was expected here");
    }

    void refused_at_the_first_wrong_line()
    {
        QFETCH(QString, golden_name);
        QFETCH(QString, pattern);
        QFETCH(QString, replacement);
        QFETCH(QString, refusal);
        QCOMPARE(QString::fromStdString(recomposed(edited(golden_name, pattern, replacement))), refusal);
    }

    // Values that hold the sheet's own punctuation, and group texts of rules,
    // titles and labels: each record's sheet reads as a record of that sheet.
    void generated_records_read_back()
    {
        const std::vector<std::string> values = {"", "x", "D\xc3\xa9j\xc3\xa0 \xe2\x82\xac", " proudly presents ",
            "Go to x for more info", " for more info", "# of discs..................: 3", "...: ", "Yes, ",
            "No, I am a lazy asshole.", "None, WTF!?", std::string(79, '-'), "  ", std::string(credit_line)};
        const std::vector<std::string> group_lines = {"", " ", std::string(79, '-'), "Release Group NFO",
            "Disc 1 Information ", "Disc type...................: x", std::string(credit_line), "\xe2\x96\x88 GROUP"};
        std::mt19937 random(2000);
        const auto pick = [&random](const std::vector<std::string>& from) { return from[random() % from.size()]; };
        for (int n = 0; n < 3000; ++n) {
            ReleaseSheet s;
            for (std::string* field : {&s.program_title, &s.poster_name, &s.disc_type, &s.platform, &s.category,
                     &s.serial_number, &s.release_group, &s.image_creation_app, &s.url, &s.group_posted_to,
                     &s.news_server, &s.parts_per_day, &s.repost_commences, &s.fills_policy})
                *field = pick(values);
            for (DiscInfo& disc : s.discs) {
                disc.image_format = ImageFormat(random() % 3);
                disc.needs_80min_cdr = YesNoChoice(random() % 3);
                disc.burn_tested = YesNoChoice(random() % 3);
                for (std::string* field : {&disc.volume_label, &disc.image_filename, &disc.image_file_size,
                         &disc.archive_format, &disc.archive_part_size, &disc.number_of_parts, &disc.archive_size})
                    *field = pick(values);
            }
            s.image_is_cracked = YesNoChoice(random() % 3);
            s.full_repost = YesNoChoice(random() % 3);
            s.disc_count = n % 7;
            for (bool* posted : {&s.support_sfv, &s.support_cue, &s.support_covers, &s.support_manuals})
                *posted = random() % 2;
            for (int lines = int(random() % 4); lines > 0; --lines)
                s.release_group_nfo += pick(group_lines) + (lines > 1 || random() % 2 ? "\r\n" : "");

            const std::string sheet = compose_sheet(s);
            const Outcome<ReleaseSheet> reading = read_sheet(sheet);
            QVERIFY2(reading, reading.refused() ? reading.refusal().message.c_str() : "");
            RELWIZ_COMPARE_TEXT(compose_sheet(*reading), sheet);
            // What the sheet does not show is left as the window starts.
            QVERIFY(s.full_repost == YesNoChoice::Yes || reading->repost_commences.empty());
            for (std::size_t i = std::size_t(s.disc_count); i < max_discs; ++i)
                QVERIFY(reading->discs[i].volume_label.empty() && reading->discs[i].burn_tested == YesNoChoice::None);
        }
    }
};

QTEST_APPLESS_MAIN(SheetReaderTest)
#include "sheet_reader_test.moc"
