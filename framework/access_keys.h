#pragma once
#include <string>
#include <vector>

namespace vc {

struct MenuCaption {
    std::string caption;  // CP932
    bool visible = true;
    bool separator = false;
};

// The access key of a caption ("&" marker), upper-cased; 0 when it has none. A double-byte
// key character is returned as its lead byte, which no eligible key can equal.
char AccessKeyOf(const std::string& cp932);

// Gives every visible item without an access key one, as a menu does each time it opens:
// the first eligible character of its caption (double-byte characters skipped) not taken by
// another visible item; a key repeating an earlier item's is dropped and chosen again. On a
// double-byte system a caption with double-byte characters gets "(&K)" at its end (before a
// closing "..."); otherwise "&" goes before the chosen character.
void AssignAccessKeys(std::vector<MenuCaption>& items, bool doubleByteSystem);

}  // namespace vc
