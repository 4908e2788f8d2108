#include "framework/Thread.h"

#include <exception>
#include <memory>

namespace {

DWORD WINAPI ThreadEntry(void* parameter)
{
    std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
    try {
        (*work)();
    } catch (...) {
        std::terminate();
    }
    return 0;
}

} // namespace

UniqueHandle BeginThread(std::function<void()> work)
{
    auto owned = std::make_unique<std::function<void()>>(std::move(work));
    HANDLE thread = ::CreateThread(nullptr, 0, ThreadEntry, owned.get(), 0, nullptr);
    if (thread)
        owned.release(); // the thread owns it now
    return UniqueHandle(thread);
}

bool WaitAnsweringSentMessages(HANDLE handle, DWORD milliseconds)
{
    const ULONGLONG deadline = ::GetTickCount64() + milliseconds;
    for (;;) {
        const ULONGLONG now = ::GetTickCount64();
        const DWORD left = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
        const DWORD result = ::MsgWaitForMultipleObjects(1, &handle, FALSE, left, QS_SENDMESSAGE);
        if (result == WAIT_OBJECT_0)
            return true;
        if (result != WAIT_OBJECT_0 + 1)
            return false;
        // Peeking dispatches the messages sent to this thread; nothing posted
        // is taken from the queue.
        MSG message;
        ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}
