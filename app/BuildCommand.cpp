#include "app/BuildCommand.h"

#include "app/SettingsStore.h"
#include "framework/File.h"

#include <cwctype>

namespace {

constexpr int kExitAppendFailed = 2;

bool IsBuildSwitch(std::wstring argument)
{
    for (wchar_t& c : argument)
        c = static_cast<wchar_t>(std::towlower(c));
    return argument == L"-build";
}

} // namespace

BuildCommandResult RunBuildCommand(const std::vector<std::wstring>& arguments,
                                   const std::wstring& programFile)
{
    if (arguments.size() < 2 || !IsBuildSwitch(arguments[1]))
        return {true, 0};
    if (arguments.size() < 4)
        return {false, 0};

    const std::wstring& output = arguments[2];
    if (!::CopyFileW(programFile.c_str(), output.c_str(), FALSE))
        return {false, 0};

    CFile copy;
    if (!copy.Open(output, CFile::modeWrite | CFile::modeCreate | CFile::modeNoTruncate
                               | CFile::shareExclusive | CFile::typeBinary)
        || !copy.SeekToEnd())
        return {false, 0}; // the plain copy stays

    const std::vector<std::wstring> records(arguments.begin() + 3, arguments.end());
    if (!WriteSettingsBlock(copy, records)) {
        // A copy with half a block would look like a valid program to a
        // distributor; remove it and say so through the exit code.
        copy.Close();
        ::DeleteFileW(output.c_str());
        return {false, kExitAppendFailed};
    }
    return {false, 0};
}
