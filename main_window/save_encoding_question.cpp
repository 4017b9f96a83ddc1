#include "save_encoding_question.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace relwiz {

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

namespace {

struct Button {
    TextEncoding encoding;
    bool whole;  // the offer keeps every character
    const char* text;
};

constexpr Button buttons[] = {
    {TextEncoding::DosText, true, "Save as &DOS text (CP437)"},
    {TextEncoding::Utf8, true, "Save as &UTF-8"},
    {TextEncoding::Windows1252, true, "Save as &Windows-1252"},
    {TextEncoding::Windows1252, false, "&Replace with ?"},
};

QString button_text(const SaveOffer& offer)
{
    const bool whole = offer.encoded.unencodable == 0;
    const auto button = std::find_if(std::begin(buttons), std::end(buttons), [&](const Button& b) {
        return b.encoding == offer.encoding && b.whole == whole;
    });
    return QString::fromLatin1(button->text);
}

// Said only of the code pages save_offers() keeps: Windows-1252 and UTF-16
// change nothing of what is asked.
QString came_in_as(std::optional<CameIn> came_in)
{
    if (!came_in || (came_in->read_as != TextEncoding::DosText && came_in->read_as != TextEncoding::Utf8))
        return {};
    return QStringLiteral("%1 came in as %2.")
        .arg(came_in->what == CameIn::What::Sheet ? QStringLiteral("The sheet")
                                                  : QStringLiteral("The release group's .nfo"),
             came_in->read_as == TextEncoding::DosText ? QStringLiteral("DOS text") : QStringLiteral("UTF-8"));
}

const SaveOffer* offer_of(const std::vector<SaveOffer>& offers, TextEncoding encoding)
{
    const auto found = std::find_if(offers.begin(), offers.end(),
                                    [encoding](const SaveOffer& offer) { return offer.encoding == encoding; });
    return found == offers.end() ? nullptr : &*found;
}

// What the box says, why it asks and what each offer does, when Windows-1252
// lacks characters of the sheet.
std::pair<QString, QString> shortfall_question(QStringView sheet, const EncodedText& in_windows_1252,
                                               const QString& why, bool dos_text)
{
    const qsizetype count = in_windows_1252.unencodable;
    return {count == 1 ? QStringLiteral("1 character of this sheet cannot be written in Windows-1252.")
                       : QStringLiteral("%1 characters of this sheet cannot be written in Windows-1252.").arg(count),
            first_unencodable(sheet, in_windows_1252.first_unencodable) + QStringLiteral("\n\n") +
                (why.isEmpty() ? QString() : why + u' ') +
                (dos_text ? QStringLiteral("DOS text (CP437), the code page .nfo viewers read, holds every one of them. ")
                          : QStringLiteral("DOS text (CP437) cannot hold them either. ")) +
                QStringLiteral("UTF-8 holds them all; Replace with ? writes \"?\" for each, as sheets were always saved.")};
}

// The same when Windows-1252 holds the sheet and the question comes only
// from how the group's .nfo or the sheet came in.
std::pair<QString, QString> code_page_question(const QString& why, bool dos_text)
{
    return {why, QStringLiteral("Windows-1252 holds every character of this sheet, but .nfo viewers read DOS text "
                                "and would show those beyond ASCII as others. ") +
                     (dos_text ? QStringLiteral("DOS text (CP437) and UTF-8 keep them all.")
                               : QStringLiteral("DOS text (CP437) cannot hold them all; UTF-8 keeps them all."))};
}

}  // namespace

const SaveOffer* ask_save_encoding(QWidget* parent, QStringView sheet, const std::vector<SaveOffer>& offers,
                                   std::optional<CameIn> came_in)
{
    const EncodedText& in_windows_1252 = offer_of(offers, TextEncoding::Windows1252)->encoded;  // always offered
    const bool dos_text = offer_of(offers, TextEncoding::DosText) != nullptr;
    const auto [text, informative_text] = in_windows_1252.unencodable > 0
                                              ? shortfall_question(sheet, in_windows_1252, came_in_as(came_in), dos_text)
                                              : code_page_question(came_in_as(came_in), dos_text);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Create .nfo!"), text, QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("save_encoding_question"));
    box.setInformativeText(informative_text);
    // The offers share one role, so every style shows them in this order, Cancel last.
    std::vector<QAbstractButton*> shown;
    for (const SaveOffer& offer : offers)
        shown.push_back(box.addButton(button_text(offer), QMessageBox::ActionRole));
    box.setDefaultButton(static_cast<QPushButton*>(shown.front()));
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    const auto chosen = std::find(shown.begin(), shown.end(), box.clickedButton());
    return chosen == shown.end() ? nullptr : &offers[std::size_t(chosen - shown.begin())];
}

}  // namespace relwiz
