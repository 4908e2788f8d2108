// The guide's download against a bare WinInet read loop of the same file
// from the same loopback server, in the same prefix and run: time from the
// language click (start of the download page) to the licence page, and the
// guide's peak memory against its idle wizard. A second baseline adds to the
// bare loop what the worker's protocol costs by itself: one message per
// read, sent to a window of another thread that answers at once.
#include "framework/File.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/Process.h"
#include "tests/support/TestPaths.h"
#include "tests/support/WizardDriver.h"

#include <psapi.h>
#include <wininet.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

constexpr uint64_t kPackageBytes = 200ull * 1024 * 1024;
constexpr int kRuns = 5;

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

std::wstring MakePackage(const TempFolder& folder)
{
    const std::wstring path = folder.File(L"package.bin");
    CFile file;
    file.Open(path, CFile::modeWrite | CFile::modeCreate);
    std::vector<uint8_t> chunk(1 << 20);
    for (size_t i = 0; i < chunk.size(); ++i)
        chunk[i] = static_cast<uint8_t>(i * 131);
    for (uint64_t written = 0; written < kPackageBytes; written += chunk.size())
        file.Write(chunk.data(), static_cast<uint32_t>(chunk.size()));
    return path;
}

// A window on a thread of its own that answers every message at once, like
// a progress bar that paints nothing.
class AnsweringWindow
{
public:
    AnsweringWindow()
    {
        HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_thread = std::thread([this, ready] {
            m_window = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                         nullptr);
            ::SetEvent(ready);
            MSG message;
            while (::GetMessageW(&message, nullptr, 0, 0) > 0)
                ::DispatchMessageW(&message);
            ::DestroyWindow(m_window);
        });
        ::WaitForSingleObject(ready, INFINITE);
        ::CloseHandle(ready);
    }
    ~AnsweringWindow()
    {
        ::PostMessageW(m_window, WM_QUIT, 0, 0);
        m_thread.join();
    }
    HWND Handle() const { return m_window; }

private:
    HWND m_window = nullptr;
    std::thread m_thread;
};

// What the guide does per attempt, minus the wizard: open, read 256 KiB at a
// time, write the file; with a window given, send it one message per read.
double BareLoop(const std::wstring& url, const std::wstring& target, HWND progress = nullptr)
{
    const auto start = std::chrono::steady_clock::now();
    HINTERNET session = ::InternetOpenW(L"bench", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    HINTERNET resource = ::InternetOpenUrlW(session, url.c_str(), nullptr, 0,
                                            INTERNET_FLAG_RELOAD | INTERNET_FLAG_TRANSFER_BINARY, 1);
    CFile file;
    file.Open(target, CFile::modeWrite | CFile::modeCreate);
    std::vector<uint8_t> buffer(262144);
    DWORD count = 0;
    uint64_t total = 0;
    while (::InternetReadFile(resource, buffer.data(), static_cast<DWORD>(buffer.size()), &count) && count) {
        total += count;
        if (progress)
            ::SendMessageW(progress, WM_USER, static_cast<WPARAM>(total), 0);
        file.Write(buffer.data(), count);
    }
    ::InternetCloseHandle(resource);
    ::InternetCloseHandle(session);
    const double seconds = Seconds(start);
    if (total != kPackageBytes)
        std::printf("  (bare loop read %llu bytes)\n", static_cast<unsigned long long>(total));
    return seconds;
}

struct GuideRun
{
    double seconds = 0;
    SIZE_T idleBytes = 0;
    SIZE_T peakBytes = 0;
};

GuideRun Guide(const std::wstring& url, const TempFolder& folder)
{
    GuideRun run;
    const std::wstring copy = folder.File(L"bench-copy.exe");
    RunToEnd(L"\"" + GuidePath() + L"\" -build \"" + copy + L"\" DOWNLOAD_LINK=" + url);
    WizardDriver wizard;
    if (!wizard.Start(L"", copy))
        return run;
    UniqueHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, wizard.ProcessId()));
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    ::GetProcessMemoryInfo(process.Get(), &memory, sizeof memory);
    run.idleBytes = memory.PagefileUsage;

    const auto start = std::chrono::steady_clock::now();
    wizard.PostClick(1026);
    WizardDriver::WaitUntil([&] { return wizard.Visible(1011); }, 600000, 2);
    run.seconds = Seconds(start);
    ::GetProcessMemoryInfo(process.Get(), &memory, sizeof memory);
    run.peakBytes = memory.PeakPagefileUsage;
    wizard.Kill();
    return run;
}

} // namespace

int main()
{
    if (GuidePath().empty()) {
        std::printf("download benchmark: VELTO_GUIDE is not set; skipped\n");
        return 0;
    }
    TempFolder folder;
    LoopbackHttpServer server;
    HttpReply reply;
    reply.bodyFile = MakePackage(folder);
    server.SetRoute("/package.msi", reply);
    const std::wstring url = server.Url("/package.msi");

    AnsweringWindow answering;
    std::vector<double> bare, messaging, guide;
    SIZE_T idle = 0, peak = 0;
    for (int i = 0; i < kRuns; ++i) {
        bare.push_back(BareLoop(url, folder.File(L"bare.bin")));
        messaging.push_back(BareLoop(url, folder.File(L"bare.bin"), answering.Handle()));
        const GuideRun run = Guide(url, folder);
        guide.push_back(run.seconds);
        idle = std::max(idle, run.idleBytes);
        peak = std::max(peak, run.peakBytes);
    }
    for (auto* times : {&bare, &messaging, &guide})
        std::sort(times->begin(), times->end());
    const double bareTime = bare[kRuns / 2];
    const double messagingTime = messaging[kRuns / 2];
    const double guideTime = guide[kRuns / 2];
    std::printf("download of 200 MB on loopback, median of %d runs:\n", kRuns);
    std::printf("  bare WinInet loop %.2f s, guide (click to licence page) %.2f s, ratio %.2f\n", bareTime,
                guideTime, guideTime / bareTime);
    std::printf("  bare loop sending one message per read to another thread %.2f s (ratio %.2f to the bare loop);"
                " guide against it: ratio %.2f\n",
                messagingTime, messagingTime / bareTime, guideTime / messagingTime);
    std::printf("  guide private memory: idle wizard %.1f MB, peak during the download %.1f MB (+%.1f MB)\n",
                idle / 1048576.0, peak / 1048576.0, (peak - idle) / 1048576.0);
    return 0;
}
