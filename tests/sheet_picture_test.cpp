// The sheet saved as a picture: every glyph and a sheet of art drawn cell
// by cell as ansilove draws them, the question for what DOS text lacks, and
// saves that are refused or cancelled leaving no file behind.
#include "screen_picture.h"
#include "window_driver.h"

#include <QProcess>
#include <QStandardPaths>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace relwiz;
using namespace relwiz::testing;

namespace {

// ansilove's picture of `bytes` read as `type` ("ans" or "bin"), `columns` wide.
QImage ansilove(const QByteArray& bytes, const char* type, qsizetype columns)
{
    const QString input = write_file(QStringLiteral("ansilove.") + type, bytes);
    QProcess::execute("ansilove", {"-q", "-b", "9", "-c", QString::number(columns), "-t", type, "-o", "ansilove.png", input});
    return QImage("ansilove.png");
}

// Empty when `ours` is `theirs` cut to its width, pixel by pixel, and black
// below the rows ansilove drew (it draws none for empty lines at the end).
QByteArray first_difference(const QImage& ours, const QImage& theirs)
{
    if (theirs.isNull() || ours.width() > theirs.width() || ours.height() < theirs.height())
        return "ansilove drew " + QByteArray::number(theirs.width()) + "x" + QByteArray::number(theirs.height());
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x)
            if (ours.pixel(x, y) != (y < theirs.height() ? theirs.pixel(x, y) : qRgb(0, 0, 0)))
                return QStringLiteral("line %1 column %2 differs at its pixel %3,%4")
                    .arg(y / cell_height + 1).arg(x / cell_width + 1).arg(x % cell_width).arg(y % cell_height).toUtf8();
    return {};
}

// Root writes into any folder; without its override of file permissions, a
// folder of mode 0500 refuses it too. Threads started meanwhile inherit it.
void override_permissions(bool on)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    syscall(SYS_capget, &header, data);
    data[0].effective = on ? data[0].permitted : data[0].effective & ~(1u << CAP_DAC_OVERRIDE);
    syscall(SYS_capset, &header, data);
}

}  // namespace

class SheetPictureTest : public QObject {
    Q_OBJECT

    std::optional<WindowDriver> window;

