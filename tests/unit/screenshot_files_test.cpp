#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
// jpeglib.h needs FILE and size_t declared first, jerror.h comes after it.
#include <jpeglib.h>
//
#include <jerror.h>

#include "framework/errors.h"
#include "framework/texts.h"
#include "platform/posix/cp932.h"
#include "platform/posix/posix_shell.h"
#include "screenshot/bmp_file.h"
#include "screenshot/jpeg_file.h"
#include "screenshot/screenshot_name.h"
#include "tests/support/local_time_fixture.h"
#include "tests/support/screenshot_support.h"
#include "tests/support/software_capture.h"

namespace vc {
namespace {

using test::ChannelDistance;
using test::ColourBars;
using test::DecodeJpeg;
using test::Local;
using test::ReadBytes;

TEST(ScreenshotName, IsTheLocalTimeToTheMillisecondOnA24HourClock) {
    const struct {
        SystemTime at;
        const char* name;
    } cases[] = {
        {Local(1, 1, 0, 0, 0, 0, 5, 2027), "vlt_20270101_000000_0000"},
        {Local(1, 1, 0, 0, 0, 7, 5, 2027), "vlt_20270101_000000_0007"},
        {Local(1, 1, 0, 0, 0, 999, 5, 2027), "vlt_20270101_000000_0999"},
        {Local(6, 3, 13, 5, 9, 120, 3, 2026), "vlt_20260603_130509_0120"},
        {Local(12, 8, 21, 38, 59, 42, 2, 2026), "vlt_20261208_213859_0042"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScreenshotName(c.at), c.name);
    }
}

class ScreenshotFiles : public testing::Test {
  protected:
    PosixShell files{"/nonexistent/VeltriaClock.exe", std::nullopt};
    test::ScratchFolder folder;
};

TEST_F(ScreenshotFiles, BmpHoldsTheCaptureAtItsOwnDepthBottomRowFirst) {
    Bitmap square(2, 2);
    square.At(0, 0) = {255, 0, 0};
    square.At(1, 0) = {0, 255, 0};
    square.At(0, 1) = {0, 0, 255};
    square.At(1, 1) = {255, 255, 255};
    Bitmap row(3, 1);
    row.At(0, 0) = {255, 0, 0};
    row.At(1, 0) = {0, 255, 0};
    row.At(2, 0) = {0, 0, 255};
    const struct {
        Bitmap picture;
        int bitsPerPixel;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {square, 32, {0x42, 0x4D, 70,   0, 0,    0,    0,    0, 0, 0, 54, 0, 0, 0,  // file header
                      40,   0,    0,    0, 2,    0,    0,    0, 2, 0, 0,  0, 1, 0,
                      32,   0,    0,    0, 0,    0,    16,   0, 0, 0, 0,  0, 0, 0,
                      0,    0,    0,    0, 0,    0,    0,    0, 0, 0, 0,  0,  // info header
                      0xFF, 0,    0,    0, 0xFF, 0xFF, 0xFF, 0,    // bottom row: blue, white
                      0,    0,    0xFF, 0, 0,    0xFF, 0,    0}},  // top row: red, green
        {row, 24, {0x42, 0x4D, 66, 0, 0, 0,    0, 0,    0, 0,    54, 0,  0, 0, 40, 0, 0,
                   0,    3,    0,  0, 0, 1,    0, 0,    0, 1,    0,  24, 0, 0, 0,  0, 0,
                   12,   0,    0,  0, 0, 0,    0, 0,    0, 0,    0,  0,  0, 0, 0,  0, 0,
                   0,    0,    0,  0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0,  0,  0, 0, 0}},  // padded to 12
                                                                                     // bytes
    };
    for (const auto& c : cases) {
        SaveScreenshotBmp(SoftwareCapture(c.picture, c.bitsPerPixel), folder.Windows("a.bmp"),
                          files);
        EXPECT_EQ(ReadBytes(folder.File("a.bmp")), c.bytes) << c.bitsPerPixel << " bpp";
    }
}

TEST_F(ScreenshotFiles, AFullScreenBmpAt32BitsIsHeadersAndFourBytesAPixel) {
    SaveScreenshotBmp(SoftwareCapture(Bitmap(640, 480), 32), folder.Windows("big.bmp"), files);
    const auto bytes = ReadBytes(folder.File("big.bmp"));
    ASSERT_EQ(bytes.size(), 1'228'854u);
    EXPECT_EQ(bytes[10], 54);
    EXPECT_EQ(bytes[28], 32);
}

TEST_F(ScreenshotFiles, ACaptureWithoutPixelsGivesEmptyFiles) {
    for (const Bitmap& empty : {Bitmap(0, 10), Bitmap(10, 0)}) {
        const SoftwareCapture capture(empty, 32);
        SaveScreenshotBmp(capture, folder.Windows("e.bmp"), files);
        SaveScreenshotJpeg(capture, folder.Windows("e.jpg"), files);
        EXPECT_EQ(std::filesystem::file_size(folder.File("e.bmp")), 0u);
        EXPECT_EQ(std::filesystem::file_size(folder.File("e.jpg")), 0u);
    }
}

TEST_F(ScreenshotFiles, JpegIsBaselineJfifOfQuality100) {
    SaveScreenshotJpeg(SoftwareCapture(ColourBars(64, 48), 32), folder.Windows("q.jpg"), files);
    const auto bytes = ReadBytes(folder.File("q.jpg"));
    const std::vector<std::uint8_t> app0{0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F',
                                         0,    1,    1,    0,    0, 1,  0,   1,   0,   0};
    ASSERT_GE(bytes.size(), app0.size());
    EXPECT_TRUE(std::equal(app0.begin(), app0.end(), bytes.begin()));
    const auto jpeg = DecodeJpeg(bytes);
    EXPECT_TRUE(jpeg.jfif);
    EXPECT_EQ(jpeg.jfifMajor * 100 + jpeg.jfifMinor, 101);
    EXPECT_EQ(jpeg.densityUnit, 0);
    EXPECT_EQ(jpeg.xDensity, 1);
    EXPECT_EQ(jpeg.yDensity, 1);
    EXPECT_FALSE(jpeg.progressive);
    EXPECT_EQ(jpeg.restartInterval, 0u);
    EXPECT_EQ(jpeg.colourSpace, JCS_YCbCr);
    ASSERT_EQ(jpeg.components.size(), 3u);
    EXPECT_EQ(
        std::vector<int>({jpeg.components[0].h, jpeg.components[0].v, jpeg.components[0].table,
                          jpeg.components[1].h, jpeg.components[1].v, jpeg.components[1].table,
                          jpeg.components[2].h, jpeg.components[2].v, jpeg.components[2].table}),
        std::vector<int>({2, 2, 0, 1, 1, 1, 1, 1, 1}));
    for (const auto& table : jpeg.quantTables) {
        EXPECT_EQ(table, std::vector<int>(64, 1));
    }
    // Baseline frame, two quantisation and four Huffman tables, no restart marker.
    const auto count = [&](int code) {
        return std::count(jpeg.markers.begin(), jpeg.markers.end(), code);
    };
    EXPECT_EQ(count(0xC0), 1);
    EXPECT_EQ(count(0xC1) + count(0xC2) + count(0xDD), 0);
    EXPECT_EQ(count(0xC4), 4);
    EXPECT_EQ(count(0xDB), 2);
}

TEST_F(ScreenshotFiles, JpegColoursComeOutRightAtAnySize) {
    const struct { int width, height; } sizes[] = {{64, 48}, {1, 37}, {37, 1}, {1, 1}};
    for (const auto& size : sizes) {
        const Bitmap picture = ColourBars(size.width, size.height);
        SaveScreenshotJpeg(SoftwareCapture(picture, 32), folder.Windows("c.jpg"), files);
        const Bitmap decoded = DecodeJpeg(ReadBytes(folder.File("c.jpg"))).pixels;
        ASSERT_EQ(decoded.Width(), size.width);
        ASSERT_EQ(decoded.Height(), size.height);
        // Away from the bars' edges, where chroma subsampling blurs.
        const int x = size.width / 16, y = size.height / 2;
        EXPECT_LE(ChannelDistance(decoded.At(x, y), picture.At(x, y)), 8)
            << size.width << "x" << size.height;
    }
}

TEST_F(ScreenshotFiles, PureRedStaysRed) {
    SaveScreenshotJpeg(SoftwareCapture(Bitmap(16, 16, Rgb{255, 0, 0}), 24),
                       folder.Windows("red.jpg"), files);
    const Bitmap decoded = DecodeJpeg(ReadBytes(folder.File("red.jpg"))).pixels;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            ASSERT_LE(ChannelDistance(decoded.At(x, y), Rgb{255, 0, 0}), 3) << x << "," << y;
        }
    }
}

