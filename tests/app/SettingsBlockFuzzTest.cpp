// Randomly corrupted, truncated and extended blocks against a plain reading
// of the block rules, written independently of the reader under test.
#include "app/SettingsBlock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

using Bytes = std::vector<uint8_t>;
constexpr uint32_t kSeed = 20261211;
constexpr int kIterations = 100000;

int32_t ReadInt32At(const Bytes& f, long at)
{
    int32_t value;
    std::memcpy(&value, f.data() + at, 4);
    return value;
}

// The rules, one step at a time, with every bound checked.
std::optional<std::vector<std::wstring>> ReferenceParse(const Bytes& f)
{
    long end = -1;
    for (long p = static_cast<long>(f.size()) - 1; p >= 19; --p) {
        bool all = true;
        for (long k = p - 19; k <= p; ++k)
            all = all && f[static_cast<size_t>(k)] == 'D';
        if (all) {
            end = p + 1;
            break;
        }
    }
    if (end < 24)
        return std::nullopt;
    long pos = end - 24;
    const int32_t count = ReadInt32At(f, pos);
    if (count > 10)
        return std::nullopt;
    std::vector<std::wstring> out;
    for (int32_t i = 0; i < count; ++i) {
        pos -= 4;
        if (pos < 0)
            return std::nullopt;
        const int32_t length = ReadInt32At(f, pos);
        if (length <= 0)
            continue;
        if (length > pos)
            return std::nullopt;
        pos -= length;
        std::wstring text;
        for (long k = 0; k + 1 < length; k += 2) {
            const wchar_t unit = static_cast<wchar_t>(f[static_cast<size_t>(pos + k)]
                                                      | (f[static_cast<size_t>(pos + k + 1)] << 8));
            if (unit == 0)
                break;
            text.push_back(unit);
        }
        out.push_back(text);
    }
    return out;
}

class BlockMutator
{
public:
    explicit BlockMutator(uint32_t seed) : m_random(seed) {}

    Bytes Next()
    {
        Bytes file = RandomBytes(Pick(0, 40));
        std::vector<std::wstring> records;
        const int recordCount = Pick(0, 12);
        for (int i = 0; i < recordCount; ++i)
            records.push_back(RandomText());
        const Bytes block = SettingsBlock::Encode(records);
        file.insert(file.end(), block.begin(), block.end());
        const long blockStart = static_cast<long>(file.size() - block.size());

        switch (Pick(0, 9)) {
        case 0: // corrupt the count
            SetInt32(file, file.size() - 24, PickCount());
            break;
        case 1: // corrupt one length field
            if (recordCount > 0)
                SetInt32(file, LengthFieldOffset(file, blockStart, Pick(0, recordCount - 1)), PickLength());
            break;
        case 2: // truncate anywhere
            file.resize(static_cast<size_t>(Pick(0, static_cast<int>(file.size()))));
            break;
        case 3: // certificate-like data after the marker, maybe with 'D' runs
            AppendTrailer(file);
            break;
        case 4: // lengthen or shorten the marker
            if (Pick(0, 1))
                file.insert(file.end(), static_cast<size_t>(Pick(1, 3)), 'D');
            else
                file.resize(file.size() - static_cast<size_t>(Pick(1, 2)));
            break;
        case 5: // flip random bytes
            for (int i = Pick(1, 8); i > 0 && !file.empty(); --i)
                file[static_cast<size_t>(Pick(0, static_cast<int>(file.size()) - 1))] =
                    static_cast<uint8_t>(Pick(0, 255));
            break;
        case 6: // a tiny file
            file = RandomBytes(Pick(0, 23));
            if (Pick(0, 1))
                std::fill(file.begin(), file.end(), 'D');
            break;
        case 7: // count and lengths both wrong
            SetInt32(file, file.size() - 24, PickCount());
            if (recordCount > 0)
                SetInt32(file, LengthFieldOffset(file, blockStart, 0), PickLength());
            AppendTrailer(file);
            break;
        default: // left intact
            break;
        }
        return file;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    Bytes RandomBytes(int size)
    {
        Bytes bytes(static_cast<size_t>(size));
        for (uint8_t& b : bytes)
            b = static_cast<uint8_t>(Pick(0, 3) == 0 ? 'D' : Pick(0, 255));
        return bytes;
    }

    std::wstring RandomText()
    {
        std::wstring text;
        for (int i = Pick(0, 30); i > 0; --i)
            text.push_back(static_cast<wchar_t>(Pick(0, 9) == 0 ? Pick(1, 0xFFFF) : Pick(0x20, 0x7E)));
        return text;
    }

    int32_t PickCount()
    {
        static const int32_t counts[] = {0, 10, 11, -1, INT32_MIN, INT32_MAX, 0x44444444, 1, 5};
        return Pick(0, 3) == 0 ? static_cast<int32_t>(m_random()) : counts[Pick(0, 8)];
    }

    int32_t PickLength()
    {
        static const int32_t lengths[] = {0, 1, 3, 7, -1, -8, INT32_MIN, INT32_MAX, 1 << 20};
        return Pick(0, 3) == 0 ? static_cast<int32_t>(m_random()) : lengths[Pick(0, 8)];
    }

    static void SetInt32(Bytes& file, size_t at, int32_t value)
    {
        if (at + 4 <= file.size())
            std::memcpy(file.data() + at, &value, 4);
    }

    // Offset of the length field of record index (counting from the last).
    static size_t LengthFieldOffset(const Bytes& file, long blockStart, int fromLast)
    {
        long pos = static_cast<long>(file.size()) - 24;
        for (int i = 0; i <= fromLast; ++i) {
            pos -= 4;
            if (pos < blockStart)
                return file.size();
            if (i == fromLast)
                break;
            pos -= ReadInt32At(file, pos);
        }
        return static_cast<size_t>(pos);
    }

    void AppendTrailer(Bytes& file)
    {
        Bytes trailer = {0, 0};
        const Bytes noise = RandomBytes(Pick(0, 60));
        trailer.insert(trailer.end(), noise.begin(), noise.end());
        if (Pick(0, 2) == 0)
            trailer.insert(trailer.end(), static_cast<size_t>(Pick(19, 22)), 'D');
        file.insert(file.end(), trailer.begin(), trailer.end());
    }

    std::mt19937 m_random;
};

} // namespace

TEST(SettingsBlockFuzz, CorruptedBlocksGiveWhatTheRulesSay)
{
    BlockMutator mutator(kSeed);
    int valid = 0;
    for (int i = 0; i < kIterations; ++i) {
        const Bytes file = mutator.Next();
        const auto expected = ReferenceParse(file);
        const auto actual = SettingsBlock::Parse(file);
        ASSERT_EQ(actual, expected) << "seed " << kSeed << ", iteration " << i << ", size "
                                    << file.size();
        valid += expected.has_value();
    }
    // The mix must exercise both outcomes broadly, or the test proves little.
    EXPECT_GT(valid, kIterations / 5);
    EXPECT_LT(valid, kIterations * 4 / 5);
}
