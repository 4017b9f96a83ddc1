// What users can paste that the program must carry without harm: a huge
// sheet, NUL and control characters, lone surrogates, and every character
// the Basic Multilingual Plane has.
#include "ansi_encoding.h"
#include "sheet_text.h"
#include "window_driver.h"
#include "worked_example.h"

#include <QClipboard>
#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <optional>

using namespace relwiz;
using namespace relwiz::testing;

class BadInputTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void huge_paste_goes_through_byte_exact();
    void control_characters_and_lone_surrogates_reach_the_file();
    void every_bmp_character_encodes_as_windows_1252_does();

private:
    std::optional<WindowDriver> window;
    std::optional<QTemporaryDir> folder;
    QString previous_directory;
};

void BadInputTest::init()
{
    folder.emplace();
    previous_directory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder->path()));
    window.emplace();
}

void BadInputTest::cleanup()
{
    window.reset();
    QDir::setCurrent(previous_directory);
    folder.reset();
}

void BadInputTest::huge_paste_goes_through_byte_exact()
{
    // 32 MiB of sheet lines, pasted with Ctrl+V as a person would.
    const QByteArray line = QByteArray(77, '#') + "\r\n";
    QByteArray pasted;
    pasted.reserve(32 << 20);
    while (pasted.size() + line.size() <= (32 << 20))
        pasted += line;
    pasted.chop(2);
    QApplication::clipboard()->setText(QString::fromLatin1(pasted));
    auto* box = window->control<QPlainTextEdit>("paste_nfo_text");
    window->click(box);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    window->type_into("program_title_text", "Huge");

    window->preview();
    window->create_nfo();

    ReleaseSheet sheet;
    sheet.program_title = "Huge";
    sheet.disc_type = "Select what this disc is";
    sheet.platform = "Select the platform for this program";
    sheet.category = "Enter the type of program / game / movie here";
    sheet.image_creation_app = "Select your disc imaging program";
    sheet.release_group_nfo = pasted.toStdString();
    const QByteArray saved = file_bytes("Huge.nfo");
    QVERIFY(saved.size() > (32 << 20));
    QVERIFY2(saved.toStdString() == compose_sheet(sheet), "the saved sheet differs from the composed one");
}

void BadInputTest::control_characters_and_lone_surrogates_reach_the_file()
{
    const QString hostile = QStringLiteral("a") + QChar(0) + QChar(1) + QChar(0x1f) + QChar(0x7f) + QChar(0xDC00) +
                            QStringLiteral("b") + QChar(0xD800) + QChar(0xFFFF) + QChar(0xFEFF);
    const QByteArray as_bytes = QByteArray("a\0\x01\x1f\x7f?b???", 10);

    window->control<QLineEdit>("program_title_text")->setText("Hostile");
    for (const char* name : {"poster_name_text", "serial_number_text", "group_text", "url_text"})
        window->control<QLineEdit>(name)->setText(hostile);
    for (const char* name : {"Combo1", "Combo4", "Combo6"})
        window->control<QComboBox>(name)->setEditText(hostile);
    window->click("number_discs_radio_1");
    window->control<QLineEdit>("volume_label_text", 0)->setText(hostile);
    window->control<QPlainTextEdit>("paste_nfo_text")->setPlainText(hostile);

    window->preview();
    window->create_nfo();
    const QByteArray saved = file_bytes("Hostile.nfo");
    for (const QByteArray& line :
         {as_bytes + " proudly presents Hostile\r\n", "Disc type...................: " + as_bytes + "\r\n",
          "Serial number...............: " + as_bytes + "\r\n", "Go to " + as_bytes + " for more info\r\n",
          "Group posted to.............: " + as_bytes + "\r\n", "Parts per day...............: " + as_bytes + "\r\n",
          "My fills policy.............: " + as_bytes + "\r\n", "Disc volume label...........: " + as_bytes + "\r\n",
          "\r\n\r\n" + as_bytes + "\r\n\r\n---"})
        QVERIFY2(saved.contains(line), line.toPercentEncoding().constData());
    QVERIFY(saved.endsWith(QByteArray::fromStdString(footer())));
}

void BadInputTest::every_bmp_character_encodes_as_windows_1252_does()
{
    QStringDecoder probe("windows-1252");
    QVERIFY2(probe.isValid(), "Qt has no windows-1252 converter here");
    int mapped = 0;
    for (char32_t code = 0; code <= 0xFFFF; ++code) {
        if (QChar::isSurrogate(code))
            continue;
        const QString character = QString(QChar(char16_t(code)));
        QStringEncoder reference("windows-1252");
        const QByteArray expected = reference.encode(character);
        const QByteArray actual = encode_windows_1252(character);
        if (!reference.hasError()) {
            ++mapped;
            QVERIFY2(actual == expected, qPrintable(QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0'))));
        } else {
            QVERIFY2(actual == "?", qPrintable(QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0'))));
        }
    }
    QCOMPARE(mapped, 256);  // every byte value is some character's
}

QTEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
