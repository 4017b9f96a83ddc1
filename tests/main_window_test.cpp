// The main window driven as a person would, from the first click to the
// bytes of the saved file.
#include "sheet_text.h"
#include "window_driver.h"
#include "worked_example.h"

#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>

#include <optional>

using namespace relwiz;
using namespace relwiz::testing;

namespace {

// What Preview shows before anything is entered but, perhaps, the title.
std::string start_up_sheet_with_title(std::string_view title)
{
    const std::string headline = concat({" proudly presents ", title});
    return concat({crlf_lines({
        slash_rule, star_rule, "", headline, "", star_rule, slash_rule, "",
        dash_rule, general_title, dash_rule, "",
        "Disc type...................: Select what this disc is",
        "Program platform............: Select the platform for this program",
        "Program category............: Enter the type of program / game / movie here",
        "Serial number...............: ",
        "Release group...............: ",
        "Image creation application..: Select your disc imaging program",
        "", "Go to  for more info", "",
        dash_rule, post_title, dash_rule, "",
        "Group posted to.............: ",
        "News server used............: ",
        "Parts per day...............: ",
        "My fills policy.............: ",
        "Support files posted........: None, WTF!?",
        "", "",
    }), footer()});
}

std::string start_up_sheet()
{
    return start_up_sheet_with_title("");
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opens_on_general_info_with_the_strip_focused();
    void preview_before_any_input_reads_the_start_up_state();
    void window_and_controls_stand_where_designed();
    void controls_take_the_design_fonts();
    void tab_strip_has_three_rows_of_three();
    void focus_follows_the_design_order_data();
    void focus_follows_the_design_order();
    void tab_leaves_the_multi_line_boxes();
    void keyboard_switches_tabs();
    void option_groups_are_exclusive_per_frame();
    void combo_boxes_keep_what_is_typed();
    void combo_lists_hold_their_items();
    void worked_example_typed_in_gives_the_whole_sheet_and_file();
    void hidden_disc_pages_keep_their_contents();
    void hand_edits_are_saved_then_discarded_by_preview();
    void clear_empties_only_the_preview();
    void title_changed_after_preview_names_the_file();
    void empty_title_and_empty_preview_save_empty_nfo();
    void longer_old_file_is_replaced_whole();
    void text_beyond_windows_1252_becomes_question_marks();
    void failed_save_is_reported_and_changes_nothing_data();
    void failed_save_is_reported_and_changes_nothing();
    void sheet_boxes_fit_79_columns();
    void inputs_are_named_by_their_labels();

private:
    std::optional<WindowDriver> window;
    std::optional<QTemporaryDir> folder;
    QString previous_directory;
};

void MainWindowTest::init()
{
    folder.emplace();
    QVERIFY(folder->isValid());
    previous_directory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder->path()));
    window.emplace();
}

void MainWindowTest::cleanup()
{
    window.reset();
    QDir::setCurrent(previous_directory);
    folder.reset();
}

