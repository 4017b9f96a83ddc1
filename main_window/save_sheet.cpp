#include "save_sheet.h"

#include "code_page.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <csignal>

namespace relwiz {
namespace {

// A write cut short (a full disc, a file-size limit) reports no error; the
// next write then fails with the system's reason, which is what the user
// needs to read.
bool write_all(QSaveFile& file, const QByteArray& bytes)
{
    const char* next = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const qint64 written = file.write(next, left);
        if (written <= 0)
            return false;
        next += written;
        left -= written;
    }
    return true;
}

}  // namespace

SaveResult save_sheet(const QString& title, const QString& sheet)
{
    return save_sheet(title, windows_1252().encode(sheet).bytes);
}

SaveResult save_sheet(const QString& title, const QByteArray& encoded_sheet)
{
    SaveResult result;
    result.file_name = title + QLatin1String(".nfo");

    // The system would cut the name short at a NUL and write somewhere else.
    if (result.file_name.contains(QChar(0))) {
        result.error = QCoreApplication::translate("save_sheet", "A file name cannot hold the character NUL.");
        return result;
    }

    // Not committed, the temporary file goes with `file` and the old one stays.
    QSaveFile file(result.file_name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !write_all(file, encoded_sheet) || !file.commit()) {
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
