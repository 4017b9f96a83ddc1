#include "sfv_answers.h"

namespace relwiz {

QString parts_count(std::size_t parts)
{
    return parts == 1 ? QStringLiteral("1 part") : QStringLiteral("%1 parts").arg(parts);
}

SfvAnswer check_answer(const Outcome<release_files::SfvCheck>& check, int disc, const QString& sfv_name,
                       std::size_t parts)
{
    if (check.refused())
        return {SfvAnswer::Kind::refusal, {}, check.refusal(),
                QStringLiteral("Disc %1 Info stays filled; the parts were not checked.").arg(disc + 1)};
    if (!check)
        return {};
    if (check->problems.empty())
        return {SfvAnswer::Kind::information,
                {parts == 1 ? QStringLiteral("The 1 part matches %1.").arg(sfv_name)
                            : QStringLiteral("All %1 match %2.").arg(parts_count(parts), sfv_name)}};
    SfvAnswer answer{SfvAnswer::Kind::warning};
    for (const std::string& problem : check->problems)
        answer.lines << QString::fromStdString(problem);
    return answer;
}

SfvAnswer write_answer(const Outcome<release_files::SfvWritten>& written, const QString& sfv_name, bool replaced)
{
    if (written.refused())
        return {SfvAnswer::Kind::refusal, {}, written.refusal(),
                replaced ? QStringLiteral("%1 is as it was.").arg(sfv_name) : QStringLiteral("Nothing was written.")};
    if (!written)
        return {};
    return {SfvAnswer::Kind::information,
            {QStringLiteral("Wrote %1 for the %2.").arg(sfv_name, parts_count(written->parts))}};
}

}  // namespace relwiz
