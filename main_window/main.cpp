// relwiz: opens the main window and runs until the last window closes.
#include "main_form.h"
#include "relwiz_version.h"
#include "save_sheet.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    relwiz::ignore_file_size_signal();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Relwiz 2000"));
    QApplication::setApplicationVersion(QStringLiteral(RELWIZ_VERSION));

    relwiz::MainForm form;
    form.show();
    return QApplication::exec();
}
