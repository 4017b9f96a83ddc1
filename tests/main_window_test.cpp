// The main window driven as a person would, from the first click to the
// bytes of the saved file: a few journeys, then the per-control facts.
#include "about_form.h"
#include "sheet_text_box.h"
#include "window_driver.h"

using namespace relwiz;
using namespace relwiz::testing;

namespace {

// The start-up sheet with `title` in its headline.
std::string start_up_sheet(const std::string& title = {})
{
    std::string sheet = golden("start_up.nfo");
    return sheet.insert(sheet.find(" proudly presents ") + 18, title);
}

QStringList folder_entries()
{
    return QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// What a sheet box shows, as the screen's pixels, and where its characters lie on them.
struct BoxPicture {
    QPlainTextEdit* box;
    QImage pixels = box->viewport()->grab().toImage();

    // The cells from (column, line) to (last column, last line), `inset`
    // pixels in from their edges (by default the error of Qt's cursorRect,
    // in whole logical pixels).
    QRect cells(QPoint from, QPoint to, int inset = -1) const
    {
        const auto place = [this](QPoint at) {
            QTextCursor cursor(box->document()->findBlockByNumber(at.y()));
            cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, at.x());
            return box->cursorRect(cursor);
        };
        const qreal ratio = pixels.devicePixelRatio();
        inset = inset < 0 ? qCeil(ratio) : inset;
        const QRect first = place(from), last = place(to);
        return QRect(QPoint(qRound(first.left() * ratio), qRound(first.top() * ratio)),
                     QPoint(qRound((last.left() + SheetTextBox::cell_width) * ratio) - 1,
                            qRound((last.bottom() + 1) * ratio) - 1))
            .adjusted(inset, inset, -inset, -inset);
    }

    // From the middle of the first cell to the middle of the last, give or
    // take the error of cells(): the stretch a line drawn through them covers.
    QRect middles(QPoint from, QPoint to) const
    {
        const QRect first = cells(from, from, 0), last = cells(to, to, 0);
        const int error = qCeil(pixels.devicePixelRatio());
        return from.y() == to.y() ? QRect(QPoint(first.center().x() + error, first.top()),
                                          QPoint(last.center().x() - error, last.bottom()))
                                  : QRect(QPoint(first.left(), first.center().y() + error),
                                          QPoint(last.right(), last.center().y() - error));
    }

    int count_other_than(const QRect& area, QRgb colour) const
    {
        int other = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                other += pixels.pixel(x, y) != colour;
        return other;
    }

    // How many pixel columns (or rows) of `area` along a line hold none of its ink.
    int gaps(const QRect& area, QRgb ink) const
    {
        const bool across = area.width() > area.height();
        int empty = 0;
        for (int at = 0; at < (across ? area.width() : area.height()); ++at)
            empty += count_other_than(across ? QRect(area.left() + at, area.top(), 1, area.height())
                                             : QRect(area.left(), area.top() + at, area.width(), 1),
                                      ink) == (across ? area.height() : area.width());
        return empty;
    }

    // The green of each pixel row of `area`, on average.
    QList<int> row_greens(const QRect& area) const
    {
        QList<int> greens;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            int sum = 0;
            for (int x = area.left(); x <= area.right(); ++x)
                sum += qGreen(pixels.pixel(x, y));
            greens << sum / area.width();
        }
        return greens;
    }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::optional<WindowDriver> window;

    AboutForm* open_about()
    {
        window->act("Command4");
        AboutForm* about = window->form().about_window().form();
        return about && QTest::qWaitForWindowExposed(about) ? about : nullptr;
    }

private slots:
    void init() { window.emplace(); }
    void cleanup() { window.reset(); }

