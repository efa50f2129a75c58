#include "framework/file_path.h"

#include <gtest/gtest.h>

#include "settings/settings.h"

namespace vc {
namespace {

// CP932: "表" is 95 5C and "ソ" 83 5C, each ending in the byte of "\".
#define HYO "\x95\x5C"
#define SO "\x83\x5C"

TEST(FilePath, SplitsOnlyBetweenWholeCharacters) {
    struct Case {
        const char* path;
        const char* folder;
        const char* name;
        const char* settings;
    };
    const Case cases[] = {
        {"D:\\Tools\\clock.exe", "D:\\Tools", "clock.exe", "D:\\Tools\\clock.ini"},
        {"D:\\Tools\\clock", "D:\\Tools", "clock", "D:\\Tools\\clock.ini"},
        {"D:\\v1.2\\clock", "D:\\v1.2", "clock", "D:\\v1.2\\clock.ini"},
        {"C:clock.tar.exe", ".", "C:clock.tar.exe", "C:clock.tar.ini"},
        {"C:a.b:clock", ".", "C:a.b:clock", "C:a.b:clock.ini"},
        {"/opt/x/clock.exe", "/opt/x", "clock.exe", "/opt/x/clock.ini"},
        {"clock.exe", ".", "clock.exe", "clock.ini"},
        {"", ".", "", ".ini"},
        // A name ending in a 0x5C trail byte keeps its character and its folder.
        {"D:\\Games\\" HYO ".exe", "D:\\Games", HYO ".exe", "D:\\Games\\" HYO ".ini"},
        {"D:\\" SO "\\clock.exe", "D:\\" SO, "clock.exe", "D:\\" SO "\\clock.ini"},
        {"D:\\" SO "\\" HYO, "D:\\" SO, HYO, "D:\\" SO "\\" HYO ".ini"},
        // The extension after a dot is ".表", not a folder "表" with no extension.
        {"D:\\clock." HYO, "D:", "clock." HYO, "D:\\clock.ini"},
        {"D:\\v1." SO "clock", "D:", "v1." SO "clock", "D:\\v1.ini"},
        // A lead byte at the very end stands alone.
        {"D:\\x\\a\x95", "D:\\x", "a\x95", "D:\\x\\a\x95.ini"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
        EXPECT_EQ(FileNameOf(c.path), c.name) << c.path;
        EXPECT_EQ(SettingsPathFor(c.path), c.settings) << c.path;
    }
}

// On a Western Windows (code page 1252) no byte starts a pair: E9 5C is "é\".
TEST(FilePath, FollowsTheCodePageOfThePath) {
    const LeadByteTest westernAnsi = [](unsigned char) { return false; };
    const std::string_view path = "Z:\\Caf\xE9\\clock.exe";
    EXPECT_EQ(FolderOf(path, westernAnsi), "Z:\\Caf\xE9");
    EXPECT_EQ(SettingsPathFor(path, westernAnsi), "Z:\\Caf\xE9\\clock.ini");
    EXPECT_EQ(FolderOf(path), "Z:") << "read as CP932, E9 5C is one character";
}

}  // namespace
}  // namespace vc
