// Helpers for tests that hold whole sheets: lines joined as the sheet joins
// them, and a failure message that points at the first line that differs.
#pragma once

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

namespace relwiz::testing {

// The lines joined by CR LF, with no line end after the last one.
inline std::string crlf_lines(std::initializer_list<std::string_view> lines)
{
    std::string text;
    bool first = true;
    for (std::string_view line : lines) {
        if (!first)
            text += "\r\n";
        text += line;
        first = false;
    }
    return text;
}

inline std::string concat(std::initializer_list<std::string_view> parts)
{
    std::string text;
    for (std::string_view part : parts)
        text += part;
    return text;
}

// Empty when the texts are equal; otherwise where and how they first differ.
inline QByteArray first_difference(std::string_view actual, std::string_view expected)
{
    if (actual == expected)
        return {};
    const auto mismatch = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    const auto offset = static_cast<std::size_t>(mismatch.first - actual.begin());
    const std::size_t line_start = actual.rfind('\n', offset == 0 ? 0 : offset - 1);
    const std::size_t from = line_start == std::string_view::npos || offset == 0 ? 0 : line_start + 1;
    const auto excerpt = [from](std::string_view text) {
        return QByteArray(text.substr(std::min(from, text.size()), 100).data(),
                          static_cast<qsizetype>(text.substr(std::min(from, text.size()), 100).size()))
            .toPercentEncoding(" .:,'!?/*-+#()");
    };
    return QByteArray("texts differ at byte ") + QByteArray::number(qulonglong(offset)) +
           " (actual " + QByteArray::number(qulonglong(actual.size())) + " bytes, expected " +
           QByteArray::number(qulonglong(expected.size())) + ")\n   actual: " + excerpt(actual) +
           "\n expected: " + excerpt(expected);
}

}  // namespace relwiz::testing

#define RELWIZ_COMPARE_TEXT(actual, expected)                                              \
    do {                                                                                   \
        const QByteArray relwiz_difference_ = relwiz::testing::first_difference(actual, expected); \
        QVERIFY2(relwiz_difference_.isEmpty(), relwiz_difference_.constData());           \
    } while (false)
