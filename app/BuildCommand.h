#pragma once

#include <string>
#include <vector>

// "-build <output> KEY=VALUE ...": writes a distribution copy of the program,
// that is the program's own file followed by a settings block of the records.
struct BuildCommandResult
{
    bool continueStartup; // false: the command line asked for build mode
    int exitCode;         // the process exit code in build mode
};

// arguments[0] is the program as invoked; programFile is the running
// program's own file, which the copy is made from.
BuildCommandResult RunBuildCommand(const std::vector<std::wstring>& arguments,
                                   const std::wstring& programFile);
