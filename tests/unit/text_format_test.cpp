#include "framework/text_format.h"

#include <gtest/gtest.h>

namespace vc {
namespace {

TEST(Printf, KeepsTheWholeTextHoweverLong) {
    const std::string path(300, 'x');
    EXPECT_EQ(Printf("%s.ini", path.c_str()), path + ".ini");
    EXPECT_EQ(Printf("%0100d", 7), std::string(99, '0') + "7");
    EXPECT_EQ(Printf("%s", ""), "");
}

TEST(Printf, FillsTheProgramsCp932Formats) {
    EXPECT_EQ(Printf<texts::kJpegErrorFormat>(42), "JPEG \x83\x47\x83\x89\x81\x5B #42");
}

}  // namespace
}  // namespace vc
