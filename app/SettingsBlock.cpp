#include "app/SettingsBlock.h"

#include <cstring>
#include <cwctype>

namespace SettingsBlock {
namespace {

void AppendUint32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

int32_t ReadInt32(std::span<const uint8_t> file, std::size_t at)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | file[at + static_cast<std::size_t>(i)];
    return static_cast<int32_t>(value);
}

// UTF-16LE text of a record field: up to its first NUL or its end; a
// trailing odd byte is not a code unit and is dropped.
std::wstring DecodeText(std::span<const uint8_t> bytes)
{
    std::wstring text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const wchar_t unit = static_cast<wchar_t>(bytes[i] | (bytes[i + 1] << 8));
        if (unit == L'\0')
            break;
        text.push_back(unit);
    }
    return text;
}

} // namespace

std::vector<uint8_t> Encode(const std::vector<std::wstring>& records)
{
    std::vector<uint8_t> out;
    for (const std::wstring& record : records) {
        for (wchar_t unit : record) {
            out.push_back(static_cast<uint8_t>(unit & 0xFF));
            out.push_back(static_cast<uint8_t>((unit >> 8) & 0xFF));
        }
        out.push_back(0);
        out.push_back(0);
        AppendUint32(out, static_cast<uint32_t>(2 * record.size() + 2));
    }
    AppendUint32(out, static_cast<uint32_t>(records.size()));
    out.insert(out.end(), kMarkerLength, kMarkerByte);
    return out;
}

std::optional<std::size_t> FindEnd(std::span<const uint8_t> file)
{
    // Scanning down from the last byte, the first position p whose bytes
    // p-19..p are all 'D' ends the search: that is where a run of twenty
    // marker bytes first completes while counting from the end.
    std::size_t run = 0;
    for (std::size_t i = file.size(); i-- > 0;) {
        if (file[i] != kMarkerByte) {
            run = 0;
            continue;
        }
        if (++run == kMarkerLength)
            return i + kMarkerLength;
    }
    return std::nullopt;
}

std::optional<std::vector<std::wstring>> Parse(std::span<const uint8_t> file)
{
    const std::optional<std::size_t> end = FindEnd(file);
    if (!end || *end < kMarkerLength + 4)
        return std::nullopt;

    std::size_t pos = *end - kMarkerLength - 4;
    const int32_t count = ReadInt32(file, pos);
    if (count > kMaxRecords)
        return std::nullopt;

    std::vector<std::wstring> records;
    for (int32_t i = 0; i < count; ++i) {
        if (pos < 4)
            return std::nullopt;
        pos -= 4;
        const int32_t length = ReadInt32(file, pos);
        if (length <= 0)
            continue; // only the length field is consumed
        if (static_cast<std::size_t>(length) > pos)
            return std::nullopt;
        pos -= static_cast<std::size_t>(length);
        records.push_back(DecodeText(file.subspan(pos, static_cast<std::size_t>(length))));
    }
    return records;
}

std::optional<Record> SplitRecord(const std::wstring& text)
{
    const std::size_t equals = text.find(L'=');
    if (equals == std::wstring::npos)
        return std::nullopt;
    Record record{text.substr(0, equals), text.substr(equals + 1)};
    for (wchar_t& c : record.key)
        c = static_cast<wchar_t>(std::towupper(c));
    return record;
}

} // namespace SettingsBlock
