// The yardstick for start-up time and memory: the least a Qt Widgets
// program does to show a window of the main window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Qt Widgets window"));
    window.setFixedSize(705, 554);
    window.show();
    return application.exec();
}
