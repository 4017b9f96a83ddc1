// How a text came in from its file, and how a sheet may be written out.
#pragma once

namespace relwiz {

enum class TextEncoding {
    DosText,      // CP437 with a DOS screen's pictures, as .nfo viewers read it
    Utf8,         // no byte-order mark written
    Utf16,        // read only, from a file that carries its byte-order mark
    Windows1252,  // sheets as they were always saved
};

}  // namespace relwiz
