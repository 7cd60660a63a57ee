#include "platform/StopSignal.h"

#include <windows.h>

namespace {

std::atomic<StopSignal*> taker{nullptr};
// Set once the program has finished its work, for a console that closes:
// Windows ends the program as soon as the handler returns.
HANDLE finished = nullptr;
// How long a closing console waits for that; Windows itself waits 5 s.
constexpr DWORD kCloseWaitMs = 4500;

BOOL WINAPI OnConsoleEvent(DWORD type)
{
    StopSignal* signal = taker.load();
    if (!signal)
        return FALSE;
    signal->Request();
    if (type == CTRL_CLOSE_EVENT || type == CTRL_LOGOFF_EVENT || type == CTRL_SHUTDOWN_EVENT)
        WaitForSingleObject(finished, kCloseWaitMs);
    return TRUE;
}

}  // namespace

StopSignal::StopSignal() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

StopSignal::~StopSignal()
{
    if (taking_) {
        SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
        taker.store(nullptr);
        SetEvent(finished);
    }
    if (event_)
        CloseHandle(event_);
}

void StopSignal::TakeSystemRequests()
{
    if (!finished)
        finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ResetEvent(finished);
    taker.store(this);
    taking_ = true;
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

void StopSignal::Request()
{
    requested_ = true;
    SetEvent(event_);
}

bool StopSignal::WaitFor(double seconds) const
{
    const double ms = seconds > 0 ? seconds * 1000 : 0;
    WaitForSingleObject(event_, ms < 4e9 ? static_cast<DWORD>(ms) : INFINITE - 1);
    return requested_;
}
