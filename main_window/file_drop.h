// Takes the dropping of files (anything that carries addresses) away from a
// set of widgets and hands the addresses to one handler; dragged text keeps
// Qt's own handling.
#pragma once

#include "outcome.h"

#include <QObject>
#include <QPoint>
#include <QUrl>

#include <functional>

class QWidget;

namespace relwiz {

class FileDrop : public QObject {
    Q_OBJECT

public:
    // `position`: where the drop landed, in the coordinates of `target`.
    using Handler = std::function<void(const QList<QUrl>& urls, QWidget* target, QPoint position)>;

    FileDrop(Handler handler, QObject* parent);

    // Drops onto `widget` and onto every child of it that takes drops of its own.
    void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler handler_;
};

// The local files the addresses stand for, or a refusal naming the first
// address that is no local file (a web address, say).
Outcome<QStringList> local_paths(const QList<QUrl>& urls);

}  // namespace relwiz
