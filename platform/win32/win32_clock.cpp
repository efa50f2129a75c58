#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace vc {

SystemTime Win32LocalClock::Now() const {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return SystemTime{st.wYear, st.wMonth,  st.wDayOfWeek, st.wDay,
                      st.wHour, st.wMinute, st.wSecond,    st.wMilliseconds};
}

}  // namespace vc
