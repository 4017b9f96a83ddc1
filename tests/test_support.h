// What every suite shares: expected output kept as files in tests/data, and
// a comparison of whole texts that names the first place they differ.
#pragma once

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <algorithm>
#include <string>
#include <string_view>

namespace relwiz::testing {

// The bytes of tests/data/<name>, or a text no sheet can equal.
inline std::string golden(const QString& name)
{
    QFile file(QStringLiteral(RELWIZ_TEST_DATA "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing " + name.toStdString() + ">";
}

// Writes the file, relative to the current folder; its absolute path, or "" when it cannot.
inline QString write_file(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? QFileInfo(file).absoluteFilePath()
                                                                              : QString();
}

inline QByteArray file_bytes(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<" + name.toUtf8() + " cannot be read>";
}

// Empty when equal; otherwise the byte offset and the two texts from the start of that line.
inline QByteArray first_difference(std::string_view actual, std::string_view expected)
{
    if (actual == expected)
        return {};
    const auto at = std::size_t(std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first
                                - actual.begin());
    const std::size_t line = actual.substr(0, at).rfind('\n') + 1;  // npos + 1 == 0
    const auto excerpt = [line](std::string_view text) {
        return QByteArray::fromStdString(std::string(text.substr(std::min(line, text.size()), 100)))
            .toPercentEncoding(" .:,'!?/*-+#()");
    };
    return "texts differ at byte " + QByteArray::number(qulonglong(at)) + "\n   actual: " + excerpt(actual)
         + "\n expected: " + excerpt(expected);
}

}  // namespace relwiz::testing

#define RELWIZ_COMPARE_TEXT(actual, expected)                                                       \
    do {                                                                                            \
        const QByteArray relwiz_difference_ = relwiz::testing::first_difference(actual, expected); \
        QVERIFY2(relwiz_difference_.isEmpty(), relwiz_difference_.constData());                    \
    } while (false)
