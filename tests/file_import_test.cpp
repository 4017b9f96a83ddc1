// What comes into the window from files: the release group's .nfo and a
// disc's image and archive parts; and a sheet that Windows-1252 cannot hold,
// or one beyond ASCII after a DOS text or UTF-8 .nfo, saved the way the user
// chooses.
#include "nfo_file.h"
#include "window_driver.h"

#include <sys/stat.h>

using namespace relwiz;
using namespace relwiz::testing;

class FileImportTest : public QObject {
    Q_OBJECT

    std::optional<WindowDriver> window;

    QPlainTextEdit* paste_box() { return window->control<QPlainTextEdit>("paste_nfo_text"); }

private slots:
    void init() { window.emplace(); }
    void cleanup() { window.reset(); }

    // Every byte but NUL, LF and CR in lines of art with DOS line ends, then
    // a SAUCE record: inserted with Ctrl+O, saved as DOS text, byte for byte
    // what the group wrote, line ends CR LF and the record left out.
    void dos_art_keeps_its_bytes_from_file_to_file()
    {
        QByteArray art, expected;
        const char* const line_ends[] = {"\r\n", "\r\r\n", "\n"};
        for (int byte = 1; byte <= 0xFF; ++byte) {
            if (byte == '\n' || byte == '\r')
                continue;
            art += char(byte);
            expected += char(byte);
            if (byte % 32 == 31) {
                art += line_ends[byte / 32 % 3];
                expected += "\r\n";
            }
        }
        QByteArray record = "SAUCE00" + QByteArray(121, ' ');
        record[104] = 1;
        const QString path = write_file("GROUP.NFO", art + "\x1A" "COMNT" + QByteArray(64, 'c') + record);
        window->act("program_title_text=Art");
        window->answering(path, [this] { QTest::keyClick(window->focused(), Qt::Key_O, Qt::ControlModifier); });
        QCOMPARE(window->form().focusWidget(), paste_box());
        const QString inserted = paste_box()->toPlainText();
        QTest::keyClick(paste_box(), Qt::Key_Z, Qt::ControlModifier);  // one step takes it back
        QCOMPARE(paste_box()->toPlainText(), QString());
        QTest::keyClick(paste_box(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(paste_box()->toPlainText(), inserted);

        const QString said = window->answering("Enter", [this] { window->act({"Command1", "Command3"}); });
        QVERIFY2(said.contains("[*Save as &DOS text (CP437)][Save as &UTF-8][&Replace with ?][Cancel]"), qPrintable(said));
        const QByteArray saved = file_bytes("Art.nfo");
        QVERIFY(saved.contains(QByteArray(79, '-') + "\r\n\r\n" + expected + "\r\n\r\n" + QByteArray(79, '-')));
        QVERIFY(saved.startsWith(QByteArray(79, '/') + "\r\n"));
        // Read back: the box's text again, its no-break spaces too (which toPlainText() makes blanks).
        const QString box_text = window->control<QPlainTextEdit>("preview_text")->document()->toRawText();
        QCOMPARE(decode_nfo_text(saved, "Art.nfo")->text, QString(box_text).replace(QChar::ParagraphSeparator, u'\n'));
    }

    void drop_and_menu_insert_where_the_user_points()
    {
        window->act("paste_nfo_text=first\nsecond");
        const QString path = write_file("notes.txt", "caf\xe9\r\n");
        const QRect second_line = paste_box()->cursorRect(QTextCursor(paste_box()->document()->findBlockByNumber(1)));
        window->drop(paste_box()->viewport(), {QUrl::fromLocalFile(path)}, second_line.center() - QPoint(1, 0));
        QCOMPARE(paste_box()->toPlainText(), QStringLiteral("first\ncaf\u00e9\nsecond"));
        QCOMPARE(window->focused(), paste_box());

        // The box's own menu offers it first, with Ctrl+O shown; the file replaces the selection.
        QTest::keyClick(paste_box(), Qt::Key_A, Qt::ControlModifier);
        QContextMenuEvent menu_key(QContextMenuEvent::Keyboard, QPoint(5, 5), paste_box()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(paste_box(), &menu_key);
        QAction* entry = QApplication::activePopupWidget()->actions().value(0);
        QCOMPARE(entry->text() + ' ' + entry->shortcut().toString(), QStringLiteral("Insert .nfo file... Ctrl+O"));
        window->answering(write_file("b.diz", "\xb2"), [entry] { entry->trigger(); });
        QCOMPARE(paste_box()->toPlainText(), QStringLiteral("\u2593"));
    }

    // Each refusal names the file and its reason, and the box keeps its text.
    void refused_files_change_nothing()
    {
        write_file("a.nfo", QByteArray("N\0L", 3));
        write_file("b.nfo", "text");
        QVERIFY(QDir().mkdir("folder") && mkfifo("fifo.nfo", 0600) == 0);  // never opened, or the test would hang
        QFile big(write_file("big.nfo", ""));
        QVERIFY(big.resize((32 << 20) + 1));
        window->act("paste_nfo_text=kept");
        const std::pair<QStringList, QString> refusals[] = {  // names in the test's folder, or addresses
            {{"https://example.org/group.nfo"}, "\"https://example.org/group.nfo\" is not a local file."},
            {{"a.nfo", "b.nfo"}, "Drop one .nfo file at a time."},
            {{"folder"}, "folder\" is a folder."},
            {{"missing.nfo"}, "missing.nfo\" cannot be read: No such file or directory."},
            {{"fifo.nfo"}, "fifo.nfo\" is not a regular file."},
            {{"big.nfo"}, "big.nfo\" is larger than 32 MiB."},
            {{"a.nfo"}, "a.nfo\" is not a text file."},
        };
        for (const auto& [dropped, said] : refusals) {
            QList<QUrl> urls;
            for (const QString& name : dropped)
                urls << (name.contains(':') ? QUrl(name) : QUrl::fromLocalFile(QDir::current().absoluteFilePath(name)));
            const QString warning = window->answering("OK", [&] { window->drop(paste_box()->viewport(), urls); });
            QVERIFY2(warning.contains(said), qPrintable(warning));
            QCOMPARE(paste_box()->toPlainText(), QStringLiteral("kept"));
        }
    }

    // With no file inserted, the question comes only when Windows-1252 falls
    // short; after a DOS text or UTF-8 .nfo, for any sheet beyond ASCII.
    void save_asks_when_windows_1252_falls_short_or_the_nfo_came_otherwise_data()
    {
        QTest::addColumn<QString>("nfo");  // the file inserted first, "name=bytes"; empty: none
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QByteArray>("saved");  // null: nothing written
        QTest::newRow("fits_windows_1252") << "" << "caf\u00e9 \u20ac" << "" << "" << QByteArray("caf\xe9 \x80");
        QTest::newRow("dos_text") << "" << "a\n\u2593\u2588x" << "Save as &DOS text (CP437)"
            << "2 characters of this sheet cannot be written in Windows-1252.\n"
               "The first is \"\u2593\" (U+2593), on line 2, column 1."
            << QByteArray("a\r\n\xb2\xdbx");
        QTest::newRow("replaced") << "" << "a\u2588b" << "&Replace with ?" << "" << QByteArray("a?b");
        QTest::newRow("cancelled") << "" << "\u2588" << "Cancel" << "" << QByteArray();
        QTest::newRow("esc_cancels") << "" << "\u2588" << "Esc" << "" << QByteArray();
        QTest::newRow("beyond_cp437_utf8_first") << "" << "ab\U0001F600\u4e2d" << "Enter"
            << "2 characters of this sheet cannot be written in Windows-1252.\nThe first is \"\U0001F600\" (U+1F600), "
               "on line 1, column 3.\n\nDOS text (CP437) cannot hold them either. UTF-8 holds them all; Replace with ? "
               "writes \"?\" for each, as sheets were always saved.\n[*Save as &UTF-8][&Replace with ?][Cancel]"
            << QByteArray("ab\xf0\x9f\x98\x80\xe4\xb8\xad");
        const QString german = "GERMAN.NFO=Gr\u0081\u00e1e";  // CP437 bytes
        const QString umlauts = "Gr\u00fc\u00dfe";
        const QString utf8_nfo = "a.nfo=" + QString::fromLatin1(umlauts.toUtf8());
        QTest::newRow("dos_nfo_accents") << german << umlauts << "Enter"
            << "The release group's .nfo came in as DOS text.\nWindows-1252 holds every character of this sheet, but "
               ".nfo viewers read DOS text and would show those beyond ASCII as others. DOS text (CP437) and UTF-8 keep "
               "them all.\n[*Save as &DOS text (CP437)][Save as &UTF-8][Save as &Windows-1252][Cancel]"
            << QByteArray("Gr\x81\xe1" "e");
        QTest::newRow("dos_nfo_beyond_dos") << german << "\u00e9\u00a4" << "Enter"
            << "DOS text (CP437) cannot hold them all; UTF-8 keeps them all.\n[*Save as &UTF-8][Save as &Windows-1252][Cancel]"
            << QByteArray("\xc3\xa9\xc2\xa4");
        QTest::newRow("utf8_nfo_first") << utf8_nfo << umlauts << "Enter"
            << "The release group's .nfo came in as UTF-8.\nWindows-1252 holds every character of this sheet, but .nfo "
               "viewers read DOS text and would show those beyond ASCII as others. DOS text (CP437) and UTF-8 keep them "
               "all.\n[*Save as &UTF-8][Save as &DOS text (CP437)][Save as &Windows-1252][Cancel]"
            << umlauts.toUtf8();
    }

    void save_asks_when_windows_1252_falls_short_or_the_nfo_came_otherwise()
    {
        QFETCH(QString, nfo);
        QFETCH(QString, sheet);
        QFETCH(QString, answer);
        QFETCH(QString, asked);
        QFETCH(QByteArray, saved);
        if (!nfo.isEmpty()) {  // the bytes as Latin-1 characters
            const QString path = write_file(nfo.section('=', 0, 0), nfo.section('=', 1).toLatin1());
            window->drop(paste_box()->viewport(), {QUrl::fromLocalFile(path)});
            QVERIFY(!paste_box()->toPlainText().isEmpty());
        }
        window->act("program_title_text=Sheet");
        auto* preview = window->control<QPlainTextEdit>("preview_text");
        preview->setPlainText(sheet);
        const QString said = window->answering(answer, [this] { window->act("Command3"); });
        QVERIFY2(answer.isEmpty() ? said.isEmpty() : said.contains(asked), qPrintable(said));
        QCOMPARE(file_bytes("Sheet.nfo"), saved.isNull() ? QByteArray("<Sheet.nfo cannot be read>") : saved);
        QCOMPARE(preview->toPlainText(), sheet);
    }

    // Ctrl+O on Disc 1 Info takes the image, a drop of its folder onto a field
    // the parts; each filled field keeps the user's text in its Undo.
    void disc_page_fills_from_the_discs_files()
    {
        QByteArray image(18 * 2048, '\0');  // a primary descriptor at sector 16, the set's end at 17
        image.replace(16 * 2048, 6, "\x01" "CD001").replace(16 * 2048 + 40, 12, "GAME_DISC   ");
        image.replace(17 * 2048, 6, "\xff" "CD001");
        QVERIFY(QDir().mkdir("disc") && QDir::setCurrent("disc"));
        const QString iso = write_file("Game.ISO", image);
        for (const char* part : {"game.rar", "game.r00", "game.r01", "game.nfo"})
            write_file(part, QByteArray(part == QByteArray("game.r01") ? 40 : 100, 'x'));
        QDir::setCurrent("..");
        window->act({"number_discs_radio_1", "image_file_size_text:0=typed", "overburn_yes_radio:0"});
        window->answering(iso, [this] { QTest::keyClick(window->focused(), Qt::Key_O, Qt::ControlModifier); });
        auto* size = window->control<QLineEdit>("image_file_size_text", 0);
        QCOMPARE(size->text(), QStringLiteral("36864"));
        QTest::keyClick(size, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(size->text(), QStringLiteral("typed"));
        QTest::keyClick(size, Qt::Key_Y, Qt::ControlModifier);

        const QString disc = QDir::current().absoluteFilePath("disc");
        window->drop(window->control("volume_label_text", 0), {QUrl::fromLocalFile(disc)});
        window->act({"Command1", "Command3"});
        QVERIFY(file_bytes(".nfo").contains("Disc 1 Information" + QByteArray(61, ' ') + "\r\n" + QByteArray(79, '-') +
                                            "\r\n\r\n"
                                            "Disc volume label...........: GAME_DISC\r\n"
                                            "Image format................: .iso\r\n"
                                            "Image filename..............: Game.ISO\r\n"
                                            "Image file size in bytes....: 36864\r\n"
                                            "Archive format..............: .rar\r\n"
                                            "Archive part size in bytes..: 100\r\n"
                                            "# of parts for this disc:...: 3\r\n"
                                            "Total archive size this disc: 240\r\n"
                                            "80 min CDR required?........: No\r\n"));

        // A gap in the set: named, and Disc 2 Info left as it was.
        window->act("archive_size_text:1=kept");
        const QString warning = window->answering("OK", [&] {
            window->drop(window->control("Frame8"), {QUrl::fromLocalFile(disc + "/game.rar"),
                                                           QUrl::fromLocalFile(disc + "/game.r01")});
        });
        QVERIFY2(warning.startsWith("game.r00 is missing.\nNothing on Disc 2 Info was changed."), qPrintable(warning));
        QCOMPARE(window->control<QLineEdit>("archive_size_text", 1)->text(), QStringLiteral("kept"));
        // Filled, the page takes the files and Disc 1 Info keeps its own.
        window->drop(window->control("Frame8"), {QUrl::fromLocalFile(write_file("solo.zip", "7 bytes"))});
        QCOMPARE(window->control<QLineEdit>("archive_size_text", 1)->text(), QStringLiteral("7"));
        QCOMPARE(window->control<QLineEdit>("archive_size_text", 0)->text(), QStringLiteral("240"));

        // A label of blanks is no label: the one typed stays, while the rest of the image fills in.
        window->act("volume_label_text:2=typed");
        const QString blank = write_file("blank.iso", image.replace(16 * 2048 + 40, 9, "         "));
        window->drop(window->control("Frame12"), {QUrl::fromLocalFile(blank)});
        QCOMPARE(window->control<QLineEdit>("volume_label_text", 2)->text(), QStringLiteral("typed"));
        QCOMPARE(window->control<QLineEdit>("image_filename_text", 2)->text(), QStringLiteral("blank.iso"));

        // A Nero image (one track-at-once track of the same sectors) fills the page too; the Image format
        // pair, which knows .bin + .cue and .iso only, is cleared.
        const QString nrg = write_file("game.nrg", image.replace(16 * 2048 + 40, 9, "NERO_DISC") + "ETNF"
                                                       + QByteArray("\0\0\0\x14\0\0\0\0\0\0\x90\0", 12) + QByteArray(12, '\0')
                                                       + "END!" + QByteArray(4, '\0') + "NERO" + QByteArray("\0\0\x90\0", 4));
        window->drop(window->control("Frame12"), {QUrl::fromLocalFile(nrg)});
        QCOMPARE(window->control<QLineEdit>("volume_label_text", 2)->text(), QStringLiteral("NERO_DISC"));
        QCOMPARE(window->control<QLineEdit>("image_filename_text", 2)->text(), QStringLiteral("game.nrg"));
        QVERIFY(!window->control<QRadioButton>("image_format_iso_radio", 2)->isChecked()
                && !window->control<QRadioButton>("image_format_bin_radio", 2)->isChecked());
    }
};

QTEST_MAIN(FileImportTest)
#include "file_import_test.moc"
