#include "save_sheet.h"

#include <QDir>
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

// The sheet's file as the message names it: where it would have gone, with
// a NUL the title held shown as the symbol for NUL.
Refusal not_saved(const QString& file_name, const QString& reason)
{
    QString shown = QDir::toNativeSeparators(QDir::current().absoluteFilePath(file_name));
    shown.replace(QChar(0), QChar(0x2400));
    return {QStringLiteral("The sheet could not be saved to \"%1\".").arg(shown).toStdString(), reason.toStdString()};
}

}  // namespace

OrRefusal<> save_sheet(const QString& title, const QByteArray& encoded_sheet)
{
    const QString file_name = title + QLatin1String(".nfo");

    // The system would cut the name short at a NUL and write somewhere else.
    if (file_name.contains(QChar(0)))
        return not_saved(file_name, QStringLiteral("A file name cannot hold the character NUL."));

    // Not committed, the temporary file goes with `file` and the old one stays.
    QSaveFile file(file_name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !write_all(file, encoded_sheet) || !file.commit())
        return not_saved(file_name, file.errorString());
    return OrRefusal<>::done();
}

void ignore_file_size_signal()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

}  // namespace relwiz
