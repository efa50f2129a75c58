#include "framework/access_keys.h"

#include <cctype>
#include <string_view>

#include "framework/cp932_bytes.h"

namespace vc {
namespace {

constexpr std::string_view kEligible = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kEllipsis = "...";

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool IsEligible(char c) {
    return c != 0 && kEligible.find(Upper(c)) != std::string_view::npos;
}

bool HasDoubleByte(const std::string& cp932) {
    for (char c : cp932) {
        if (IsLeadByte(static_cast<unsigned char>(c))) {
            return true;
        }
    }
    return false;
}

// Byte position of the marker "&" (not "&&"), or npos.
std::size_t MarkerPosition(const std::string& cp932) {
    for (std::size_t i = 0; i + 1 < cp932.size(); ++i) {
        if (cp932[i] == '&') {
            if (cp932[i + 1] != '&') {
                return i;
            }
            ++i;
        } else if (IsLeadByte(static_cast<unsigned char>(cp932[i]))) {
            ++i;
        }
    }
    return std::string::npos;
}

std::size_t EllipsisStart(const std::string& caption) {
    return caption.size() >= kEllipsis.size() && caption.compare(caption.size() - kEllipsis.size(),
                                                                 kEllipsis.size(), kEllipsis) == 0
               ? caption.size() - kEllipsis.size()
               : caption.size();
}

// A "(&K)" group drops whole; otherwise only the "&".
void RemoveKey(std::string& caption) {
    const std::size_t marker = MarkerPosition(caption);
    const std::size_t end = EllipsisStart(caption);
    if (marker >= 1 && marker + 3 == end && caption[marker - 1] == '(' && caption[end - 1] == ')') {
        caption.erase(marker - 1, 4);
    } else {
        caption.erase(marker, 1);
    }
}

// Byte position of the first eligible single-byte character whose key is free, or npos.
std::size_t ChooseKey(const std::string& caption, const std::string& taken) {
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(caption[i]))) {
            ++i;
        } else if (IsEligible(caption[i]) && taken.find(Upper(caption[i])) == std::string::npos) {
            return i;
        }
    }
    return std::string::npos;
}

void GiveKey(std::string& caption, std::size_t at, bool doubleByteSystem) {
    if (doubleByteSystem && HasDoubleByte(caption)) {
        caption.insert(EllipsisStart(caption), std::string("(&") + Upper(caption[at]) + ")");
    } else {
        caption.insert(at, "&");
    }
}

}  // namespace

char AccessKeyOf(const std::string& cp932) {
    const std::size_t marker = MarkerPosition(cp932);
    return marker == std::string::npos ? 0 : Upper(cp932[marker + 1]);
}

void AssignAccessKeys(std::vector<MenuCaption>& items, bool doubleByteSystem) {
    std::string taken;
    std::vector<MenuCaption*> keyless;
    for (MenuCaption& item : items) {
        if (!item.visible || item.separator) {
            continue;
        }
        const char key = AccessKeyOf(item.caption);
        if (key != 0 && taken.find(key) == std::string::npos) {
            taken += key;
            continue;
        }
        if (key != 0) {
            RemoveKey(item.caption);
        }
        keyless.push_back(&item);
    }
    for (MenuCaption* item : keyless) {
        const std::size_t at = ChooseKey(item->caption, taken);
        if (at != std::string::npos) {
            taken += Upper(item->caption[at]);
            GiveKey(item->caption, at, doubleByteSystem);
        }
    }
}

}  // namespace vc
