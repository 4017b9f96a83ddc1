#include "byte_fields.h"

namespace relwiz::release_files {

std::uint64_t little_endian(std::string_view record, std::size_t at, int width)
{
    std::uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(record[at + i]);
    return value;
}

std::uint64_t big_endian(std::string_view record, std::size_t at, int width)
{
    std::uint64_t value = 0;
    for (int i = 0; i < width; ++i)
        value = value << 8 | static_cast<unsigned char>(record[at + i]);
    return value;
}

std::optional<std::string> read_record(ByteSource& file, std::uint64_t offset, std::uint64_t length)
{
    if (offset > file.size() || length > file.size() - offset)
        return std::nullopt;
    std::string record(length, '\0');
    if (file.read_at(offset, record) != record.size())
        return std::nullopt;
    return record;
}

}  // namespace relwiz::release_files
