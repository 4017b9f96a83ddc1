// Why a drop fills nothing in, or a file is not read or written, in the
// words the user reads. Every message names the files by their names, never
// their folders, and gives the reason.
#pragma once

#include "outcome.h"

#include <cstdint>
#include <string_view>

namespace relwiz::release_files {

Refusal too_many_files();
Refusal nothing_recognised();
Refusal no_archive_parts();
Refusal cannot_read(std::string_view file, std::string_view reason);
Refusal cannot_write(std::string_view file, std::string_view reason);
Refusal two_images(std::string_view first, std::string_view second);
Refusal two_archive_sets(std::string_view first, std::string_view second);
Refusal missing_part(std::string_view part);
Refusal part_size_differs(std::string_view part, std::uint64_t size, std::string_view first, std::uint64_t first_size);
Refusal next_part_said_to_follow(std::string_view missing, std::string_view last);
Refusal zip_part_missing(std::string_view missing, std::string_view zip, std::uint64_t parts);
Refusal cue_names_no_image(std::string_view cue);
Refusal cue_image_missing(std::string_view image, std::string_view cue);
Refusal describing_file_missing(std::string_view describing, std::string_view data);
Refusal not_an_image_of(std::string_view file, std::string_view kind);
Refusal format_version_unread(std::string_view file, std::string_view program, std::string_view version);
Refusal table_outside_file(std::string_view file, std::string_view table);
Refusal table_does_not_add_up(std::string_view file, std::string_view table);
Refusal table_too_large(std::string_view file, std::string_view table);
Refusal lists_no_track(std::string_view file);
Refusal unknown_track_mode(std::string_view file, int track);
Refusal unknown_sector_size(std::string_view file, int track);
Refusal track_past_end(std::string_view file, int track, std::string_view data_file);
Refusal sheet_line_unreadable(std::string_view file, int line);

}  // namespace relwiz::release_files
