// Single-byte code pages: Windows-1252, in which sheets are saved, and
// CP437, the DOS code page that .nfo art is drawn in and .nfo viewers read.
// Both write ASCII as ASCII; CP437 also reads the control bytes other than
// NUL, TAB, LF and CR as the pictures a DOS screen drew for them, and writes
// those pictures back as their bytes. One byte per character, no byte-order
// mark; a character the code page lacks becomes "?".
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
    // `characters`: the character of each byte, in byte order; every ASCII
    // character also encodes as itself. `aliases`: other characters that
    // encode to one of the bytes.
    explicit CodePage(const std::array<char16_t, 256>& characters,
                      std::initializer_list<std::pair<char16_t, std::uint8_t>> aliases = {});

    //     cp437().encode(u"\u2588 \u263A \u25CB").bytes == "\xDB \x01 ?"
    EncodedText encode(QStringView text) const;
    //     cp437().decode("\xDB\x01") == u"\u2588\u263A"
    QString decode(QByteArrayView bytes) const;
    char16_t character(std::uint8_t byte) const { return characters_[byte]; }

private:
    int byte_of(char16_t c) const;  // -1 when the code page lacks it

    std::array<char16_t, 256> characters_;
    std::vector<std::pair<char16_t, std::uint8_t>> by_character_;  // sorted for lookup
};

const CodePage& windows_1252();  // windows_1252.cpp
const CodePage& cp437();         // cp437.cpp

}  // namespace relwiz
