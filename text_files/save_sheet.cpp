#include "save_sheet.h"

#include "file_replacement.h"

#include <QDir>
#include <QFile>

namespace relwiz {
namespace {

// The sheet's file as the message names it: where it would have gone, with
// a NUL the title held shown as the symbol for NUL.
Refusal not_saved(const QString& file_name, const QString& reason)
{
    QString shown = QDir::toNativeSeparators(QDir::current().absoluteFilePath(file_name));
    shown.replace(QChar(0), QChar(0x2400));
    return {QStringLiteral("The sheet could not be saved to \"%1\".").arg(shown).toStdString(), reason.toStdString()};
}

}  // namespace

Outcome<> save_sheet(const QString& title, const QByteArray& encoded_sheet)
{
    const QString file_name = title + QLatin1String(".nfo");

    // The system would cut the name short at a NUL and write somewhere else.
    if (file_name.contains(QChar(0)))
        return not_saved(file_name, QStringLiteral("A file name cannot hold the character NUL."));

    const Outcome<> saved = replace_file(QFile::encodeName(file_name).toStdString(),
                                         {encoded_sheet.constData(), std::size_t(encoded_sheet.size())});
    if (!saved)
        return not_saved(file_name, QString::fromStdString(saved.refusal().message));
    return saved;
}

}  // namespace relwiz
