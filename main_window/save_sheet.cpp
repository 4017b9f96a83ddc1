#include "save_sheet.h"

#include "ansi_encoding.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <csignal>

namespace relwiz {

SaveResult save_sheet(const QString& title, const QString& sheet)
{
    SaveResult result;
    result.file_name = title + QLatin1String(".nfo");

    // The system would cut the name short at a NUL and write somewhere else.
    if (result.file_name.contains(QChar(0))) {
        result.error = QCoreApplication::translate("save_sheet", "A file name cannot hold the character NUL.");
        return result;
    }

    QSaveFile file(result.file_name);
    const QByteArray bytes = encode_windows_1252(sheet);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.saved = true;
    return result;
}

void ignore_file_size_signal()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace relwiz
