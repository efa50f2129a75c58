#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace vc {

// The buffer a read is made with, its terminating zero included.
inline constexpr std::size_t kProfileReadBuffer = 2048;

// One settings file, read and written like the Windows private profile functions.
// Text is 8-bit bytes in the ANSI code page, passed through unchanged. As there, a read
// never fails (a file that cannot be read reads as missing) and a write says whether it
// was stored.
class Profile {
  public:
    virtual ~Profile() = default;
    // Like GetPrivateProfileStringA with a kProfileReadBuffer-byte buffer: the value, or
    // `fallback` when the file, section or key is missing; at most 2047 bytes.
    virtual std::string GetString(std::string_view section, std::string_view key,
                                  std::string_view fallback) = 0;
    // Like WritePrivateProfileStringA; false on failure.
    virtual bool WriteString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    // Like WritePrivateProfileStringA(NULL, NULL, NULL, path): writes any cached copy to disk.
    virtual void Flush() = 0;
};

}  // namespace vc
