// Tintora started as a program of its own, for the benchmarks that measure it from outside: closed
// with WM_CLOSE when done, ended if it does not go, its handles closed on every path.
#pragma once

#include <windows.h>

#include <string>

class TintoraProcess {
public:
    explicit TintoraProcess(const wchar_t* exe) {
        std::wstring command = L"\"" + std::wstring(exe) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                    &startup, &process_) != FALSE;
    }
    ~TintoraProcess() {
        if (!started_) return;
        if (const HWND window = ::FindWindowW(L"TintoraWindow", nullptr))
            ::PostMessageW(window, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0)
            ::TerminateProcess(process_.hProcess, 1);
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
    TintoraProcess(const TintoraProcess&) = delete;
    TintoraProcess& operator=(const TintoraProcess&) = delete;

    bool Started() const noexcept { return started_; }
    HANDLE Handle() const noexcept { return process_.hProcess; }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};
