#include "platform/win32/single_instance.h"

namespace vc {
namespace {

constexpr wchar_t kMutexName[] = L"Local\\VeltriaClock.SingleInstance";
// How long a later start waits for the first one's window: a first start on a busy
// machine may take a few seconds to show its strip.
constexpr DWORD kWaitForWindowMs = 10000;
constexpr DWORD kPollMs = 50;

HWND RunningClock() {
    return FindWindowA("TFormVT555", "VeltriaClock");
}

}  // namespace

SingleInstance::SingleInstance() : mutex_(CreateMutexW(nullptr, TRUE, kMutexName)) {
    // Without the mutex (no rights, no memory) the window lookup alone decides, as before.
    owned_ = mutex_ != nullptr && GetLastError() != ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() {
    if (mutex_ != nullptr) {
        if (owned_) {
            ReleaseMutex(mutex_);
        }
        CloseHandle(mutex_);
    }
}

bool SingleInstance::TakeFirstPlace() {
    if (mutex_ == nullptr || owned_) {
        if (HWND running = RunningClock()) {
            SetForegroundWindow(running);
            return false;
        }
        return true;
    }
    // The mutex before the window: a clock that has just quit may still show its window for
    // a moment after its process has gone, and the system releases its mutex as it clears
    // that window away; looking at the window first, this start would end with no clock.
    for (DWORD waited = 0; waited < kWaitForWindowMs; waited += kPollMs) {
        // Released or abandoned: the first start has ended, this one takes its place.
        const DWORD state = WaitForSingleObject(mutex_, kPollMs);
        if (state == WAIT_OBJECT_0 || state == WAIT_ABANDONED) {
            owned_ = true;
            return !RunningClock();
        }
        if (HWND running = RunningClock()) {
            SetForegroundWindow(running);
            return false;
        }
    }
    return false;
}

}  // namespace vc
