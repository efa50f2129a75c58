#include "framework/texts.h"

#include <gtest/gtest.h>

#include "platform/posix/cp932.h"

namespace vc {
namespace {

TEST(Texts, EachDecodesToItsStatedForm) {
    for (const texts::Text* text : texts::kAll) {
        EXPECT_EQ(Cp932ToUtf8(text->cp932), text->decoded);
    }
}

TEST(Texts, ConversionRejectsBrokenCp932) {
    EXPECT_THROW(Cp932ToUtf8("\x93"), std::runtime_error);
}

}  // namespace
}  // namespace vc
