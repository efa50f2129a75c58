#include <gtest/gtest.h>

#include <vector>

#include "screenshot/jpeg_encoder.h"
#include "tests/support/software_capture.h"

namespace vc {
namespace {

// Every channel varies, so that a byte read from the wrong place would show.
Bitmap Pattern(int width, int height) {
    Bitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.At(x, y) = Rgb{static_cast<std::uint8_t>(x * 7 + y * 3),
                                   static_cast<std::uint8_t>(x * 2 + y * 11),
                                   static_cast<std::uint8_t>((x ^ y) * 5)};
        }
    }
    return picture;
}

std::vector<std::uint8_t> Encoded(const Capture& capture) {
    const JpegBytes jpeg = EncodeJpeg(capture);
    return {jpeg.Bytes().begin(), jpeg.Bytes().end()};
}

// A 32-bit capture is encoded from its own rows, others from a 24-bit copy: the files are
// the same, byte for byte.
TEST(EncodeJpeg, ThirtyTwoBitRowsReadInPlaceGiveTheBytesOfTheTwentyFourBitCopy) {
    for (const Size size :
         {Size{1, 1}, Size{37, 1}, Size{1, 37}, Size{33, 17}, Size{64, 48}, Size{641, 479}}) {
        const Bitmap picture = Pattern(size.width, size.height);
        const SoftwareCapture inPlace(picture, 32);
        const SoftwareCapture copied(picture, 24);
        ASSERT_TRUE(inPlace.DirectRows().has_value());
        ASSERT_FALSE(copied.DirectRows().has_value());
        const std::vector<std::uint8_t> direct = Encoded(inPlace);
        EXPECT_GT(direct.size(), 600u);
        EXPECT_EQ(direct, Encoded(copied)) << size.width << "x" << size.height;
    }
}

}  // namespace
}  // namespace vc
