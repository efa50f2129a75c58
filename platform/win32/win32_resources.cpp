#include <windows.h>

#include <stdexcept>

#include "framework/resources.h"

namespace vc {

std::string ResourceBytes(const std::string& name) {
    HRSRC found = FindResourceA(nullptr, name.c_str(), RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        throw std::runtime_error("no resource " + name);
    }
    return std::string(static_cast<const char*>(bytes), SizeofResource(nullptr, found));
}

}  // namespace vc
