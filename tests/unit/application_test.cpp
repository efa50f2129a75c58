#include "framework/application.h"

#include <gtest/gtest.h>

#include "framework/text_prefix.h"

namespace vc {
namespace {

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstDotWithTheRestInLowerCase) {
    EXPECT_EQ(ApplicationTitle("C:\\Games\\VeltriaClock.exe"), "Veltriaclock");
    EXPECT_EQ(ApplicationTitle("VeltriaClock.exe"), "Veltriaclock");
    EXPECT_EQ(ApplicationTitle("/opt/x/my.Clock.EXE"), "my");
    EXPECT_EQ(ApplicationTitle("ABC"), "Abc");
}

// CP932: "ア" is 83 41 ("ヂ" 83 61 if its trail byte were lowered), "表" is 95 5C.
TEST(ApplicationTitle, LowersCharactersNotTheTrailBytesOfJapaneseOnes) {
    struct Case {
        const char* path;
        const char* title;
    };
    const Case cases[] = {
        {"C:\\Games\\\x83\x41\x83\x41"
         "Clock.exe",
         "\x83\x41\x83\x41"
         "clock"},
        {"C:\\Games\\XY\x83\x41Z.exe", "Xy\x83\x41z"},
        {"C:\\x\\\x95\x5C"
         "Clock.exe",
         "\x95\x5C"
         "clock"},
        {"C:\\\x95\x5C\\VeltriaClock.exe", "Veltriaclock"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ApplicationTitle(c.path), c.title) << c.path;
    }
}

TEST(ErrorBoxText, AppendsAStopAfterBytesSortingAfterIt) {
    EXPECT_EQ(ErrorBoxText("disk full"), "disk full.");
    EXPECT_EQ(ErrorBoxText("done."), "done.");
    EXPECT_EQ(ErrorBoxText("why?"), "why?.");
    EXPECT_EQ(ErrorBoxText("a-"), "a-");
    EXPECT_EQ(ErrorBoxText(""), "");
    // A CP932 trail byte sorts after "." as an unsigned byte.
    EXPECT_EQ(ErrorBoxText("\x82\xA0"), "\x82\xA0.");
}

TEST(StripPrefix, ShowsCaptionsAsDrawnWithTheUnderlinedCharacter) {
    struct Case {
        const char* caption;
        const char* shown;
        int underline;
    };
    for (const Case& c :
         {Case{"&File", "File", 0}, Case{"Save &as", "Save as", 5}, Case{"a&&b", "a&b", -1},
          Case{"end&", "end&", -1}, Case{"\x93\xFA&X", "\x93\xFAX", 1}}) {
        const PrefixedText text = StripPrefix(c.caption);
        EXPECT_EQ(text.shown, c.shown) << c.caption;
        EXPECT_EQ(text.underline, c.underline) << c.caption;
    }
}

}  // namespace
}  // namespace vc
