// Single-byte code pages that agree with ASCII below 0x80 and differ above
// it: Windows-1252, in which sheets are saved, and CP437, the DOS code page
// that .nfo art is drawn in and .nfo viewers read. One byte per character,
// no byte-order mark; a character the code page lacks becomes "?".
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace relwiz {

struct EncodedText {
    QByteArray bytes;
    qsizetype unencodable = 0;         // characters written as "?"; a pair beyond the BMP counts once
    qsizetype first_unencodable = -1;  // where the first of them starts in the text, in UTF-16 units
};

class CodePage {
public:
    // `upper_half`: the characters of the bytes 0x80 to 0xFF, in byte order;
    // `aliases`: other characters that encode to one of those bytes.
    explicit CodePage(const std::array<char16_t, 128>& upper_half,
                      std::initializer_list<std::pair<char16_t, std::uint8_t>> aliases = {});

    EncodedText encode(QStringView text) const;
    QString decode(QByteArrayView bytes) const;

private:
    int byte_of(char16_t c) const;  // -1 when the code page lacks it

    std::array<char16_t, 128> upper_half_;
    std::vector<std::pair<char16_t, std::uint8_t>> by_character_;  // sorted for lookup
};

const CodePage& windows_1252();  // windows_1252.cpp
const CodePage& cp437();         // cp437.cpp

}  // namespace relwiz
