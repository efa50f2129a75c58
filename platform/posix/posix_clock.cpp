#include "platform/posix/posix_clock.h"

#include <ctime>

namespace vc {

SystemTime PosixLocalClock::Now() const {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    SystemTime t;
    t.wYear = static_cast<std::uint16_t>(local.tm_year + 1900);
    t.wMonth = static_cast<std::uint16_t>(local.tm_mon + 1);
    t.wDayOfWeek = static_cast<std::uint16_t>(local.tm_wday);
    t.wDay = static_cast<std::uint16_t>(local.tm_mday);
    t.wHour = static_cast<std::uint16_t>(local.tm_hour);
    t.wMinute = static_cast<std::uint16_t>(local.tm_min);
    // A leap second reads as :59 again, as on Windows.
    t.wSecond = static_cast<std::uint16_t>(local.tm_sec > 59 ? 59 : local.tm_sec);
    t.wMilliseconds = static_cast<std::uint16_t>(now.tv_nsec / 1'000'000);
    return t;
}

}  // namespace vc
