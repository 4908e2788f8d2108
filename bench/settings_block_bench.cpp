// Time to find and parse the settings block of a 1.5 MB and of a 100 MB
// executable, against reading the same file whole into memory (the naive
// way to search it) in the same run.
#include "app/SettingsBlock.h"
#include "app/SettingsStore.h"
#include "framework/File.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring MakeCopy(const std::wstring& path, size_t programSize)
{
    CFile file;
    if (!file.Open(path, CFile::modeWrite | CFile::modeCreate))
        return {};
    std::vector<uint8_t> chunk(1 << 20);
    for (size_t i = 0; i < chunk.size(); ++i)
        chunk[i] = static_cast<uint8_t>((i * 2654435761u) >> 13);
    for (size_t written = 0; written < programSize; written += chunk.size())
        file.Write(chunk.data(), static_cast<uint32_t>(std::min(chunk.size(), programSize - written)));
    const auto block = SettingsBlock::Encode(
        {L"THANKYOU_LINK=http://thanks.example/thankyou.aspx", L"DOWNLOAD_LINK=http://dl.example/p.msi",
         L"JOIN_LINK=http://join.example/", L"COUNTRY_ISO2=us", L"WID=42"});
    file.Write(block.data(), static_cast<uint32_t>(block.size()));
    std::vector<uint8_t> certificate(8 * 1024, 0x30); // signature data behind the block
    file.Write(certificate.data(), static_cast<uint32_t>(certificate.size()));
    return path;
}

double ReadWholeMs(const std::wstring& path)
{
    const auto start = std::chrono::steady_clock::now();
    CFile file;
    file.Open(path, CFile::modeRead | CFile::shareDenyNone);
    std::vector<uint8_t> bytes(static_cast<size_t>(file.GetLength().value_or(0)));
    file.Read(bytes.data(), static_cast<uint32_t>(bytes.size()));
    const auto parsed = SettingsBlock::Parse(bytes);
    const auto end = std::chrono::steady_clock::now();
    if (!parsed || parsed->size() != 5)
        std::printf("  (baseline parse failed)\n");
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double ReaderMs(const std::wstring& path)
{
    const auto start = std::chrono::steady_clock::now();
    CStringList records;
    const bool found = ReadSettingsBlockFromFile(path, records);
    const auto end = std::chrono::steady_clock::now();
    if (!found || records.GetCount() != 5)
        std::printf("  (reader failed)\n");
    return std::chrono::duration<double, std::milli>(end - start).count();
}

} // namespace

int main()
{
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const struct
    {
        const char* label;
        size_t size;
    } sizes[] = {{"1.5 MB", 1536 * 1024}, {"100 MB", 100u * 1024 * 1024}};
    constexpr int kRuns = 9;
    std::printf("settings block: median of %d runs, warm cache\n", kRuns);
    for (const auto& size : sizes) {
        const std::wstring path = MakeCopy(std::wstring(temp) + L"velto-bench.exe", size.size);
        std::vector<double> reader, whole;
        for (int i = 0; i < kRuns; ++i) {
            whole.push_back(ReadWholeMs(path));
            reader.push_back(ReaderMs(path));
        }
        std::sort(reader.begin(), reader.end());
        std::sort(whole.begin(), whole.end());
        const double r = reader[kRuns / 2], w = whole[kRuns / 2];
        std::printf("  %-7s reader %8.3f ms   whole-file read %8.3f ms   ratio %.3f\n", size.label, r,
                    w, r / w);
        ::DeleteFileW(path.c_str());
    }
    return 0;
}
