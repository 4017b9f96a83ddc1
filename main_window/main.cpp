// relwiz: opens the main window and runs until the last window closes.
#include "accessibility.h"
#include "main_form.h"
#include "relwiz_version.h"
#include "file_replacement.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt ends a program that cannot open its display with an abort and a page of
// advice. While the application starts, the platform's complaints are kept,
// and a fatal one becomes a single line and exit status 1.
QtMessageHandler default_handler = nullptr;
QString platform_problem;

void handle_start_up_message(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool from_platform = context.category && QByteArray(context.category).startsWith("qt.qpa");
    if (type == QtFatalMsg) {
        const QString reason = platform_problem.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0) : platform_problem;
        std::fprintf(stderr, "relwiz: cannot open a display: %s\n", qPrintable(reason));
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (from_platform && platform_problem.isEmpty())
        platform_problem = message;
    else if (!from_platform)
        default_handler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[])
{
    relwiz::ignore_file_size_signal();

    default_handler = qInstallMessageHandler(handle_start_up_message);
    QApplication application(argc, argv);
    qInstallMessageHandler(default_handler);

    QApplication::setApplicationName(QStringLiteral("Relwiz 2000"));
    QApplication::setApplicationVersion(QStringLiteral(RELWIZ_VERSION));

    relwiz::install_accessible_interfaces();
    relwiz::MainForm form;
    form.show();
    return QApplication::exec();
}
