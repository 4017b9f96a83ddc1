// A release group's .nfo read from its file, as the paste box takes it.
#pragma once

#include "refusal.h"

#include <QByteArrayView>
#include <QString>

namespace relwiz {

inline constexpr qint64 largest_nfo_file = 32 << 20;

// The file's text, every line break "\n"; regular files of up to 32 MiB
// only: a FIFO or a device is never opened. A refusal names the file by
// `path`, in quotes: "\"/home/me/group.nfo\" is a folder."
OrRefusal<QString> read_nfo_file(const QString& path);

// The text of a file's bytes, by the first rule that applies: a UTF-8 or
// UTF-16 byte-order mark; valid UTF-8 with at least one byte beyond ASCII;
// CP437 for ".nfo" and ".diz", the DOS art files; Windows-1252 for anything
// else. Refused when the bytes hold a NUL and no UTF-16 mark: not text.
OrRefusal<QString> decode_nfo_text(QByteArrayView bytes, const QString& path);

}  // namespace relwiz
