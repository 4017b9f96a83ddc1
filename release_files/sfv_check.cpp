#include "sfv_check.h"

#include "archive_sets.h"
#include "crc32.h"
#include "sfv_file.h"

#include <algorithm>
#include <map>

namespace relwiz::release_files {

namespace {

std::string line_fault(std::string_view sfv_name, const SfvLine& line)
{
    const std::string_view fault = line.fault == SfvLine::Fault::not_name_and_crc
                                       ? " is neither a comment nor \"name CRC\": "
                                       : " names a file again (the first line counts): ";
    return std::string(sfv_name) + " line " + std::to_string(line.number) + std::string(fault) + line.text;
}

std::vector<std::string> problems_of(const SfvFile& sfv, std::string_view sfv_name,
                                     std::span<const std::filesystem::path> parts, std::span<const std::uint32_t> crcs)
{
    std::map<std::string_view, const SfvEntry*> unmatched;
    for (const SfvEntry& entry : sfv.entries)
        unmatched.emplace(entry.name, &entry);
    std::vector<std::string> problems;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string name = parts[i].filename().string();
        const auto named = unmatched.find(name);
        if (named == unmatched.end())
            problems.push_back(name + ": not named in " + std::string(sfv_name));
        else if (named->second->crc != crcs[i])
            problems.push_back(name + ": CRC-32 is " + crc32_hex(crcs[i]) + ", " + std::string(sfv_name) + " says "
                               + crc32_hex(named->second->crc));
        if (named != unmatched.end())
            unmatched.erase(named);
    }
    for (const SfvEntry& entry : sfv.entries)
        if (unmatched.contains(entry.name) && is_archive_part_name(entry.name))
            problems.push_back(entry.name + ": named in " + std::string(sfv_name) + ", but not among the parts");
    for (const SfvLine& line : sfv.faults)
        problems.push_back(line_fault(sfv_name, line));
    return problems;
}

}  // namespace

Outcome<SfvCheck> check_sfv(const std::filesystem::path& sfv, std::span<const std::filesystem::path> parts,
                            const PartsProgressCallback& progress, std::stop_token cancel)
{
    const Outcome<SfvFile> said = read_sfv_file(sfv);
    if (!said)
        return said.refusal();
    const Outcome<PartCrcs> read = part_crcs(parts, progress, cancel);
    if (!read)
        return read.failure();
    return SfvCheck{problems_of(*said, sfv.filename().string(), parts, *read)};
}

}  // namespace relwiz::release_files
