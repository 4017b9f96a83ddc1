#include "save_picture.h"

#include "file_replacement.h"

#include <QDir>
#include <QFile>

namespace relwiz {

Outcome<> save_picture(const QString& path, const ScreenLines& lines, const PictureProgressCallback& progress,
                       std::stop_token stop)
{
    FileReplacement file(QFile::encodeName(path).toStdString());
    Outcome<> saved =
        draw_screen_picture(lines, [&file](std::string_view bytes) { return file.write(bytes); }, progress, stop);
    if (saved.was_cancelled())
        return cancelled;  // the new file goes with `file`
    if (saved || file.failed())
        saved = file.commit();  // a write that failed is the file's to explain
    if (saved)
        return saved;
    const QString shown = QDir::toNativeSeparators(QDir::current().absoluteFilePath(path));
    return Refusal{QStringLiteral("The picture could not be saved to \"%1\".").arg(shown).toStdString(),
                   saved.refusal().message};
}

}  // namespace relwiz
