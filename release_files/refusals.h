// Why a drop fills nothing in, or a file is not read or written, in the
// words the user reads. Every message names the files by their names, never
// their folders, and gives the reason.
#pragma once

#include "refusal.h"

#include <string_view>

namespace relwiz::release_files {

Refusal too_many_files();
Refusal nothing_recognised();
Refusal cannot_read(std::string_view file, std::string_view reason);
Refusal cannot_write(std::string_view file, std::string_view reason);
Refusal two_images(std::string_view first, std::string_view second);
Refusal two_archive_sets(std::string_view first, std::string_view second);
Refusal missing_part(std::string_view part);
Refusal cue_names_no_image(std::string_view cue);
Refusal cue_image_missing(std::string_view image, std::string_view cue);

}  // namespace relwiz::release_files
