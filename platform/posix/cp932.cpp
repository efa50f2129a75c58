#include "platform/posix/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <memory>
#include <stdexcept>

namespace vc {
namespace {

struct IconvCloser {
    void operator()(iconv_t cd) const { iconv_close(cd); }
};
using Iconv = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

std::string Convert(std::string_view in, const char* to, const char* from) {
    const Iconv cd(iconv_open(to, from));
    if (cd.get() == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error(std::string("no conversion from ") + from + " to " + to);
    }
    std::string out(in.size() * 4 + 4, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    if (iconv(cd.get(), &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
        throw std::runtime_error(std::string("text is not valid ") + from);
    }
    out.resize(out.size() - dstLeft);
    return out;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
    return Convert(cp932, "UTF-8", "CP932");
}
std::string Utf8ToCp932(std::string_view utf8) {
    return Convert(utf8, "CP932", "UTF-8");
}

}  // namespace vc
