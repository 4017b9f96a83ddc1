#include "refusals.h"

#include <string>

namespace relwiz::release_files {

namespace {

std::string both(std::string_view first, std::string_view second)
{
    return std::string(first) + " and " + std::string(second);
}

}  // namespace

Refusal too_many_files()
{
    return {"More than 10,000 files were dropped; drop one disc's files or its folder."};
}

Refusal nothing_recognised()
{
    return {"None of the dropped files is a disc image or an archive part."};
}

Refusal no_archive_parts()
{
    return {"None of the files is an archive part."};
}

Refusal cannot_read(std::string_view file, std::string_view reason)
{
    return {"Cannot read " + std::string(file) + ": " + std::string(reason) + "."};
}

Refusal cannot_write(std::string_view file, std::string_view reason)
{
    return {"Cannot write " + std::string(file) + ": " + std::string(reason) + "."};
}

Refusal two_images(std::string_view first, std::string_view second)
{
    return {"Drop one disc's files at a time: " + both(first, second) + " are two disc images."};
}

Refusal two_archive_sets(std::string_view first, std::string_view second)
{
    return {"Drop one disc's files at a time: " + both(first, second) + " belong to two archive sets."};
}

Refusal missing_part(std::string_view part)
{
    return {std::string(part) + " is missing."};
}

Refusal part_size_differs(std::string_view part, std::uint64_t size, std::string_view first, std::uint64_t first_size)
{
    return {std::string(part) + " has " + std::to_string(size) + " bytes but " + std::string(first) + " has "
            + std::to_string(first_size) + ": every part but the last is as large as the first."};
}

Refusal next_part_said_to_follow(std::string_view missing, std::string_view last)
{
    return {std::string(missing) + " is missing: " + std::string(last) + " says the archive goes on."};
}

Refusal zip_part_missing(std::string_view missing, std::string_view zip, std::uint64_t parts)
{
    return {std::string(missing) + " is missing: " + std::string(zip) + " says the archive has " + std::to_string(parts)
            + " parts."};
}

Refusal cue_names_no_image(std::string_view cue)
{
    return {std::string(cue) + " names no image file."};
}

Refusal cue_image_missing(std::string_view image, std::string_view cue)
{
    return {std::string(image) + ", the image that " + std::string(cue) + " names, is missing."};
}

Refusal describing_file_missing(std::string_view describing, std::string_view data)
{
    return {std::string(describing) + ", which describes " + std::string(data) + ", is missing."};
}

Refusal not_an_image_of(std::string_view file, std::string_view kind)
{
    return {std::string(file) + " is not " + std::string(kind) + ", or it was cut short."};
}

Refusal format_version_unread(std::string_view file, std::string_view program, std::string_view version)
{
    return {std::string(file) + " is in " + std::string(program) + "'s format version " + std::string(version)
            + ", which is not read here."};
}

Refusal table_outside_file(std::string_view file, std::string_view table)
{
    return {std::string(file) + ": its " + std::string(table) + " points outside the file."};
}

Refusal table_does_not_add_up(std::string_view file, std::string_view table)
{
    return {std::string(file) + ": its " + std::string(table) + " does not add up."};
}

Refusal table_too_large(std::string_view file, std::string_view table)
{
    return {std::string(file) + ": its " + std::string(table) + " is larger than any disc's."};
}

Refusal lists_no_track(std::string_view file)
{
    return {std::string(file) + " lists no track."};
}

Refusal unknown_track_mode(std::string_view file, int track)
{
    return {std::string(file) + ": track " + std::to_string(track) + " is of a mode not known here."};
}

Refusal unknown_sector_size(std::string_view file, int track)
{
    return {std::string(file) + ": track " + std::to_string(track) + " has sectors of a size not known here."};
}

Refusal track_past_end(std::string_view file, int track, std::string_view data_file)
{
    return {std::string(file) + ": track " + std::to_string(track) + " runs past the end of " + std::string(data_file)
            + "."};
}

Refusal sheet_line_unreadable(std::string_view file, int line)
{
    return {std::string(file) + ": line " + std::to_string(line) + " cannot be read."};
}

}  // namespace relwiz::release_files