    void opens_ready_and_previews_the_start_up_state()
    {
        MainForm& form = window->form();
        QCOMPARE(form.windowTitle(), QStringLiteral("Relwiz 2000 - The CD Image .nfo Utility by Tobi"));
        QCOMPARE(form.size(), QSize(705, 554));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.windowIcon().availableSizes().contains(QSize(64, 64)));  // for HiDPI title bars
        QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QTRY_COMPARE(window->focused(), window->tabs().strip());
        QVERIFY(window->tabs().page(0)->isVisible() && !window->control("poster_name_text")->isVisible());
        window->act("Command3");  // empty title, empty box: ".nfo" of zero bytes
        QCOMPARE(file_bytes(".nfo"), QByteArray());
        window->act({"Command1", "Command3"});
        RELWIZ_COMPARE_TEXT(file_bytes(".nfo").toStdString(), start_up_sheet());
    }

    void fill_in_every_tab_and_save()
    {
        window->act({"program_title_text=Example Suite 4.0", "Combo1<Application", "Combo2<Windows 98 and 2000",
                     "category_text=Office suite", "image_is_cracked_no_radio", "number_discs_radio_2",
                     "serial_number_text=Not needed", "release_group_text=ExampleGroup", "Combo3<CDRWIN",
                     "url_text=the publisher's home page", "paste_nfo_text=GROUP NAME\nrelease notes",
                     "poster_name_text=Poster42", "group_text=alt.binaries.example",
                     "server_text=my provider's server", "Combo4<40", "full_repost_yes_radio",
                     "Combo5<3 days after original post", "Combo6<Wait until after the repost, then ask.",
                     "Check1", "Check3", "volume_label_text:0=GAME_CD1", "image_format_iso_radio:0",
                     "image_filename_text:0=game1.iso", "image_file_size_text:0=650000000",
                     "archive_format_combo:0<.zip", "archive_part_size_text:0=15000000", "number_parts_text:0=44",
                     "archive_size_text:0=649000000", "overburn_yes_radio:0", "burn_test_no_radio:0",
                     "volume_label_text:1=GAME_CD2", "image_format_bin_radio:1", "image_filename_text:1=game2.bin",
                     "image_file_size_text:1=681984000", "archive_format_combo:1<.rar",
                     "archive_part_size_text:1=15000000", "number_parts_text:1=46", "archive_size_text:1=679813120",
                     "overburn_no_radio:1", "burn_test_yes_radio:1", "volume_label_text:2=GAME_CD3",
                     "image_filename_text:2=never printed",  // beyond the count
                     "Command1", "Command3"});
        RELWIZ_COMPARE_TEXT(file_bytes("Example Suite 4.0.nfo").toStdString(), golden("worked_example.nfo"));
        window->act("Command1");  // a second Preview replaces the first
        QCOMPARE(window->preview_text(), QString::fromStdString(golden("worked_example.nfo")).replace("\r\n", "\n"));
    }

    void edit_the_preview_and_save()
    {
        QFile old("Edited.nfo");  // longer than the new sheet: nothing of it may remain
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(100000, 'x')) == 100000 && old.flush());
        // The sheet keeps the title it was previewed with; the file takes the new one.
        window->act({"program_title_text=Old", "Command1", "program_title_text=Edited", "preview_text"});
        QTest::keyClick(window->focused(), Qt::Key_End, Qt::ControlModifier);
        window->type(window->focused(), "\nHand typed \u00e9");
        window->act("Command3");
        RELWIZ_COMPARE_TEXT(file_bytes("Edited.nfo").toStdString(), start_up_sheet("Old") + "\r\nHand typed \xe9");
        QCOMPARE(folder_entries(), QStringList{"Edited.nfo"});
        window->act({"Check2", "Command2"});
        QCOMPARE(window->preview_text(), QString());
        window->act("Command1");  // Clear left the check box as it was
        QVERIFY(window->preview_text().contains("Support files posted........: .cue \n"));
        QVERIFY(!window->preview_text().contains("Hand typed"));
        // Clear and Preview are each one step that Undo takes back, hand edits and all.
        window->act("preview_text");
        QTest::keyClick(window->focused(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window->preview_text(), QString());
        QTest::keyClick(window->focused(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(window->preview_text().endsWith("\nHand typed \u00e9"));
    }

    // Each failure named with its reason; the preview and the folder stay as they were.
    void failed_saves_change_nothing()
    {
        QFile plain("plain_file");
        QVERIFY(plain.open(QIODevice::WriteOnly) && plain.write("kept") == 4 && plain.flush());
        QVERIFY(QDir().mkdir("a_folder.nfo"));
        const std::pair<QString, QString> saves[] = {  // title, reason
            {"no such folder/sheet", "No such file or directory"}, {"plain_file/sheet", "Not a directory"},
            {"a_folder", "directory"}, {QStringLiteral("bad") + QChar(0) + "name", "NUL"}};
        for (const auto& [title, reason] : saves) {
            window->control<QLineEdit>("program_title_text")->setText(title);  // a NUL cannot be typed
            window->act("Command1");
            const QString shown = window->preview_text();
            const QString said = window->answering("OK", [this] { window->act("Command3"); });
            QVERIFY2(said.contains(QDir::current().absoluteFilePath(title.section(QChar(0), 0, 0))), qPrintable(said));
            QVERIFY2(said.contains(reason, Qt::CaseInsensitive), qPrintable(said));
            QCOMPARE(window->preview_text(), shown);
            QCOMPARE(folder_entries(), (QStringList{"a_folder.nfo", "plain_file"}));
        }
        QCOMPARE(file_bytes("plain_file"), QByteArray("kept"));
    }

    void focus_follows_the_design_order_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("order");
        // Tab leaves a sheet box, which takes no tab character.
        QTest::newRow("general_info") << 0 << QStringList{"Combo1", "Combo2", "category_text", "number_discs_radio_1",
            "number_discs_radio_2", "number_discs_radio_3", "number_discs_radio_4", "number_discs_radio_5",
            "number_discs_radio_6", "program_title_text", "release_group_text", "url_text", "Combo3",
            "image_is_cracked_no_radio", "image_is_cracked_yes_radio", "paste_nfo_text", "serial_number_text"};
        QTest::newRow("post_info") << 1 << QStringList{"poster_name_text", "group_text", "server_text", "Combo4",
            "full_repost_yes_radio", "full_repost_no_radio", "Combo5", "Combo6", "Check1", "Check2", "Check3",
            "Check4"};
        const QStringList top_down = {"volume_label_text", "image_filename_text", "image_file_size_text",
            "archive_format_combo", "archive_part_size_text", "number_parts_text", "archive_size_text",
            "image_format_bin_radio", "image_format_iso_radio", "overburn_no_radio", "overburn_yes_radio",
            "burn_test_yes_radio", "burn_test_no_radio"};
        QTest::newRow("disc_1_top_down") << 2 << top_down;
        QTest::newRow("disc_6_bottom_up") << 7 << QStringList(top_down.rbegin(), top_down.rend());
        QTest::newRow("preview") << 8 << QStringList{"preview_text", "Command1", "Command2", "Command3", "Command4"};
    }

    void focus_follows_the_design_order()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, order);
        window->click_tab(tab);
        QTRY_COMPARE(window->focused(), window->tabs().strip());
        for (const QString& name : order) {
            window->press_tab();
            QCOMPARE(window->focused()->objectName(), name);
            QVERIFY(window->tabs().page(tab)->isAncestorOf(window->focused()));
        }
        window->press_tab();  // past the page's last control, back to the strip, and back again
        QCOMPARE(window->focused(), window->tabs().strip());
        window->press_tab(Qt::ShiftModifier);
        QCOMPARE(window->focused()->objectName(), order.last());
    }

    void keys_switch_tabs_from_anywhere_and_the_tabs_stay_put()
    {
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int tab;
            bool from_a_field = false;  // typing into a field of "Disc 2 Info" first, not on the strip
        } presses[] = {
            {Qt::Key_Right, {}, 1}, {Qt::Key_Down, {}, 4}, {Qt::Key_Left, {}, 3}, {Qt::Key_End, {}, 8},
            {Qt::Key_Up, {}, 5}, {Qt::Key_Home, {}, 0}, {Qt::Key_PageUp, Qt::ControlModifier, 8},  // wraps round
            {Qt::Key_PageDown, Qt::ControlModifier, 0}, {Qt::Key_Tab, Qt::ControlModifier, 4, true},
            {Qt::Key_PageDown, Qt::ControlModifier, 4, true},
            {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2, true},
            {Qt::Key_PageUp, Qt::ControlModifier, 2, true},
        };
        for (const auto& press : presses) {
            if (press.from_a_field)
                window->act("volume_label_text:1=CD2");
            QTest::keyClick(window->focused(), press.key, press.modifiers);
            QCOMPARE(window->tabs().current_index(), press.tab);
            QVERIFY(window->tabs().page(press.tab)->isVisible());
            for (int tab = 0; tab < 9; ++tab)  // three rows of three, 295 twips high, that stay put
                QCOMPARE(window->tabs().tab_rect(tab),
                         QRect(235 * (tab % 3), QList{0, 20, 39}[tab / 3], 235, QList{20, 19, 20}[tab / 3]));
        }
        QCOMPARE(window->control<QLineEdit>("volume_label_text", 1)->text(), QStringLiteral("CD2"));
    }

    // What a person does with option buttons, check boxes and combo boxes, and
    // the lines the Preview must show for it.
    void choices_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("disc_count_moves_but_never_clears")
            << QStringList{"number_discs_radio_2", "number_discs_radio_5", "number_discs_radio_5"}
            << QStringList{"# of discs..................: 5\nSerial", "Disc 5 Information"};
        QTest::newRow("repost_pair") << QStringList{"full_repost_no_radio", "full_repost_yes_radio"}
                                     << QStringList{"Full repost?................: Yes, \nMy fills"};
        QTest::newRow("each_disc_pair_its_own_group")
            << QStringList{"number_discs_radio_3", "image_format_iso_radio:2", "image_format_bin_radio:2",
                           "overburn_yes_radio:2", "burn_test_no_radio:2", "overburn_no_radio:1",
                           "burn_test_yes_radio:0"}
            << QStringList{"this disc: \nImage has been burn tested?.: Yes\n\n",
                           "this disc: \n80 min CDR required?........: No\n\n",
                           "label...........: \nImage format................: .bin + .cue\n",
                           "this disc: \n80 min CDR required?........: Yes\nImage has been burn tested?.: No\n\n"};
        QTest::newRow("support_boxes") << QStringList{"Check4", "Check2", "Check1", "Check1"}
                                       << QStringList{"posted........: .cue manuals \n"};
        QTest::newRow("typed_text_kept_on_enter") << QStringList{"Combo1=game\n", "Combo4=10\n0", "Combo2=BeOS"}
            << QStringList{"Disc type...................: game\nProgram platform............: BeOS\n",
                           "day...............: 100\n"};
        QTest::newRow("picked_items")
            << QStringList{"number_discs_radio_1", "Combo3<Nero", "archive_format_combo:0<.ace"}
            << QStringList{"application..: Nero\n", "Archive format..............: .ace\n"};
    }

    void choices()
    {
        QFETCH(QStringList, actions);
        QFETCH(QStringList, shown);
        window->act(actions + QStringList{"Command1"});
        for (const QString& lines : shown)
            QVERIFY2(window->preview_text().contains(lines), qPrintable(lines));
    }

    void controls_stand_where_designed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("relative_to");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("tab_control") << "SSTab1" << "Main_Form" << QRect(0, 0, 705, 553);
        QTest::newRow("combo_box") << "Combo1" << "SSTab1" << QRect(112, 80, 233, 22);
        QTest::newRow("text_box") << "category_text" << "SSTab1" << QRect(112, 144, 233, 21);
        // Grown for its caption.
        QTest::newRow("in_a_frame") << "number_discs_radio_6" << "Frame1" << QRect(184, 16, 27, 14);
        QTest::newRow("array_element") << "burn_test_no_radio:5" << "Frame25" << QRect(136, 16, 41, 17);
        QTest::newRow("preview_box") << "preview_text" << "SSTab1" << QRect(16, 112, 657, 429);
        QTest::newRow("paste_box") << "paste_nfo_text" << "SSTab1" << QRect(16, 272, 657, 269);
    }

    void controls_stand_where_designed()
    {
        QFETCH(QString, name);
        QFETCH(QString, relative_to);
        QFETCH(QRect, pixels);
        QWidget* origin = relative_to == "Main_Form" ? &window->form() : window->control(relative_to);
        QWidget* control = window->control(name);
        QCOMPARE(QRect(control->mapTo(origin, QPoint(0, 0)), control->size()), pixels);
        if (name != "SSTab1" && !qobject_cast<QPlainTextEdit*>(control)) {  // the sheet boxes have a font of their own
            QCOMPARE(control->font().family(), QStringLiteral("Arial"));
            QCOMPARE(control->font().pointSizeF(), 8.25);
        }
    }

    // Every combo box's start-up text and its list, item by item.
    void combo_boxes_hold_their_lists()
    {
        QString lists;
        for (int tab = 0; tab < window->tabs().count(); ++tab) {
            const int disc = tab - WindowDriver::first_disc_tab;
            for (QComboBox* combo : window->tabs().page(tab)->findChildren<QComboBox*>()) {
                QStringList row{combo->objectName() + (disc >= 0 && disc < max_discs ? ':' + QString::number(disc) : ""),
                                combo->currentText()};
                for (int item = 0; item < combo->count(); ++item)
                    row << combo->itemText(item);
                lists += row.join('\t') + '\n';
            }
        }
        RELWIZ_COMPARE_TEXT(lists.toStdString(), golden("combo_lists.txt"));
    }

    // .nfo art pasted into each sheet box, seen at the suite's scale factor:
    // the full blocks one solid area, the box lines unbroken across their
    // cells, the shades even and ever lighter; and selected, the blocks in
    // the selection's colours on the very rows the selection takes.
    void art_shows_whole()
    {
        const QString art = QStringLiteral("  ┌──┬──┐╔══╦══╗\n  │░░│▒▒│║▓▓║██║\n  ├──┼──┤╠══╬══╣\n"
                                           "  ████████████████\n  ████████████████\n");
        for (const char* name : {"paste_nfo_text", "preview_text"}) {
            auto* box = qobject_cast<QPlainTextEdit*>(window->shown(window->control(name)));
            QGuiApplication::clipboard()->setText(art);
            window->act(name);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            const BoxPicture seen{box};
            const QRgb ink = box->palette().color(QPalette::Text).rgb();
            QCOMPARE(seen.count_other_than(seen.cells({2, 3}, {17, 4}), ink), 0);
            const int row = seen.cells({2, 3}, {2, 3}).center().y();
            int edge = seen.pixels.width() - 1;
            while (seen.pixels.pixel(edge, row) != ink)
                --edge;
            QCOMPARE(seen.pixels.pixel(edge + 1, row), box->palette().color(QPalette::Base).rgb());  // no glyph's fringe
            for (QPoint corner : {QPoint(2, 0), QPoint(9, 0), QPoint(2, 2)})  // ╬ is open in its middle
                QCOMPARE(seen.gaps(seen.middles(corner, corner + QPoint(6, 0)), ink), 0);
            for (int column : {2, 5, 8, 9, 12, 15})
                QCOMPARE(seen.gaps(seen.middles({column, 0}, {column, 2}), ink), 0);
            QList<int> greens;
            for (int column : {3, 6, 10, 13}) {  // ░ ▒ ▓ █, two cells each
                const QList<int> rows = seen.row_greens(seen.cells({column, 1}, {column + 1, 1}));
                QVERIFY2(*std::max_element(rows.begin(), rows.end()) - *std::min_element(rows.begin(), rows.end()) < 16,
                         name);
                greens << rows.first();
            }
            QVERIFY2(greens[0] > 0 && greens[0] < greens[1] && greens[1] < greens[2] && greens[2] < greens[3], name);

            for (Qt::Key key : {Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right})  // the caret shows on art
                QTest::keyClick(box, key);
            QVERIFY(BoxPicture{box}.count_other_than(seen.cells({2, 3}, {17, 4}), ink) > 0);

            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            const BoxPicture selected{box};
            const QRgb lit = box->palette().color(QPalette::HighlightedText).rgb();
            QCOMPARE(selected.count_other_than(selected.cells({2, 3}, {17, 4}), lit), 0);
            const QRect last_line = selected.cells({0, 4}, {17, 4}, 0);
            const QPoint blank(last_line.left() + 2, last_line.center().y()), block(last_line.center());
            const QRgb highlight = selected.pixels.pixel(blank);
            for (int y = blank.y(); y <= last_line.bottom() + 3; ++y) {  // Qt leaves a row unlit above a whole line
                const bool highlit = selected.pixels.pixel(blank.x(), y) == highlight;
                QVERIFY2(highlit == (selected.pixels.pixel(block.x(), y) == lit), qPrintable(QString::number(y)));
            }
        }
    }

    void sheet_boxes_fit_79_columns()
    {
        for (const char* name : {"preview_text", "paste_nfo_text"}) {
            auto* box = qobject_cast<QPlainTextEdit*>(window->shown(window->control(name)));
            QVERIFY(box->verticalScrollBar()->isVisible() && !box->horizontalScrollBar()->isVisible());
            QVERIFY(QFontInfo(box->font()).fixedPitch());
            // 79 narrow or wide characters take one row; an 80th wraps.
            box->setPlainText(QStringList{QString(79, 'x'), QString(80, 'x'), QString(79, 'W'), QString(80, 'i')}
                                  .join('\n'));
            QTest::qWait(1);
            const auto rows = [box](int n) { return box->document()->findBlockByNumber(n).layout()->lineCount(); };
            QVERIFY2(rows(0) == 1 && rows(1) == 2 && rows(2) == 1 && rows(3) == 2, name);
        }
    }

    // Where each caption of a label, option button or check box is drawn lies
    // inside its control and under no control drawn after it.
    void every_caption_shows_whole()
    {
        for (QWidget* control : window->form().findChildren<QWidget*>()) {
            QRect area = control->geometry();
            if (auto* button = qobject_cast<QAbstractButton*>(control); button && !qobject_cast<QPushButton*>(button)) {
                QStyleOptionButton option;
                option.initFrom(button);
                const auto contents = qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                                           : QStyle::SE_CheckBoxContents;
                area.setLeft(area.left() + button->style()->subElementRect(contents, &option, button).left());
            } else if (!qobject_cast<QLabel*>(control)) {
                continue;
            }
            const QString text = control->property("text").toString();
            const QSize drawn(control->fontMetrics().horizontalAdvance(text), control->fontMetrics().height());
            const QRect caption = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignLeft | Qt::AlignVCenter, drawn, area);
            QVERIFY2(control->geometry().contains(caption), qPrintable(text));
            const QObjectList& siblings = control->parentWidget()->children();
            for (qsizetype at = siblings.indexOf(control) + 1; at < siblings.size(); ++at)
                if (auto* above = qobject_cast<QWidget*>(siblings[at]))
                    QVERIFY2(!above->geometry().intersects(caption), qPrintable(text + " under " + above->objectName()));
        }
    }

    // At start-up, after a choice from a list and once the focus leaves.
    void unfocused_fields_show_their_start()
    {
        QCOMPARE(window->control<QComboBox>("Combo3")->lineEdit()->cursorPosition(), 0);
        window->act("Combo6<Wait until after the repost, then ask.");
        auto* choice = window->control<QComboBox>("Combo6")->lineEdit();
        QCOMPARE(choice->cursorPosition(), 0);
        QCOMPARE(choice->selectedText(), choice->text());
        window->act("url_text=" + QString(200, 'w'));
        window->press_tab();
        QCOMPARE(window->control<QLineEdit>("url_text")->cursorPosition(), 0);
    }

    // Readme! opens one About window as designed, centred over the main window
    // yet owned by none; a second Readme! raises it, and the main window stays usable.
    void readme_opens_one_about_window_over_the_main_one()
    {
        AboutForm* about = open_about();
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("About Relwiz"));
        QCOMPARE(about->size(), QSize(382, 237));
        QVERIFY(!about->parentWidget());
        QVERIFY((about->geometry().center() - window->form().geometry().center()).manhattanLength() <= 1);
        QVERIFY(!about->findChild<QLabel*>("picIcon")->pixmap().isNull());
        QCOMPARE(about->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 1.0"));
        for (QLabel* label : about->findChildren<QLabel*>())  // every caption whole
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->objectName()));

        QCOMPARE(open_about(), about);
        window->act({"program_title_text=Beside", "Command1"});
        QVERIFY(window->preview_text().contains(QLatin1String("proudly presents Beside")));
    }

    void about_closes_and_unloads_on_ok_enter_esc_and_close_box()
    {
        for (const auto& close : std::initializer_list<std::function<void(AboutForm*)>>{
                 [](AboutForm* about) { QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton); },
                 [](AboutForm*) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); },
                 [](AboutForm*) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); },
                 [](AboutForm* about) { about->close(); }}) {
            QPointer<AboutForm> about = open_about();  // loaded afresh from its design each time
            QVERIFY(about);
            QTRY_COMPARE(QApplication::focusWidget(), about->findChild<QPushButton*>("cmdOK"));
            close(about);
            QTRY_VERIFY(!about);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
