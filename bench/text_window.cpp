// The second yardstick for start-up: the least a Qt Widgets program does to
// show a window of the main window's size with text in it, one label in the
// controls' font and one box in the sheet boxes' font. Showing text loads
// the font database and two fonts, which every window with text pays; the
// bare minimal_window pays for neither.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Qt Widgets window with text"));
    window.setFixedSize(705, 554);

    QFont control_font(QStringLiteral("Arial"));
    control_font.setPointSizeF(8.25);
    auto* label = new QLabel(QStringLiteral("Disc type:"), &window);
    label->setFont(control_font);
    label->setGeometry(16, 80, 89, 17);

    QFont sheet_font(QStringLiteral("DejaVu Sans Mono"));
    sheet_font.setPixelSize(13);
    auto* box = new QPlainTextEdit(QStringLiteral("Relwiz 2000"), &window);
    box->setFont(sheet_font);
    box->setGeometry(16, 272, 657, 269);

    window.show();
    return application.exec();
}