    // Ctrl+Shift+S on the preview's tab, the dialogs answered in turn; what they said.
    QString save_picture(const QStringList& answers)
    {
        window->click_tab(8);
        return window->answering(
            answers, [this] { window->press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier); }, true);
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("ansilove").isEmpty())
            QSKIP("ansilove is not installed (Debian: ansilove), and its pictures are what the sheet's are held to");
    }
    void init() { window.emplace(); }
    void cleanup()
    {
        override_permissions(true);
        window.reset();
    }

    // All 256 bytes, 0x00 to 0x1F and 0xC0 to 0xDF too, against ansilove's
    // .BIN reader, which draws every byte as its glyph; a shorter line after them.
    void every_glyph_as_ansilove_draws_it()
    {
        ScreenLines lines{{}, {256, 258}, 256};
        for (int byte = 0; byte < 256; ++byte)
            lines.cells += char(byte);
        lines.cells += "\xC4\xDB";
        std::string png;
        QVERIFY(draw_screen_picture(lines, [&png](std::string_view bytes) { return png.append(bytes), true; }, {}, {}));
        QByteArray bin;
        for (const char cell : lines.cells + std::string(254, ' '))
            bin += QByteArray(1, cell) + '\x07';  // light grey on black
        const QImage ours = QImage::fromData(QByteArray::fromStdString(png), "PNG");
        QCOMPARE(ours.size(), QSize(256 * 9, 2 * 16));
        QCOMPARE(first_difference(ours, ansilove(bin, "bin", 256)), QByteArray());
        // Taller than the million rows libpng takes unless told otherwise.
        ScreenLines tall{std::string(62'501, '|'), {}, 1};
        for (std::size_t end = 1; end <= tall.cells.size(); ++end)
            tall.ends.push_back(end);
        QVERIFY(draw_screen_picture(tall, [](std::string_view) { return true; }, {}, {}));
    }

    // A sheet of art with a line wider than 80 columns, a TAB and a
    // character DOS text lacks, saved from the window, against ansilove's
    // picture of its DOS text given one column more than the widest line.
    void sheet_as_ansilove_draws_its_dos_text()
    {
        const QString art = QStringLiteral("\u2554\u2550\u2557 \u263A\u2302\n\u2551\t\u2588\u2591\u2592\u2593\u2551 "
                                           "\u20AC\u00E9\n\u255A\u2500\u253C\u2518\n\n") + QString(100, u'\u2580') + '\n';
        const QByteArray dos = "\xC9\xCD\xBB \x01\x7F\r\n\xBA       \xDB\xB0\xB1\xB2\xBA ?\x82\r\n\xC8\xC4\xC5\xD9\r\n\r\n"
                             + QByteArray(100, '\xDF');
        window->act("program_title_text=Art");
        window->control<QPlainTextEdit>("preview_text")->setPlainText(art);  // a TAB typed would move the focus
        QCOMPARE(save_picture({"&Draw each as ?", "Art.png"}),
                 "Save as picture\n1 character of this sheet has no byte in DOS text (CP437).\nThe first is \"\u20AC\" "
                 "(U+20AC), on line 2, column 9.\n\nThe picture shows the sheet as a DOS screen does, in the characters "
                 "of code page 437, as .nfo galleries draw it: \"?\" stands in for each character it lacks.\n"
                 "[*&Draw each as ?][Cancel]\n"
                 "Save the sheet as a picture\n" + QDir::currentPath() + '\n' + QDir::current().filePath("Art.png")
                     + "\nPNG pictures (*.png)\n");
        QTRY_VERIFY(QFileInfo::exists("Art.png"));
        const QImage ours("Art.png");
        QCOMPARE(ours.size(), QSize(100 * 9, 5 * 16));
        QCOMPARE(first_difference(ours, ansilove(dos, "ans", 101)), QByteArray());
    }

    void refused_or_cancelled_leaves_no_file()
    {
        // The box's own menu offers it first, greyed out while there is nothing to draw.
        auto* preview = window->control<QPlainTextEdit>("preview_text");
        window->click_tab(8);
        QContextMenuEvent menu_key(QContextMenuEvent::Keyboard, {5, 5}, preview->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(preview, &menu_key);
        QAction* entry = QApplication::activePopupWidget()->actions().value(0);
        QCOMPARE(entry->text() + ' ' + entry->shortcut().toString() + ' ' + QString::number(entry->isEnabled()),
                 "Save as picture... Ctrl+Shift+S 0");
        QApplication::activePopupWidget()->close();
        QCOMPARE(save_picture({"OK"}),
                 "Save as picture\nThe preview is empty: there is nothing to draw.\nNothing was written.\n[*OK]");

        // A folder the system will not write in: named, with the system's reason.
        window->act("program_title_text=Art");
        preview->setPlainText(QString(80, u'\u2588') + '\n');
        QVERIFY(QDir().mkdir("locked") && QFile::setPermissions("locked", QFile::ReadOwner | QFile::ExeOwner));
        override_permissions(false);
        QCOMPARE(save_picture({"locked/Art.png", "OK"}).section("\n\n", 1),
                 "Save as picture\nThe picture could not be saved to \"" + QDir::current().filePath("locked/Art.png")
                     + "\".\nPermission denied\n\nNothing was written.\n[*OK]");
        override_permissions(true);

        // Text too varied to compress fast: seconds to draw, long after the
        // progress dialog shows. Its Cancel leaves the earlier picture as it
        // was, and nothing beside it.
        QString text;
        for (unsigned cell = 0, seed = 1; cell < 2'000'000; ++cell, seed = seed * 1103515245 + 12345)
            text += cell % 121 == 120 ? QChar(u'\n') : QChar(u'!' + (seed >> 16) % 90);
        preview->setPlainText(text);
        write_file("Art.png", "earlier");
        QCOMPARE(save_picture({"Art.png", "&Yes", "Cancel"}).section('\n', -2), "Save as picture\n[*Cancel]");
        QTRY_VERIFY(!window->form().findChild<QProgressDialog*>());
        QCOMPARE(window->unanswered(), QStringList());  // nothing said after a Cancel
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList({"Art.png"}));
        QCOMPARE(file_bytes("Art.png"), QByteArray("earlier"));
    }
};

QTEST_MAIN(SheetPictureTest)
#include "sheet_picture_test.moc"
