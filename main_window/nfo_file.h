// A release group's .nfo read from its file, as the paste box takes it.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace relwiz {

inline constexpr qint64 largest_nfo_file = 32 << 20;

struct NfoFile {
    QString text;     // every line break "\n"
    QString problem;  // why the file was refused, said of it: "is a folder"; empty when read
};

// Regular files of up to 32 MiB only: a FIFO or a device is never opened.
NfoFile read_nfo_file(const QString& path);

// The text of a file's bytes, by the first rule that applies: a UTF-8 or
// UTF-16 byte-order mark; valid UTF-8 with at least one byte beyond ASCII;
// CP437 for ".nfo" and ".diz", the DOS art files; Windows-1252 for anything
// else. Nothing when the bytes hold a NUL and no UTF-16 mark: not text.
std::optional<QString> decode_nfo_text(QByteArrayView bytes, QStringView file_name);

}  // namespace relwiz