TEST_F(ScreenshotFiles, AnEncoderErrorRaisesEJpegAndLeavesNoFile) {
    // Wider than a JPEG frame can be.
    const SoftwareCapture capture(Bitmap(JPEG_MAX_DIMENSION + 1, 1), 32);
    try {
        SaveScreenshotJpeg(capture, folder.Windows("wide.jpg"), files);
        FAIL() << "no error";
    } catch (const EJPEG& error) {
        EXPECT_EQ(Cp932ToUtf8(error.what()), "JPEG エラー #" + std::to_string(JERR_IMAGE_TOO_BIG));
    }
    EXPECT_TRUE(folder.Names().empty());
}

TEST_F(ScreenshotFiles, AFileThatCannotBeCreatedIsNamedInTheError) {
    const SoftwareCapture capture(ColourBars(8, 8), 32);
    const std::string missing = folder.Windows("missing") + "\\x.bmp";
    // Held by another program that asked for the file alone.
    const int held = ::open(folder.File("held.jpg").c_str(), O_RDWR | O_CREAT, 0666);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    ASSERT_EQ(::write(held, "kept", 4), 4);
    const struct {
        std::function<void()> save;
        std::string path;
    } cases[] = {
        {[&] { SaveScreenshotBmp(capture, missing, files); }, missing},
        {[&] { SaveScreenshotJpeg(capture, folder.Windows("held.jpg"), files); },
         folder.Windows("held.jpg")},
    };
    for (const auto& c : cases) {
        try {
            c.save();
            ADD_FAILURE() << "no error for " << c.path;
        } catch (const EFCreateError& error) {
            EXPECT_EQ(Cp932ToUtf8(error.what()), "ファイル " + c.path + " を作成できません");
        }
    }
    ::close(held);
    EXPECT_EQ(std::filesystem::file_size(folder.File("held.jpg")), 4u);
}

