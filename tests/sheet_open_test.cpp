// A saved sheet opened again in the real window: every field in its
// control, the preview the file's very bytes, and a save of either the same
// file again; a form with entries of its own replaced only when the user
// says so; a file that is no sheet refused at its first wrong line.
#include "window_driver.h"

using namespace relwiz;
using namespace relwiz::testing;

class SheetOpenTest : public QObject {
    Q_OBJECT

    std::optional<WindowDriver> window;

    // Ctrl+O on the preview's tab, the file chosen, the dialog that follows answered with `answer`.
    QString open(const QString& path, const QString& answer = "Enter")
    {
        window->click_tab(8);
        return window->answering({path, answer}, [this] { QTest::keyClick(window->focused(), Qt::Key_O, Qt::ControlModifier); });
    }

private slots:
    void init() { window.emplace(); }
    void cleanup() { window.reset(); }

    void goldens_open_and_save_as_they_were_data()
    {
        QTest::addColumn<QString>("golden_name");
        QTest::addColumn<QString>("saved_as");
        QTest::addColumn<QString>("disc_6_label");  // what the sheet shows of Disc 6, else its start-up state
        QTest::newRow("worked_example") << "worked_example.nfo" << "Example Suite 4.0.nfo" << "";
        QTest::newRow("six_discs") << "six_discs.nfo" << "Example Suite 4.0.nfo" << "GAME_CD6";
        QTest::newRow("empty_record") << "empty_record.nfo" << ".nfo" << "";
        QTest::newRow("start_up") << "start_up.nfo" << ".nfo" << "";
    }

    // Opened, saved at once: the file's bytes; previewed from the form and saved: the same bytes again.
    void goldens_open_and_save_as_they_were()
    {
        QFETCH(QString, golden_name);
        QFETCH(QString, saved_as);
        QFETCH(QString, disc_6_label);
        const std::string sheet = golden(golden_name);
        const QString path = write_file("opened.nfo", QByteArray::fromStdString(sheet));
        window->act({"volume_label_text:5=typed on a disc no sheet shows", "Check4", "image_is_cracked_yes_radio"});
        QVERIFY2(open(path, "&Open").contains("[*&Open][Cancel]"), "a form with entries is replaced only when asked");
        window->act("Command3");
        RELWIZ_COMPARE_TEXT(file_bytes(saved_as).toStdString(), sheet);
        QVERIFY(QFile::remove(saved_as));
        window->act({"Command1", "Command3"});
        RELWIZ_COMPARE_TEXT(file_bytes(saved_as).toStdString(), sheet);
        QCOMPARE(window->control<QLineEdit>("volume_label_text", 5)->text(), disc_6_label);
        QTest::keyClick(window->control("preview_text"), Qt::Key_Z, Qt::ControlModifier);  // the Preview, then the opening
        QTest::keyClick(window->control("preview_text"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window->preview_text(), QString());
    }

    // Art drawn in DOS text, dropped on the preview box, comes back in the code page it came in.
    void a_dos_text_sheet_is_saved_as_dos_text()
    {
        QByteArray sheet = QByteArray::fromStdString(golden("worked_example.nfo"));
        sheet.replace("GROUP NAME", "\xC9\xCD\xCD\xBB \xDB\xDB\xB2\xB1\xB0 caf\x82");
        window->click_tab(8);  // the form as it started: nothing asked
        window->drop(window->control<QPlainTextEdit>("preview_text")->viewport(), {QUrl::fromLocalFile(write_file("art.nfo", sheet))});
        QCOMPARE(window->control<QPlainTextEdit>("paste_nfo_text")->toPlainText().section('\n', 0, 0),
                 QStringLiteral("\u2554\u2550\u2550\u2557 \u2588\u2588\u2593\u2592\u2591 caf\u00e9"));
        const QString said = window->answering("Save as &DOS text (CP437)", [this] { window->act("Command3"); });
        QVERIFY2(said.contains("The sheet came in as DOS text."), qPrintable(said));
        QCOMPARE(file_bytes("Example Suite 4.0.nfo"), sheet);
    }

    void what_is_no_sheet_changes_nothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("said");
        const QByteArray sheet = QByteArray::fromStdString(golden("worked_example.nfo"));
        QTest::newRow("label_line_lost") << QByteArray(sheet).replace("Serial number...............: Not needed\r\n", "")
            << "OK" << "opened.nfo\" is not a sheet that Relwiz 2000 writes.\nline 18: the \"Serial number\" line of "
                       "General Information was expected here\n\nThe form and the preview are unchanged.";
        QTest::newRow("binary") << QByteArray("\x7F" "ELF\0\x01", 6) << "OK" << "opened.nfo\" is not a text file.";
        QTest::newRow("replacing_cancelled") << sheet << "Cancel" << "Open \"opened.nfo\" in place of what the form holds?";
    }

    void what_is_no_sheet_changes_nothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, answer);
        QFETCH(QString, said);
        window->act({"program_title_text=kept", "Command1"});
        const QString preview = window->preview_text();
        const QString answered = open(write_file("opened.nfo", bytes), answer);
        QVERIFY2(answered.contains(said), qPrintable(answered));
        QCOMPARE(window->control<QLineEdit>("program_title_text")->text(), QStringLiteral("kept"));
        QCOMPARE(window->preview_text(), preview);
    }
};

QTEST_MAIN(SheetOpenTest)
#include "sheet_open_test.moc"
