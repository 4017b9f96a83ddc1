#include "save_encoding_question.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace relwiz {
namespace {

// The first character the code page lacks, and where it stands: lines and
// columns from 1, counted in characters, a pair beyond the BMP being one.
QString first_unencodable(QStringView sheet, qsizetype first)
{
    const qsizetype line_start = sheet.first(first).lastIndexOf(u'\n') + 1;
    const qsizetype column = sheet.sliced(line_start, first - line_start).toUcs4().size() + 1;
    const qsizetype line = sheet.first(first).count(u'\n') + 1;
    const bool pair = first + 1 < sheet.size() && sheet[first].isHighSurrogate() && sheet[first + 1].isLowSurrogate();
    const QStringView character = sheet.sliced(first, pair ? 2 : 1);
    const char32_t code = pair ? QChar::surrogateToUcs4(character[0], character[1]) : character[0].unicode();
    return QStringLiteral("The first is \"%1\" (U+%2), on line %3, column %4.")
        .arg(QChar::isSurrogate(code) ? QString() : character.toString(),
             QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0')))
        .arg(line)
        .arg(column);
}

struct Offer {
    SaveEncoding encoding;
    const char* button;
};

constexpr Offer offers[] = {
    {SaveEncoding::Cp437, "Save as &DOS text (CP437)"},
    {SaveEncoding::Utf8, "Save as &UTF-8"},
    {SaveEncoding::Windows1252, "&Replace with ?"},
};

}  // namespace

std::optional<SaveEncoding> ask_save_encoding(QWidget* parent, QStringView sheet,
                                              const EncodedText& in_windows_1252, bool fits_cp437)
{
    const qsizetype count = in_windows_1252.unencodable;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Create .nfo!"),
                    count == 1 ? QStringLiteral("1 character of this sheet cannot be written in Windows-1252.")
                               : QStringLiteral("%1 characters of this sheet cannot be written in Windows-1252.")
                                     .arg(count),
                    QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("save_encoding_question"));
    box.setInformativeText(
        first_unencodable(sheet, in_windows_1252.first_unencodable) + QStringLiteral("\n\n") +
        (fits_cp437 ? QStringLiteral("DOS text (CP437), the code page .nfo viewers read, holds every one of them. ")
                    : QStringLiteral("DOS text (CP437) cannot hold them either. ")) +
        QStringLiteral("UTF-8 holds them all; Replace with ? writes \"?\" for each, as sheets were always saved."));
    // The offers share one role, so every style shows them in this order, Cancel last.
    std::vector<std::pair<QAbstractButton*, SaveEncoding>> buttons;
    for (const Offer& offer : offers)
        if (offer.encoding != SaveEncoding::Cp437 || fits_cp437)
            buttons.emplace_back(box.addButton(QString::fromLatin1(offer.button), QMessageBox::ActionRole), offer.encoding);
    box.setDefaultButton(static_cast<QPushButton*>(buttons.front().first));
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    for (const auto& [button, encoding] : buttons)
        if (box.clickedButton() == button)
            return encoding;
    return std::nullopt;
}

}  // namespace relwiz
