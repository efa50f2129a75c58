#include "platform/posix/ini_profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace vc {
namespace {

using namespace std::string_literals;

// A fresh folder per test, so that leftovers of a failed write show up.
class IniProfileFile : public testing::Test {
  protected:
    void SetUp() override {
        folder = std::filesystem::path(testing::TempDir()) /
                 ("vc_ini_profile_" +
                  std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        file = folder / "clock.ini";
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(folder, ignored);
    }

    void Put(const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }
    std::optional<std::string> Bytes() const {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::vector<std::filesystem::path> Entries() const {
        std::vector<std::filesystem::path> entries;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            entries.push_back(entry.path());
        }
        return entries;
    }

    std::filesystem::path folder;
    std::filesystem::path file;
};

struct ReadCase {
    const char* rule;
    std::string file;
    std::string section;
    std::string key;
    std::string fallback;
    std::string expected;
};

TEST_F(IniProfileFile, ReadsAsTheWindowsFunctionDoes) {
    const std::string longValue(3000, 'x');
    const ReadCase cases[] = {
        {"names ignore letter case", "[Clock]\r\nXPos=12\r\n", "CLOCK", "xpos", "0", "12"},
        {"blanks around names and value go", "[A]\r\n \tk \x0b= \x1a v 1\x0c \r\n", "A", "k", "d",
         "v 1"},
        {"blanks around the names passed go", "[A]\r\nk=1\r\n", " A\t", "\tk ", "d", "1"},
        {"0xA0 is no blank", "[A]\r\nk=\xA0v\r\n", "A", "k", "d", "\xA0v"},
        {"one pair of quotes goes", "[A]\r\nk=\"  x  \"\r\n", "A", "k", "d", "  x  "},
        {"single quotes too", "[A]\r\nk='x'\r\n", "A", "k", "d", "x"},
        {"unmatched quotes stay", "[A]\r\nk=\"x'\r\n", "A", "k", "d", "\"x'"},
        {"a comment is a key", "[A]\r\n;k=1\r\n", "A", ";k", "d", "1"},
        {"a semicolon after a value is part of it", "[A]\r\nk=1 ;x\r\n", "A", "k", "d", "1 ;x"},
        {"only the first = splits", "[A]\r\nk=a=b\r\n", "A", "k", "d", "a=b"},
        {"a line without = has no value", "[A]\r\nk\r\nk=1\r\n", "A", "k", "d", "d"},
        {"an empty value is no fallback", "[A]\r\nk=\r\n", "A", "k", "d", ""},
        {"the first of two keys wins", "[A]\r\nk=1\r\nK=2\r\n", "A", "k", "d", "1"},
        {"only the first section counts", "[A]\r\n[a]\r\nk=1\r\n", "A", "k", "d", "d"},
        {"lines before any header: the empty name", "k=0\r\n[A]\r\n", "", "k", "d", "0"},
        {"header blanks and trailing text go", "  [ A ] x\r\nk=1\r\n", "A", "k", "d", "1"},
        {"a lone CR ends a line", "[A]\rk=1\rj=2", "A", "j", "d", "2"},
        {"a NUL ends a value", "[A]\r\nk=x\0y\r\n"s, "A", "k", "d", "x"},
        {"a missing section", "[A]\r\nk=1\r\n", "B", "k", "fb", "fb"},
        {"the fallback loses trailing spaces only", "", "A", "k", "fb \t  ", "fb \t"},
        {"but keeps its first character", "", "A", "k", "   ", " "},
        {"a read is cut to 2047 bytes", "[A]\r\nk=\"" + longValue + "\"\r\n", "A", "k", "d",
         longValue.substr(0, 2047)},
        {"so is the fallback", "", "A", "k", longValue, longValue.substr(0, 2047)},
        {"UTF-8 after a mark, read in code page 1252",
         "\xEF\xBB\xBF[A]\r\nk=\xC3\xA9\xE2\x82\xAC\r\n", "A", "k", "d", "\xE9\x80"},
        {"look-alikes, then ?", "\xEF\xBB\xBF[A]\r\nk=\xC4\x80\xE6\x99\x82\r\n", "A", "k", "d",
         "A?"},
        {"broken UTF-8 reads as ?", "\xEF\xBB\xBF[A]\r\nk=a\xC3z\r\n", "A", "k", "d", "a?z"},
        {"UTF-16 after FF FE", "\xFF\xFE[\0A\0]\0\n\0k\0=\0\xE9\0"s, "A", "k", "d", "\xE9"},
        {"non-ASCII letters keep their case", "[\xC9]\r\nk=1\r\n", "\xE9", "k", "d", "d"},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.rule);
        Put(c.file);
        IniProfile profile(file);
        EXPECT_EQ(profile.GetString(c.section, c.key, c.fallback), c.expected);
        EXPECT_EQ(IniSnapshot(file).GetString(c.section, c.key, c.fallback), c.expected);
        EXPECT_EQ(Bytes(), c.file);
    }
}

TEST_F(IniProfileFile, ASnapshotAnswersFromTheFileAsItWasRead) {
    Put("[A]\r\nk=1\r\n");
    const IniSnapshot snapshot(file);
    Put("[A]\r\nk=2\r\nj=3\r\n");
    EXPECT_EQ(snapshot.GetString("A", "k", "d"), "1");
    EXPECT_EQ(snapshot.GetString("A", "j", "d"), "d");
    EXPECT_EQ(IniProfile(file).GetString("A", "k", "d"), "2");
    std::filesystem::remove(file);
    EXPECT_EQ(IniSnapshot(file).GetString("A", "k", "d"), "d");
}

struct Write {
    std::string section;
    std::string key;
    std::string value;
};

struct WriteCase {
    const char* rule;
    std::optional<std::string> file;
    std::vector<Write> writes;
    std::string expected;
};

TEST_F(IniProfileFile, WritesAsTheWindowsFunctionDoes) {
    const WriteCase cases[] = {
        {"a new file: CRLF, sections in order made",
         std::nullopt,
         {{"A", "k", "1"}, {"B", "k", "2"}, {"A", "j", "3"}},
         "[A]\r\nk=1\r\nj=3\r\n[B]\r\nk=2\r\n"},
        {"a new key follows the last line of its section",
         "[A]\r\na=1\r\n;note\r\n[B]\r\n",
         {{"a", "new", "2"}},
         "[A]\r\na=1\r\n;note\r\nnew=2\r\n[B]\r\n"},
        {"a change keeps the key's own name",
         "[Sec]\r\nKey=1\r\n",
         {{"SEC", "KEY", "2"}},
         "[Sec]\r\nKey=2\r\n"},
        {"a rewrite drops blanks and blank lines and ends lines with CRLF",
         "\n[A]\n  a = 1 \n\n[B]\nb=2",
         {{"B", "c", "3"}},
         "[A]\r\na=1\r\n[B]\r\nb=2\r\nc=3\r\n"},
        {"the value the key has changes nothing",
         "[A]\n k = v \n",
         {{"a", "K", "  v"}},
         "[A]\n k = v \n"},
        {"a value loses its leading blanks only",
         "[A]\r\n",
         {{"A", "k", " \t\"v\" "}},
         "[A]\r\nk=\"v\" \r\n"},
        {"a new name keeps its trailing blanks",
         std::nullopt,
         {{" S ", " k ", "v"}},
         "[S ]\r\nk =v\r\n"},
        {"the empty section name writes before the first header",
         "[A]\r\n",
         {{"", "k", "v"}},
         "k=v\r\n[A]\r\n"},
        {"an empty key line after another is dropped",
         "[A]\r\n=1\r\n=2\r\n",
         {{"A", "k", "v"}},
         "[A]\r\n=1\r\nk=v\r\n"},
        {"a UTF-8 file stays UTF-8",
         "\xEF\xBB\xBF[A]\r\n",
         {{"A", "k", "\xE9\x81"}},
         "\xEF\xBB\xBF[A]\r\nk=\xC3\xA9\xC2\x81\r\n"},
        {"an ANSI file takes bytes unchanged",
         "[A]\r\n",
         {{"A", "k", "\x81\xE9\xFF"}},
         "[A]\r\nk=\x81\xE9\xFF\r\n"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.rule);
        std::filesystem::remove(file);
        if (c.file) {
            Put(*c.file);
        }
        IniProfile profile(file);
        for (const Write& w : c.writes) {
            EXPECT_TRUE(profile.WriteString(w.section, w.key, w.value));
        }
        profile.Flush();
        EXPECT_EQ(Bytes(), c.expected);
    }
}

// Wine writes at once and re-reads a changed file, so what a write leaves untrimmed lasts only
// until the next call.
TEST_F(IniProfileFile, ReadsTheFileAgainAfterEachWrite) {
    IniProfile profile(file);
    ASSERT_TRUE(profile.WriteString("A", "k", "2   "));
    EXPECT_EQ(Bytes(), "[A]\r\nk=2   \r\n");
    EXPECT_EQ(profile.GetString("A", "k", "d"), "2");
    ASSERT_TRUE(profile.WriteString("A", "line", "a\r\nb=c"));
    EXPECT_EQ(Bytes(), "[A]\r\nk=2\r\nline=a\r\nb=c\r\n");
    EXPECT_EQ(profile.GetString("A", "b", "d"), "c");
}

TEST_F(IniProfileFile, AFailedWriteLeavesEverythingAsItWas) {
    struct FailureCase {
        const char* rule;
        std::filesystem::path target;
        bool readOnly;
    };
    const FailureCase cases[] = {
        {"a read-only file", file, true},
        {"a missing folder", folder / "missing" / "clock.ini", false},
        {"a folder in the file's place", folder / "folder.ini", false},
    };
    const std::string original = "[A]\nk=1\n";
    Put(original);
    std::filesystem::create_directory(folder / "folder.ini");
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.rule);
        if (c.readOnly) {
            std::filesystem::permissions(c.target, std::filesystem::perms::all,
                                         std::filesystem::perm_options::remove);
            std::filesystem::permissions(c.target, std::filesystem::perms::owner_read,
                                         std::filesystem::perm_options::add);
        }
        const std::vector<std::filesystem::path> before = Entries();
        IniProfile profile(c.target);
        EXPECT_FALSE(profile.WriteString("A", "k", "2"));
        EXPECT_FALSE(profile.WriteString("A", "k", "1"));
        EXPECT_FALSE(profile.WriteString("B", "j", "3"));
        profile.Flush();
        EXPECT_EQ(profile.GetString("B", "j", "none"), "none");
        EXPECT_EQ(Entries(), before);
        EXPECT_EQ(Bytes(), original);
    }
}

}  // namespace
}  // namespace vc
