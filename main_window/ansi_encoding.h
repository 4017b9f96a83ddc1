// The file encoding of saved sheets: Windows-1252, the Western ANSI code
// page. One byte per character, no byte-order mark; every code point it
// cannot represent, a lone surrogate included, becomes "?".
#pragma once

#include <QByteArray>
#include <QStringView>

namespace relwiz {

QByteArray encode_windows_1252(QStringView text);

}  // namespace relwiz
