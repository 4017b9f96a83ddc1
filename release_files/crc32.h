// The CRC-32 that .sfv files carry: the reflected IEEE polynomial of zip and
// gzip, started from all ones and inverted at the end.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace relwiz::release_files {

// The CRC-32 of bytes that follow those whose CRC-32 is crc; 0 before any.
//
//     std::uint32_t crc = 0;
//     crc = crc32_update(crc, first_block);
//     crc = crc32_update(crc, second_block);   // as if both were one block
std::uint32_t crc32_update(std::uint32_t crc, std::span<const char> bytes);

// As an .sfv writes it: 8 upper-case hexadecimal digits.
//
//     crc32_hex(0xCBF43926)   // "CBF43926"
std::string crc32_hex(std::uint32_t crc);

}  // namespace relwiz::release_files