void MainWindowTest::opens_on_general_info_with_the_strip_focused()
{
    MainForm& form = window->form();
    QCOMPARE(form.windowTitle(), QStringLiteral("Relwiz 2000 - The CD Image .nfo Utility by Tobi"));
    QCOMPARE(form.size(), QSize(705, 554));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(form.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    QCOMPARE(window->tabs().current_index(), 0);
    QTRY_COMPARE(window->focused(), window->tabs().strip());
    QVERIFY(window->control(QStringLiteral("Combo1"))->isVisible());
    QVERIFY(!window->control(QStringLiteral("poster_name_text"))->isVisible());
    QCOMPARE(window->preview_text(), QString());
}

void MainWindowTest::preview_before_any_input_reads_the_start_up_state()
{
    window->preview();
    QCOMPARE(window->preview_text(), as_shown(start_up_sheet()));
    window->create_nfo();
    RELWIZ_COMPARE_TEXT(file_bytes(QStringLiteral(".nfo")).toStdString(), start_up_sheet());
}

void MainWindowTest::window_and_controls_stand_where_designed()
{
    QWidget* tabs = &window->tabs();
    QCOMPARE(tabs->objectName(), QStringLiteral("SSTab1"));
    QCOMPARE(tabs->geometry(), QRect(0, 0, 705, 553));

    // Positions relative to the tab control, strip included, or to the frame.
    const struct {
        const char* name;
        int index;
        QWidget* relative_to;
        QRect pixels;
    } placed[] = {
        {"Combo1", -1, tabs, {112, 80, 233, 22}},
        {"category_text", -1, tabs, {112, 144, 233, 21}},
        {"Frame1", -1, tabs, {112, 168, 233, 41}},
        {"number_discs_radio_6", -1, window->control(QStringLiteral("Frame1")), {184, 16, 25, 14}},
        {"image_is_cracked_yes_radio", -1, window->control(QStringLiteral("Frame2")), {136, 16, 41, 14}},
        {"paste_nfo_text", -1, tabs, {16, 272, 657, 269}},
        {"Combo4", -1, tabs, {152, 176, 89, 22}},
        {"Check4", -1, tabs, {328, 328, 65, 17}},
        {"Frame4", -1, tabs, {8, 64, 665, 481}},
        {"archive_format_combo", 0, window->control(QStringLiteral("Frame4")), {192, 184, 121, 22}},
        {"burn_test_no_radio", 5, window->control(QStringLiteral("Frame25")), {136, 16, 41, 17}},
        {"Command4", -1, tabs, {600, 72, 73, 33}},
        {"preview_text", -1, tabs, {16, 112, 657, 429}},
    };
    for (const auto& control : placed) {
        QWidget* widget = window->control(QString::fromLatin1(control.name), control.index);
        const QRect actual(widget->mapTo(control.relative_to, QPoint(0, 0)), widget->size());
        QVERIFY2(actual == control.pixels, control.name);
    }
    // "Readme!" lines up with the right edge of the preview box.
    QCOMPARE(window->control(QStringLiteral("Command4"))->geometry().right(),
             window->control(QStringLiteral("preview_text"))->geometry().right());
    // A label may grow to fit its caption, but keeps its place.
    auto* label = window->control<QLabel>(QStringLiteral("Label24"));
    QCOMPARE(label->pos(), QPoint(32, 56));
    QVERIFY(label->width() >= 65);
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
}

void MainWindowTest::controls_take_the_design_fonts()
{
    int checked = 0;
    for (QWidget* control : window->tabs().findChildren<QWidget*>()) {
        const bool of_qt = control->objectName().isEmpty() || control->objectName().startsWith(QLatin1String("qt_"));
        if (of_qt || qobject_cast<QPlainTextEdit*>(control))
            continue;  // Qt's inner widgets, and the sheet boxes with their own font
        const QFont font = control->font();
        if (control == window->tabs().strip()) {
            QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
        } else {
            QVERIFY2(font.family() == QStringLiteral("Arial"), qPrintable(control->objectName()));
            QVERIFY2(font.pointSizeF() == 8.25, qPrintable(control->objectName()));
            ++checked;
        }
    }
    QVERIFY(checked > 200);
    for (const char* name : {"preview_text", "paste_nfo_text"})
        QVERIFY(QFontInfo(window->control(QString::fromLatin1(name))->font()).fixedPitch());
}

void MainWindowTest::tab_strip_has_three_rows_of_three()
{
    TabControl& tabs = window->tabs();
    const QStringList captions = {"General Info", "Post Info", "Disc 1 Info", "Disc 2 Info", "Disc 3 Info",
                                  "Disc 4 Info", "Disc 5 Info", "Disc 6 Info", "Preview / Generate .nfo"};
    QCOMPARE(tabs.count(), 9);
    for (int index = 0; index < 9; ++index) {
        QCOMPARE(tabs.tab_text(index), captions[index]);
        const QRect rect = tabs.tab_rect(index);
        QCOMPARE(rect.left(), 235 * (index % 3));
        QCOMPARE(rect.width(), 235);
        QVERIFY(qAbs(rect.height() - 295.0 / 15) < 1);
        QCOMPARE(rect.top(), index < 3 ? 0 : index < 6 ? 20 : 39);
    }
    QCOMPARE(tabs.strip_height(), 59);  // 885 twips

    // Choosing a tab leaves the rows where they were.
    window->click_tab(7);
    QCOMPARE(tabs.current_index(), 7);
    QCOMPARE(tabs.tab_rect(7).top(), 39);
    QCOMPARE(tabs.tab_rect(0).top(), 0);
}

void MainWindowTest::focus_follows_the_design_order_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("array_index");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("general_info")
        << 0 << -1
        << QStringList{"Combo1", "Combo2", "category_text", "number_discs_radio_1", "number_discs_radio_2",
                       "number_discs_radio_3", "number_discs_radio_4", "number_discs_radio_5",
                       "number_discs_radio_6", "program_title_text", "release_group_text", "url_text",
                       "Combo3", "image_is_cracked_no_radio", "image_is_cracked_yes_radio", "paste_nfo_text",
                       "serial_number_text"};
    QTest::newRow("post_info") << 1 << -1
                               << QStringList{"poster_name_text", "group_text", "server_text", "Combo4",
                                              "full_repost_yes_radio", "full_repost_no_radio", "Combo5",
                                              "Combo6", "Check1", "Check2", "Check3", "Check4"};
    const QStringList top_down = {"volume_label_text", "image_filename_text", "image_file_size_text",
                                  "archive_format_combo", "archive_part_size_text", "number_parts_text",
                                  "archive_size_text", "image_format_bin_radio", "image_format_iso_radio",
                                  "overburn_no_radio", "overburn_yes_radio", "burn_test_yes_radio",
                                  "burn_test_no_radio"};
    QStringList bottom_up = top_down;
    std::reverse(bottom_up.begin(), bottom_up.end());
    QTest::newRow("disc_1_top_down") << 2 << 0 << top_down;
    QTest::newRow("disc_2_bottom_up") << 3 << 1 << bottom_up;
    QTest::newRow("disc_6_bottom_up") << 7 << 5 << bottom_up;
    QTest::newRow("preview") << 8 << -1
                             << QStringList{"preview_text", "Command1", "Command2", "Command3", "Command4"};
}

