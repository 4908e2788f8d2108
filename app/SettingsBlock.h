#pragma once

// The settings block that distribution copies carry at the end of the
// executable file, as pure functions over bytes.
//
// Layout, in file order, all integers little-endian:
//   per record:  UTF-16LE text + one NUL code unit, then its byte size (uint32)
//   record count (int32)
//   end marker:  twenty bytes 'D' (0x44)
// The block is found from the end of the file, so data appended behind the
// marker (a signature, for example) is passed over.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace SettingsBlock {

inline constexpr std::size_t kMarkerLength = 20;
inline constexpr uint8_t kMarkerByte = 0x44;
inline constexpr int32_t kMaxRecords = 10;

// The bytes that build mode appends for the records, in command-line order.
std::vector<uint8_t> Encode(const std::vector<std::wstring>& records);

// Offset just past the last run of twenty marker bytes, or nothing.
std::optional<std::size_t> FindEnd(std::span<const uint8_t> file);

// The records of the block that ends at the last marker, last written record
// first. Nothing when there is no marker, the count is above ten, or the
// block is malformed (a length or count that points before the start of the
// file). A count of zero or below gives an empty list.
std::optional<std::vector<std::wstring>> Parse(std::span<const uint8_t> file);

// A record text split at its first '=': the key in upper case and the value.
struct Record
{
    std::wstring key;
    std::wstring value;
};
std::optional<Record> SplitRecord(const std::wstring& text);

} // namespace SettingsBlock
