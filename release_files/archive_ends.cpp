#include "archive_ends.h"

#include "byte_fields.h"  // little_endian: all three formats store their numbers so
#include "crc32.h"
#include "refusals.h"
#include "regular_file.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace relwiz::release_files {

namespace {

// The furthest an end-of-archive block can start before the last non-zero byte of a part.
constexpr std::size_t max_end_block = 64;
// ARJ's main header: its id and size, at most 2,600 bytes of basic header, and their CRC-32.
constexpr std::size_t max_arj_head = 2 + 2 + 2600 + 4;

// The CRC-32 RAR, ZIP and ARJ put on their headers, the .sfv's own.
std::uint32_t crc_of(std::string_view bytes)
{
    return crc32_update(0, bytes);
}

// RAR 5's vint: seven bits a byte, the lowest first, the top bit set on every byte but the last.
std::optional<std::uint64_t> take_vint(std::string_view& bytes)
{
    std::uint64_t value = 0;
    for (int shift = 0; shift < 64 && !bytes.empty(); shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes.front());
        bytes.remove_prefix(1);
        value |= std::uint64_t(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0)
            return value;
    }
    return std::nullopt;
}

// RAR 5.0 archive format (rarlab.com technote): a block is Header CRC32
// (uint32, of the bytes from Header size to the header's end), Header size
// (vint, from Header type on), Header type (vint; 5 ends the archive),
// Header flags (vint; 0x0001 an Extra area size vint follows, 0x0002 a Data
// size vint), then the End of archive flags (vint; 0x0001 the archive is a
// volume and not the last of its set). Returns the flag when a block ending
// at or after used starts at at.
std::optional<bool> rar5_end_at(std::string_view tail, std::size_t at, std::size_t used)
{
    if (tail.size() - at < 5)
        return std::nullopt;
    const std::uint32_t crc = little_endian(tail, at, 4);
    const std::string_view sized = tail.substr(at + 4);
    std::string_view header = sized;
    const std::optional<std::uint64_t> size = take_vint(header);
    if (!size || *size > header.size())
        return std::nullopt;
    const std::size_t header_end = tail.size() - header.size() + *size;
    header = header.substr(0, *size);
    if (header_end < used || crc_of(sized.substr(0, header_end - at - 4)) != crc)
        return std::nullopt;
    const std::optional<std::uint64_t> type = take_vint(header);
    const std::optional<std::uint64_t> flags = take_vint(header);
    if (type != 5u || !flags || ((*flags & 0x0001) && !take_vint(header)) || ((*flags & 0x0002) && !take_vint(header)))
        return std::nullopt;
    const std::optional<std::uint64_t> end_flags = take_vint(header);
    if (!end_flags)
        return std::nullopt;
    return (*end_flags & 0x0001) != 0;
}

// RAR 1.5 to 4 (technote.txt of RAR 4): a block is HEAD_CRC (2 bytes, the
// low half of the CRC-32 of the block from HEAD_TYPE to its end), HEAD_TYPE
// (1; 0x7B is ENDARC, the end of the archive), HEAD_FLAGS (2; ENDARC's
// 0x0001 says the archive goes on in the next volume), HEAD_SIZE (2, the
// whole block). Returns the flag when a block ending at or after used starts at at.
std::optional<bool> rar4_end_at(std::string_view tail, std::size_t at, std::size_t used)
{
    constexpr char endarc = 0x7B;
    if (tail.size() - at < 7 || tail[at + 2] != endarc)
        return std::nullopt;
    const std::size_t size = little_endian(tail, at + 5, 2);
    if (size < 7 || size > tail.size() - at || at + size < used
        || (crc_of(tail.substr(at + 2, size - 2)) & 0xFFFF) != little_endian(tail, at, 2))
        return std::nullopt;
    return (little_endian(tail, at + 3, 2) & 0x0001) != 0;
}

LastPartSays rar_end(std::string_view tail)
{
    return {rar_volume_goes_on(tail), std::nullopt};
}

