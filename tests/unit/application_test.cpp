#include "framework/application.h"

#include <gtest/gtest.h>

#include "framework/errors.h"
#include "framework/text_prefix.h"
#include "framework/timer.h"
#include "tests/support/scripted_window_system.h"

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

// On a Western Windows (code page 1252) no byte starts a pair: "é" (E9) before a "\" is
// one character, and the folder stays out of the title.
TEST(ApplicationTitle, FollowsTheCodePageOfThePath) {
    const LeadByteTest westernAnsi = [](unsigned char) { return false; };
    EXPECT_EQ(ApplicationTitle("Z:\\Caf\xE9\\VeltriaClock.exe", westernAnsi), "Veltriaclock");
    EXPECT_EQ(ApplicationTitle("Z:\\Caf\xE9\\VeltriaClock.exe"), "Caf\xE9\\veltriaclock")
        << "read as CP932, E9 5C is one character";
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

// A path from the system's ANSI functions keeps its own code page in the box ("é" is E9 in
// code page 1252 and would read as half a Japanese character in CP932).
TEST(ErrorBoxText, EachPieceKeepsTheCodePageItIsIn) {
    const EIniFileException error("\x82\xA0 %s \x82\xA2", "C:\\Caf\xE9\\VeltriaClock.ini");
    EXPECT_STREQ(error.what(), "\x82\xA0 C:\\Caf\xE9\\VeltriaClock.ini \x82\xA2");
    const PiecedText expected{{"\x82\xA0 ", CodePage::Cp932},
                              {"C:\\Caf\xE9\\VeltriaClock.ini", CodePage::SystemAnsi},
                              {" \x82\xA2", CodePage::Cp932},
                              {".", CodePage::Cp932}};
    EXPECT_EQ(ErrorBoxText(error.Pieces()), expected);
    EXPECT_EQ(ErrorBoxText(EFCreateError("cannot write %s", "C:\\Caf\xE9").Pieces()).back(),
              (TextPiece{".", CodePage::Cp932}))
        << "the stop follows the last byte, whatever piece it is in";
    EXPECT_EQ(EWriteError("\x82\xA0").Pieces(), (PiecedText{{"\x82\xA0", CodePage::Cp932}}));
}

// While an event's error box is open, its loop runs the other events on: only the component
// whose event raised the box sees it open, and only until the box is closed.
TEST(ApplicationDispatch, AnErrorBoxIsOpenForTheComponentWhoseEventRaisedIt) {
    ScriptedWindowSystem system;
    TApplication application(system, "Veltriaclock");
    TTimer& failing = application.Create<TTimer>();
    TTimer& other = application.Create<TTimer>();
    std::vector<std::string> seen;
    system.whileErrorBoxOpen = [&] {
        other.Dispatch([&] {
            seen.push_back(std::string("failing open: ") + (failing.ErrorBoxOpen() ? "yes" : "no"));
            seen.push_back(std::string("other open: ") + (other.ErrorBoxOpen() ? "yes" : "no"));
        });
    };
    failing.Dispatch([] { throw EWriteError("\x82\xA0"); });
    EXPECT_EQ(seen, (std::vector<std::string>{"failing open: yes", "other open: no"}));
    EXPECT_EQ(system.errorBoxes.size(), 1u);
    EXPECT_FALSE(failing.ErrorBoxOpen()) << "closed with its box";
}

}  // namespace
}  // namespace vc