void MainWindowTest::focus_follows_the_design_order()
{
    QFETCH(int, tab);
    QFETCH(int, array_index);
    QFETCH(QStringList, order);

    window->click_tab(tab);
    QTRY_COMPARE(window->focused(), window->tabs().strip());
    QStringList visited;
    for (qsizetype step = 0; step < order.size(); ++step) {
        window->press_tab();
        QWidget* focused = window->focused();
        QVERIFY(focused);
        if (array_index >= 0)
            QCOMPARE(focused->property("index").toInt(), array_index);
        visited << focused->objectName();
    }
    QCOMPARE(visited, order);
    // Past the page's last control the focus comes back to the strip.
    window->press_tab();
    QCOMPARE(window->focused(), window->tabs().strip());
}

void MainWindowTest::tab_leaves_the_multi_line_boxes()
{
    auto* paste = window->control<QPlainTextEdit>(QStringLiteral("paste_nfo_text"));
    window->click(paste);
    window->press_tab();
    QCOMPARE(window->focused()->objectName(), QStringLiteral("serial_number_text"));
    window->press_tab(Qt::ShiftModifier);
    QCOMPARE(window->focused(), paste);
    QCOMPARE(paste->toPlainText(), QString());  // no tab character typed
}

void MainWindowTest::keyboard_switches_tabs()
{
    TabControl& tabs = window->tabs();
    QTRY_COMPARE(window->focused(), tabs.strip());
    QTest::keyClick(tabs.strip(), Qt::Key_Right);
    QCOMPARE(tabs.current_index(), 1);
    QTest::keyClick(tabs.strip(), Qt::Key_Down);
    QCOMPARE(tabs.current_index(), 4);
    QTest::keyClick(tabs.strip(), Qt::Key_Left);
    QCOMPARE(tabs.current_index(), 3);

    // From inside a text box, too.
    window->type_into(QStringLiteral("volume_label_text"), QStringLiteral("CD2"), 1);
    QTest::keyClick(window->focused(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs.current_index(), 4);
    QTest::keyClick(window->focused(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(tabs.current_index(), 5);
    QTest::keyClick(window->focused(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(window->focused(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs.current_index(), 3);
    QTest::keyClick(window->focused(), Qt::Key_Home);
    QTest::keyClick(window->focused(), Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(tabs.current_index(), 8);  // wraps round
    QVERIFY(window->control(QStringLiteral("Command1"))->isVisible());
    QVERIFY(!window->control(QStringLiteral("volume_label_text"), 1)->isVisible());
    QCOMPARE(window->control<QLineEdit>(QStringLiteral("volume_label_text"), 1)->text(), QStringLiteral("CD2"));
}

void MainWindowTest::option_groups_are_exclusive_per_frame()
{
    const auto radio = [this](const char* name, int index = -1) {
        return window->control<QRadioButton>(QString::fromLatin1(name), index);
    };
    window->click(QStringLiteral("number_discs_radio_2"));
    window->click(QStringLiteral("number_discs_radio_5"));
    window->click(QStringLiteral("image_is_cracked_yes_radio"));
    QVERIFY(!radio("number_discs_radio_2")->isChecked());
    QVERIFY(radio("number_discs_radio_5")->isChecked());
    QVERIFY(radio("image_is_cracked_yes_radio")->isChecked());

    // Clicking the set button again does not clear the group.
    window->click(QStringLiteral("number_discs_radio_5"));
    QVERIFY(radio("number_discs_radio_5")->isChecked());

    // Each disc's pairs are groups of their own, on every page.
    window->click(QStringLiteral("overburn_yes_radio"), 2);
    window->click(QStringLiteral("burn_test_no_radio"), 2);
    window->click(QStringLiteral("image_format_iso_radio"), 2);
    window->click(QStringLiteral("image_format_bin_radio"), 2);
    QVERIFY(radio("overburn_yes_radio", 2)->isChecked());
    QVERIFY(radio("burn_test_no_radio", 2)->isChecked());
    QVERIFY(radio("image_format_bin_radio", 2)->isChecked());
    QVERIFY(!radio("image_format_iso_radio", 2)->isChecked());
    QVERIFY(!radio("overburn_yes_radio", 3)->isChecked());

    window->preview();
    const QString shown = window->preview_text();
    QVERIFY(shown.contains(QLatin1String("Image is 'cracked'?.........: Yes\n# of discs..................: 5\n")));
    QVERIFY(shown.contains(QLatin1String("Disc 3 Information")));
    QVERIFY(shown.contains(QLatin1String("Image format................: .bin + .cue\n")));
    QVERIFY(shown.contains(QLatin1String("80 min CDR required?........: Yes\nImage has been burn tested?.: No\n")));
    QVERIFY(!shown.contains(QLatin1String("Disc 6 Information")));
}

void MainWindowTest::combo_boxes_keep_what_is_typed()
{
    window->type_into(QStringLiteral("Combo4"), QStringLiteral("100\n"));
    window->type_into(QStringLiteral("Combo1"), QStringLiteral("game\n"));
    window->type_into(QStringLiteral("Combo2"), QStringLiteral("BeOS"));
    window->pick(QStringLiteral("Combo3"), QStringLiteral("Nero"));
    window->pick(QStringLiteral("archive_format_combo"), QStringLiteral(".ace"), 0);

    QCOMPARE(window->control<QComboBox>(QStringLiteral("Combo4"))->currentText(), QStringLiteral("100"));
    QCOMPARE(window->control<QComboBox>(QStringLiteral("Combo4"))->count(), 100);
    QCOMPARE(window->control<QComboBox>(QStringLiteral("Combo1"))->count(), 3);

    window->preview();
    const QString shown = window->preview_text();
    QVERIFY(shown.contains(QLatin1String("Parts per day...............: 100\n")));
    QVERIFY(shown.contains(QLatin1String("Disc type...................: game\n")));
    QVERIFY(shown.contains(QLatin1String("Program platform............: BeOS\n")));
    QVERIFY(shown.contains(QLatin1String("Image creation application..: Nero\n")));
}

void MainWindowTest::combo_lists_hold_their_items()
{
    const auto items = [this](const char* name, int index = -1) {
        auto* combo = window->control<QComboBox>(QString::fromLatin1(name), index);
        QStringList list;
        for (int row = 0; row < combo->count(); ++row)
            list << combo->itemText(row);
        return list;
    };
    QCOMPARE(items("Combo1"), (QStringList{"Application", "Game", "VCD"}));
    QCOMPARE(items("Combo2"), (QStringList{"Windows 98", "Windows 2000", "Windows 98 and 2000", "Windows NT",
                                           "Macintosh", "Playstation", "Linux"}));
    QCOMPARE(items("Combo4").first(), QStringLiteral("1"));
    QCOMPARE(items("Combo4").at(9), QStringLiteral("10"));
    QCOMPARE(items("Combo4").last(), QStringLiteral("100+"));
    QCOMPARE(items("Combo6").last(), QStringLiteral("Fuck off, impatient bastards!"));
    for (int disc = 0; disc < 6; ++disc)
        QCOMPARE(items("archive_format_combo", disc), (QStringList{".rar", ".zip", ".ace", ".arj"}));
    for (const char* name : {"Combo1", "Combo4", "Combo5"})
        QCOMPARE(window->control<QComboBox>(QString::fromLatin1(name))->currentIndex(), -1);
}

void MainWindowTest::worked_example_typed_in_gives_the_whole_sheet_and_file()
{
    WindowDriver& w = *window;
    w.type_into("program_title_text", "Example Suite 4.0");
    w.pick("Combo1", "Application");
    w.pick("Combo2", "Windows 98 and 2000");
    w.type_into("category_text", "Office suite");
    w.click("image_is_cracked_no_radio");
    w.click("number_discs_radio_2");
    w.type_into("serial_number_text", "Not needed");
    w.type_into("release_group_text", "ExampleGroup");
    w.pick("Combo3", "CDRWIN");
    w.type_into("url_text", "the publisher's home page");
    w.type_into("paste_nfo_text", "GROUP NAME\nrelease notes");

    w.type_into("poster_name_text", "Poster42");
    w.type_into("group_text", "alt.binaries.example");
    w.type_into("server_text", "my provider's server");
    w.pick("Combo4", "40");
    w.click("full_repost_yes_radio");
    w.pick("Combo5", "3 days after original post");
    w.pick("Combo6", "Wait until after the repost, then ask.");
    w.click("Check1");
    w.click("Check3");

    const struct {
        const char *label, *format, *file, *size, *archive, *part, *parts, *total, *overburn, *burn_test;
    } discs[] = {
        {"GAME_CD1", "image_format_iso_radio", "game1.iso", "650000000", ".zip", "15000000", "44", "649000000",
         "overburn_yes_radio", "burn_test_no_radio"},
        {"GAME_CD2", "image_format_bin_radio", "game2.bin", "681984000", ".rar", "15000000", "46", "679813120",
         "overburn_no_radio", "burn_test_yes_radio"},
        {"GAME_CD3", "image_format_bin_radio", "never printed", "", ".arj", "", "", "", "overburn_no_radio",
         "burn_test_no_radio"},
    };
    for (int i = 0; i < 3; ++i) {
        w.type_into("volume_label_text", discs[i].label, i);
        w.click(discs[i].format, i);
        w.type_into("image_filename_text", discs[i].file, i);
        w.type_into("image_file_size_text", discs[i].size, i);
        w.pick("archive_format_combo", discs[i].archive, i);
        w.type_into("archive_part_size_text", discs[i].part, i);
        w.type_into("number_parts_text", discs[i].parts, i);
        w.type_into("archive_size_text", discs[i].total, i);
        w.click(discs[i].overburn, i);
        w.click(discs[i].burn_test, i);
    }

    w.preview();
    QCOMPARE(w.preview_text(), as_shown(worked_example_sheet()));
    w.create_nfo();
    RELWIZ_COMPARE_TEXT(file_bytes("Example Suite 4.0.nfo").toStdString(), worked_example_sheet());

    // A second Preview gives the same text.
    w.preview();
    QCOMPARE(w.preview_text(), as_shown(worked_example_sheet()));
}

void MainWindowTest::hidden_disc_pages_keep_their_contents()
{
    window->click("number_discs_radio_2");
    window->type_into("volume_label_text", "SIXTH", 5);
    window->click_tab(0);
    window->click_tab(7);
    QVERIFY(window->control("volume_label_text", 5)->isVisible());
    QCOMPARE(window->control<QLineEdit>("volume_label_text", 5)->text(), QStringLiteral("SIXTH"));
    QVERIFY(window->control("volume_label_text", 5)->isEnabled());
}

void MainWindowTest::hand_edits_are_saved_then_discarded_by_preview()
{
    window->type_into("program_title_text", "Edited");
    window->preview();
    auto* box = window->control<QPlainTextEdit>("preview_text");
    window->click(box);
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    WindowDriver::type(box, "\nHand typed line");
    window->create_nfo();
    const std::string expected = concat({start_up_sheet_with_title("Edited"), "\r\nHand typed line"});
    RELWIZ_COMPARE_TEXT(file_bytes("Edited.nfo").toStdString(), expected);

    window->preview();
    QVERIFY(!window->preview_text().contains(QLatin1String("Hand typed")));
}

void MainWindowTest::clear_empties_only_the_preview()
{
    window->type_into("program_title_text", "Kept");
    window->click("Check2");
    window->preview();
    const QString before = window->preview_text();
    window->clear();
    QCOMPARE(window->preview_text(), QString());
    QCOMPARE(window->control<QLineEdit>("program_title_text")->text(), QStringLiteral("Kept"));
    QVERIFY(window->control<QCheckBox>("Check2")->isChecked());
    window->create_nfo();
    QCOMPARE(file_bytes("Kept.nfo"), QByteArray());
    window->preview();
    QCOMPARE(window->preview_text(), before);
}

void MainWindowTest::title_changed_after_preview_names_the_file()
{
    window->type_into("program_title_text", "Old");
    window->preview();
    window->type_into("program_title_text", "New");
    window->create_nfo();
    QVERIFY(!QFile::exists("Old.nfo"));
    RELWIZ_COMPARE_TEXT(file_bytes("New.nfo").toStdString(), start_up_sheet_with_title("Old"));
}

void MainWindowTest::empty_title_and_empty_preview_save_empty_nfo()
{
    window->create_nfo();
    QVERIFY(QFile::exists(".nfo"));
    QCOMPARE(QFileInfo(".nfo").size(), 0);
}

void MainWindowTest::longer_old_file_is_replaced_whole()
{
    {
        QFile old("Short.nfo");
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    window->type_into("program_title_text", "Short");
    window->preview();
    window->create_nfo();
    RELWIZ_COMPARE_TEXT(file_bytes("Short.nfo").toStdString(), start_up_sheet_with_title("Short"));
    QCOMPARE(QDir().entryList({"*"}, QDir::Files | QDir::Hidden), QStringList{"Short.nfo"});
}

void MainWindowTest::text_beyond_windows_1252_becomes_question_marks()
{
    window->type_into("program_title_text", QStringLiteral("Caf\u00e9"));
    window->type_into("poster_name_text", QStringLiteral("\u20ac \u0100 \u00a0"));
    // A character beyond the BMP arrives as one surrogate pair, pasted.
    QApplication::clipboard()->setText(QStringLiteral("x\U0001F600y"));
    auto* box = window->control<QPlainTextEdit>("paste_nfo_text");
    window->click(box);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    window->preview();
    window->create_nfo();

    const QByteArray bytes = file_bytes(QStringLiteral("Caf\u00e9.nfo"));
    QVERIFY(bytes.contains("\x80 ? \xa0 proudly presents Caf\xe9\r\n"));
    QVERIFY(bytes.contains("-\r\n\r\nx?y\r\n\r\n---"));
}

void MainWindowTest::failed_save_is_reported_and_changes_nothing_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing_folder") << "no such folder/sheet" << "No such file or directory";
    QTest::newRow("under_a_regular_file") << "plain_file/sheet" << "Not a directory";
    QTest::newRow("target_is_a_directory") << "a_folder" << "directory";
    QTest::newRow("nul_in_title") << QStringLiteral("bad") + QChar(0) + "name" << "NUL";
}

void MainWindowTest::failed_save_is_reported_and_changes_nothing()
{
    QFETCH(QString, title);
    QFETCH(QString, reason);
    {
        QFile plain("plain_file");
        QVERIFY(plain.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir().mkdir("a_folder.nfo"));

    auto* title_box = window->control<QLineEdit>("program_title_text");
    title_box->setText(title);  // a NUL cannot be typed
    window->preview();
    const QString shown = window->preview_text();

    const QString said = window->create_nfo_expecting_message();
    QVERIFY2(said.contains(QStringLiteral(".nfo")), qPrintable(said));
    QVERIFY2(said.contains(reason, Qt::CaseInsensitive), qPrintable(said));
    QCOMPARE(window->preview_text(), shown);
    QCOMPARE(title_box->text(), title);
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             (QStringList{"a_folder.nfo", "plain_file"}));
}

void MainWindowTest::sheet_boxes_fit_79_columns()
{
    for (const char* name : {"preview_text", "paste_nfo_text"}) {
        auto* box = window->control<QPlainTextEdit>(name);
        window->show_tab_of(box);
        QVERIFY(box->verticalScrollBar()->isVisible());
        QVERIFY(!box->horizontalScrollBar()->isVisible());
        QCOMPARE(box->palette().color(QPalette::Text), QColor(0, 255, 0));
        QCOMPARE(box->palette().color(QPalette::Base), QColor(Qt::black));
        QVERIFY(QFontInfo(box->font()).fixedPitch());

        const QString line79(79, QLatin1Char('x'));
        box->setPlainText(line79 + '\n' + line79 + 'y' + '\n' + QString(dash_rule.data()));
        QTest::qWait(1);
        const QTextDocument* document = box->document();
        const auto rows = [document](int block) { return document->findBlockByNumber(block).layout()->lineCount(); };
        QVERIFY2(rows(0) == 1, name);
        QVERIFY2(rows(1) == 2, name);
        QVERIFY2(rows(2) == 1, name);
        QCOMPARE(box->toPlainText(), line79 + '\n' + line79 + 'y' + '\n' + QString(dash_rule.data()));
    }
}

void MainWindowTest::inputs_are_named_by_their_labels()
{
    QCOMPARE(window->control("Combo1")->accessibleName(), QStringLiteral("Disc type:"));
    QCOMPARE(window->control("paste_nfo_text")->accessibleName(),
             QStringLiteral("Release group's .nfo (copy + paste it below if you have one):"));
    QCOMPARE(window->control("Combo5")->accessibleName(), QStringLiteral("Repost commences"));
    QCOMPARE(window->control("archive_size_text", 4)->accessibleName(), QStringLiteral("Total archive size in bytes:"));
    QCOMPARE(window->control("Frame7")->accessibleName(), QStringLiteral("Image has been burn tested:"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
