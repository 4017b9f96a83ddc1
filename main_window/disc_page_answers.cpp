#include "disc_page_answers.h"

#include <string>

namespace relwiz {
namespace {

template <typename Value>
void answer(DiscPageAnswers& answers, Value DiscInfo::*field, Value value)
{
    answers.values.*field = std::move(value);
    answers.answered.emplace_back(field);
}

// The pair knows a .bin with its cue and an .iso; other kinds set neither, and the file name says which it is.
ImageFormat format_of(const release_files::DiscImage& image)
{
    switch (image.kind) {
    case release_files::ImageKind::bin_cue: return ImageFormat::BinCue;
    case release_files::ImageKind::iso: return ImageFormat::Iso;
    case release_files::ImageKind::other: return ImageFormat::None;
    }
    return ImageFormat::None;
}

}  // namespace

DiscPageAnswers disc_page_answers(const release_files::DiscFiles& files)
{
    DiscPageAnswers answers;
    if (const auto& image = files.image) {
        if (image->volume_label)
            answer(answers, &DiscInfo::volume_label, *image->volume_label);
        answer(answers, &DiscInfo::image_format, format_of(*image));
        answer(answers, &DiscInfo::image_filename, image->file_name);
        answer(answers, &DiscInfo::image_file_size, std::to_string(image->size));
    }
    if (const auto& archive = files.archive) {
        answer(answers, &DiscInfo::archive_format, archive->format);
        answer(answers, &DiscInfo::archive_part_size, std::to_string(archive->largest_part));
        answer(answers, &DiscInfo::number_of_parts, std::to_string(archive->parts));
        answer(answers, &DiscInfo::archive_size, std::to_string(archive->total_size));
    }
    if (const auto& image = files.image)
        answer(answers, &DiscInfo::needs_80min_cdr, image->needs_80min_cdr ? YesNoChoice::Yes : YesNoChoice::No);
    return answers;
}

}  // namespace relwiz
