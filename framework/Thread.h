#pragma once

#include "framework/UniqueHandle.h"

#include <functional>

// Starts a worker thread (normal priority, default stack) that runs the
// function. The returned handle lets the caller wait for it; an exception
// leaving the function ends the program there, never unwinding into the
// system's thread start code.
UniqueHandle BeginThread(std::function<void()> work);

// Waits for a thread (or any handle) while still handling the messages that
// other threads send to this thread's windows, so a worker blocked in a
// SendMessage to us can finish. True when the handle was signalled.
bool WaitAnsweringSentMessages(HANDLE handle, DWORD milliseconds);