LastPartSays zip_end(std::string_view tail)
{
    const std::optional<std::uint32_t> number = zip_part_number(tail);
    return {std::nullopt, number ? std::optional<std::uint64_t>(*number + std::uint64_t(1)) : std::nullopt};
}

LastPartSays arj_head(std::string_view head)
{
    return {arj_volume_goes_on(head), std::nullopt};
}

// Where each format's last part tells, and how many bytes of it to read.
struct EndReader {
    std::string_view format;
    bool at_start;
    std::size_t bytes;
    LastPartSays (*says)(std::string_view bytes);
};

constexpr EndReader end_readers[] = {
    {".rar", false, max_end_bytes, rar_end},
    {".zip", false, max_end_bytes, zip_end},
    {".arj", true, max_arj_head, arj_head},
};

}  // namespace

std::optional<bool> rar_volume_goes_on(std::string_view tail)
{
    const std::size_t used = tail.find_last_not_of('\0') + 1;  // npos + 1 == 0
    for (std::size_t back = 1; back <= std::min(used, max_end_block); ++back) {
        if (const std::optional<bool> goes_on = rar5_end_at(tail, used - back, used))
            return goes_on;
        if (const std::optional<bool> goes_on = rar4_end_at(tail, used - back, used))
            return goes_on;
    }
    return std::nullopt;
}

// APPNOTE.TXT (PKWARE), 4.3.16: the end of central directory record is its
// signature 0x06054b50 ("PK\5\6"), the number of this disk (2 bytes), and
// after 14 bytes more the .ZIP file comment length (2), then the comment,
// which ends the file. 0xFFFF says the number is in the ZIP64 record instead.
std::optional<std::uint32_t> zip_part_number(std::string_view tail)
{
    constexpr std::string_view signature("PK\x05\x06", 4);
    constexpr std::size_t record_size = 22;
    for (std::size_t at = tail.size(); at > 0 && (at = tail.rfind(signature, at - 1)) != std::string_view::npos;) {
        if (tail.size() - at < record_size || tail.size() - at - record_size != little_endian(tail, at + 20, 2))
            continue;
        const std::uint32_t disk = little_endian(tail, at + 4, 2);
        return disk == 0xFFFF ? std::nullopt : std::optional(disk);
    }
    return std::nullopt;
}

// ARJ's technical notes, "Structure of main header": header id 0x60 0xEA,
// basic header size (2 bytes, at most 2,600), then the basic header:
// first_hdr_size, archiver version, minimum version, host OS, arj flags
// (0x04 VOLUME_FLAG: a succeeding volume is present), ...; after it the
// basic header CRC (4, a CRC-32 of the basic header).
std::optional<bool> arj_volume_goes_on(std::string_view head)
{
    if (head.size() < 4 || head.substr(0, 2) != "\x60\xEA")
        return std::nullopt;
    const std::size_t size = little_endian(head, 2, 2);
    if (size < 5 || size > 2600 || head.size() < 4 + size + 4
        || crc_of(head.substr(4, size)) != little_endian(head, 4 + size, 4))
        return std::nullopt;
    return (head[8] & 0x04) != 0;
}

Outcome<LastPartSays> read_last_part(std::string_view format, const std::filesystem::path& part)
{
    const auto reader = std::ranges::find(end_readers, format, &EndReader::format);
    if (reader == std::end(end_readers))
        return LastPartSays{};
    const std::string name = part.filename().string();
    RegularFile file(part);
    if (!file.is_open())
        return cannot_read(name, file.problem().reason());
    std::string bytes(std::min<std::uint64_t>(reader->bytes, file.size()), '\0');
    bytes.resize(file.read_at(reader->at_start ? 0 : file.size() - bytes.size(), bytes));
    if (file.problem())
        return cannot_read(name, file.problem().reason());
    return reader->says(bytes);
}

}  // namespace relwiz::release_files