TEST_F(ScreenshotFiles, AShortWriteRaisesEWriteError) {
    const SoftwareCapture capture(ColourBars(8, 8), 32);
    // A disk that takes nothing.
    std::filesystem::create_symlink("/dev/full", folder.File("full.bmp"));
    std::filesystem::create_symlink("/dev/full", folder.File("full.jpg"));
    const std::function<void()> saves[] = {
        [&] { SaveScreenshotBmp(capture, folder.Windows("full.bmp"), files); },
        [&] { SaveScreenshotJpeg(capture, folder.Windows("full.jpg"), files); },
    };
    for (const auto& save : saves) {
        try {
            save();
            ADD_FAILURE() << "no error";
        } catch (const EWriteError& error) {
            EXPECT_EQ(Cp932ToUtf8(error.what()), "ストリームへの書き込みエラー");
        }
    }
}

TEST_F(ScreenshotFiles, AnExistingFileIsReplaced) {
    std::ofstream(folder.File("r.bmp"), std::ios::binary) << std::string(5000, 'x');
    SaveScreenshotBmp(SoftwareCapture(Bitmap(1, 1), 32), folder.Windows("r.bmp"), files);
    EXPECT_EQ(std::filesystem::file_size(folder.File("r.bmp")), 58u);
}

TEST_F(ScreenshotFiles, WritersLeaveTheCaptureAsItWas) {
    const SoftwareCapture capture(ColourBars(8, 4), 32);
    const auto before = capture.ToDib(32);
    SaveScreenshotBmp(capture, folder.Windows("w.bmp"), files);
    SaveScreenshotJpeg(capture, folder.Windows("w.jpg"), files);
    const auto after = capture.ToDib(32);
    EXPECT_TRUE(std::ranges::equal(before->Bits(), after->Bits()));
}

}  // namespace
}  // namespace vc
