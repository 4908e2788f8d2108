#include "app/SettingsStore.h"

#include "app/ProductKey.h"
#include "app/SettingsBlock.h"
#include "framework/RegKey.h"

#include <array>
#include <span>
#include <string_view>

namespace {

// A read-only view of a whole file. Mapping instead of copying keeps the
// backward marker search cheap on large files: only the pages it touches
// are read.
class MappedFile
{
public:
    explicit MappedFile(const std::wstring& path)
    {
        m_file.Reset(::CreateFileW(path.c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        LARGE_INTEGER size{};
        if (!m_file || !::GetFileSizeEx(m_file.Get(), &size))
            return;
        m_size = static_cast<std::size_t>(size.QuadPart);
        if (m_size == 0) {
            m_valid = true;
            return;
        }
        m_mapping.Reset(::CreateFileMappingW(m_file.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
        if (m_mapping)
            m_view = ::MapViewOfFile(m_mapping.Get(), FILE_MAP_READ, 0, 0, 0);
        m_valid = m_view != nullptr;
    }
    ~MappedFile()
    {
        if (m_view)
            ::UnmapViewOfFile(m_view);
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool IsValid() const { return m_valid; }
    std::span<const uint8_t> Bytes() const
    {
        return {static_cast<const uint8_t*>(m_view), m_view ? m_size : 0};
    }

private:
    UniqueHandle m_file;
    UniqueHandle m_mapping;
    void* m_view = nullptr;
    std::size_t m_size = 0;
    bool m_valid = false;
};

constexpr std::array<std::wstring_view, 5> kLinkKeys = {
    L"THANKYOU_LINK", L"SUPPORT_LINK", L"UNINSTALL_LINK", L"JOIN_LINK", L"CUSTOMERZONE_LINK"};

// Values are named 1, 2, 3 ...; a name never takes more than four digits.
constexpr DWORD kMaxLinksValueNumber = 9999;

// Adds the join link to the numbered Links list unless a string value there
// already holds it (exact, case-sensitive). False when the list cannot be
// examined.
bool AddToLinksList(const std::wstring& link)
{
    RegKey links;
    if (!links.OpenOrCreate(HKEY_CURRENT_USER, kLinksKeyPath, KEY_ALL_ACCESS))
        return true; // the link is still stored under the product key

    DWORD valueCount = 0;
    if (::RegQueryInfoKeyW(links.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                           &valueCount, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;

    constexpr DWORD kNameCapacity = 10000;
    constexpr DWORD kDataCapacity = 10000;
    std::vector<wchar_t> name(kNameCapacity + 1);
    std::vector<BYTE> data(kDataCapacity + sizeof(wchar_t));
    for (DWORD index = 0; index < valueCount; ++index) {
        DWORD nameLength = kNameCapacity;
        DWORD type = 0;
        DWORD dataSize = kDataCapacity;
        std::fill(data.begin(), data.end(), BYTE{0});
        if (::RegEnumValueW(links.Get(), index, name.data(), &nameLength, nullptr, &type,
                            data.data(), &dataSize) != ERROR_SUCCESS)
            continue;
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            continue;
        const auto* text = reinterpret_cast<const wchar_t*>(data.data());
        std::wstring existing(text, dataSize / sizeof(wchar_t));
        if (const auto nul = existing.find(L'\0'); nul != std::wstring::npos)
            existing.resize(nul);
        if (existing == link)
            return true;
    }

    const DWORD number = valueCount + 1;
    if (number <= kMaxLinksValueNumber)
        links.SetStringWithoutTerminator(std::to_wstring(number).c_str(), link);
    return true;
}

} // namespace

bool ReadSettingsBlockFromFile(const std::wstring& path, CStringList& records)
{
    const MappedFile file(path);
    if (!file.IsValid())
        return false;
    const auto parsed = SettingsBlock::Parse(file.Bytes());
    if (!parsed)
        return false;
    for (const std::wstring& text : *parsed)
        records.AddTail(text);
    return true;
}

bool ReadSettingsBlock(CStringList& records)
{
    wchar_t path[MAX_PATH] = {};
    if (::GetModuleFileNameW(nullptr, path, MAX_PATH) == 0)
        return false;
    return ReadSettingsBlockFromFile(path, records);
}

bool ApplySettingsBlock(const CStringList& records, DistributionSettings& dialog)
{
    RegKey product;
    if (!product.OpenOrCreate(HKEY_CURRENT_USER, kProductKeyPath, KEY_WRITE))
        return false;

    for (const std::wstring& text : records) {
        const auto record = SettingsBlock::SplitRecord(text);
        if (!record)
            return false;
        const std::wstring& key = record->key;
        const std::wstring& value = record->value;

        for (std::wstring_view linkKey : kLinkKeys) {
            if (key == linkKey)
                product.SetStringWithoutTerminator(key.c_str(), value);
        }
        if (key == L"JOIN_LINK" && !AddToLinksList(value))
            return false;

        if (key == L"DOWNLOAD_LINK")
            dialog.m_strDownloadLink = value;
        else if (key == L"COUNTRY_ISO2")
            dialog.m_strCountryIso2 = value;
        else if (key == L"WID")
            dialog.m_strWid = value;
    }
    return true;
}

bool WriteSettingsBlock(CFile& output, const std::vector<std::wstring>& records)
{
    const std::vector<uint8_t> block = SettingsBlock::Encode(records);
    return output.Write(block.data(), static_cast<uint32_t>(block.size()));
}
