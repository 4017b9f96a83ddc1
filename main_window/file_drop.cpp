#include "file_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QWidget>

namespace relwiz {

FileDrop::FileDrop(Handler handler, QObject* parent)
    : QObject(parent)
    , handler_(std::move(handler))
{
}

void FileDrop::watch(QWidget* widget)
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>())
        if (child->acceptDrops())  // a text box would otherwise take the files' addresses as text
            child->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);  // the drag events are drop events too
    if (!drop->mimeData()->hasUrls())
        return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        // Handled once the drop is over, so that a warning never keeps the
        // program the files came from waiting for the drop to finish.
        QMetaObject::invokeMethod(
            this,
            [this, urls = drop->mimeData()->urls(), target = QPointer(static_cast<QWidget*>(watched)),
             position = drop->position().toPoint()] {
                if (target)
                    handler_(urls, target, position);
            },
            Qt::QueuedConnection);
    }
    return true;
}

Outcome<QStringList> local_paths(const QList<QUrl>& urls)
{
    QStringList paths;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            return Refusal{QStringLiteral("\"%1\" is not a local file.").arg(url.toDisplayString()).toStdString(), {}};
        paths.append(url.toLocalFile());
    }
    return paths;
}

}  // namespace relwiz
