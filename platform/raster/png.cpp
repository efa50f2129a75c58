#include "platform/raster/png.h"

#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace vc {
namespace {

// libpng reports errors by longjmp. Everything it may jump over is plain data: the jump lands
// in Guarded(), and the C++ objects live in its callers, which throw once it has returned.
struct Context {
    char message[200] = "";
    std::string_view input;
    std::size_t readAt = 0;
    std::string* output = nullptr;
};

constexpr int kCompressionLevel = 9;
constexpr png_uint_32 kMaxSide = 1 << 14;
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 26;

[[noreturn]] void OnError(png_structp png, png_const_charp message) {
    auto* context = static_cast<Context*>(png_get_error_ptr(png));
    std::snprintf(context->message, sizeof context->message, "%s", message);
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void OnRead(png_structp png, png_bytep data, png_size_t length) {
    auto* context = static_cast<Context*>(png_get_io_ptr(png));
    if (context->input.size() - context->readAt < length) {
        png_error(png, "data ends too early");
    }
    std::memcpy(data, context->input.data() + context->readAt, length);
    context->readAt += length;
}

void OnWrite(png_structp png, png_bytep data, png_size_t length) {
    auto* context = static_cast<Context*>(png_get_io_ptr(png));
    bool failed = false;
    try {
        context->output->append(reinterpret_cast<const char*>(data), length);
    } catch (...) {
        failed = true;
    }
    if (failed) {
        png_error(png, "out of memory");
    }
}

void OnFlush(png_structp) {}

bool Guarded(png_structp png, void (*step)(png_structp, png_infop, void*), png_infop info,
             void* data) {
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    step(png, info, data);
    return true;
}

struct WriteStruct {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~WriteStruct() { png_destroy_write_struct(&png, &info); }
};

struct ReadStruct {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~ReadStruct() { png_destroy_read_struct(&png, &info, nullptr); }
};

struct Image {
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    png_bytepp rows = nullptr;
};

void WriteImage(png_structp png, png_infop info, void* data) {
    const auto* image = static_cast<const Image*>(data);
    png_set_IHDR(png, info, image->width, image->height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, kCompressionLevel);
    png_write_info(png, info);
    png_write_image(png, image->rows);
    png_write_end(png, info);
}

void ReadHeader(png_structp png, png_infop info, void* data) {
    auto* image = static_cast<Image*>(data);
    png_set_user_limits(png, kMaxSide, kMaxSide);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    image->width = png_get_image_width(png, info);
    image->height = png_get_image_height(png, info);
}

void ReadPixels(png_structp png, png_infop, void* data) {
    png_read_image(png, static_cast<Image*>(data)->rows);
    png_read_end(png, nullptr);
}

[[noreturn]] void Fail(const Context& context) {
    throw std::runtime_error(std::string("PNG: ") + context.message);
}

}  // namespace

std::string EncodePng(const Bitmap& bitmap) {
    if (bitmap.Empty()) {
        throw std::runtime_error("PNG: cannot encode an empty picture");
    }
    const auto width = static_cast<std::size_t>(bitmap.Width());
    std::vector<png_byte> pixels;
    pixels.reserve(width * static_cast<std::size_t>(bitmap.Height()) * 3);
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            const Rgb& p = bitmap.At(x, y);
            pixels.insert(pixels.end(), {p.r, p.g, p.b});
        }
    }
    std::vector<png_bytep> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        rows.push_back(pixels.data() + static_cast<std::size_t>(y) * width * 3);
    }

    std::string out;
    Context context;
    context.output = &out;
    WriteStruct write;
    write.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &context, OnError, OnWarning);
    if (write.png == nullptr || (write.info = png_create_info_struct(write.png)) == nullptr) {
        throw std::runtime_error("PNG: cannot start libpng");
    }
    png_set_write_fn(write.png, &context, OnWrite, OnFlush);
    Image image{static_cast<png_uint_32>(bitmap.Width()), static_cast<png_uint_32>(bitmap.Height()),
                rows.data()};
    if (!Guarded(write.png, WriteImage, write.info, &image)) {
        Fail(context);
    }
    return out;
}

void WritePngFile(const Bitmap& bitmap, const std::string& path) {
    const std::string bytes = EncodePng(bitmap);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        throw std::runtime_error("cannot write PNG file " + path);
    }
}

Bitmap DecodePng(std::string_view bytes) {
    constexpr std::size_t kSignature = 8;
    if (bytes.size() < kSignature ||
        png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, kSignature) != 0) {
        throw std::runtime_error("PNG: not a PNG file");
    }
    Context context;
    context.input = bytes;
    ReadStruct read;
    read.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &context, OnError, OnWarning);
    if (read.png == nullptr || (read.info = png_create_info_struct(read.png)) == nullptr) {
        throw std::runtime_error("PNG: cannot start libpng");
    }
    png_set_read_fn(read.png, &context, OnRead);
    Image image;
    if (!Guarded(read.png, ReadHeader, read.info, &image)) {
        Fail(context);
    }
    const std::size_t rowBytes = png_get_rowbytes(read.png, read.info);
    if (std::uint64_t{image.width} * image.height > kMaxPixels ||
        rowBytes != std::size_t{image.width} * 3) {
        throw std::runtime_error("PNG: picture too large or not convertible to RGB");
    }
    std::vector<png_byte> pixels(rowBytes * image.height);
    std::vector<png_bytep> rows;
    for (png_uint_32 y = 0; y < image.height; ++y) {
        rows.push_back(pixels.data() + y * rowBytes);
    }
    image.rows = rows.data();
    if (!Guarded(read.png, ReadPixels, read.info, &image)) {
        Fail(context);
    }

    Bitmap bitmap(static_cast<int>(image.width), static_cast<int>(image.height));
    const png_byte* p = pixels.data();
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
            bitmap.At(x, y) = Rgb{p[0], p[1], p[2]};
        }
    }
    return bitmap;
}

Bitmap ReadPngFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot open PNG file " + path);
    }
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) {
        throw std::runtime_error("cannot read PNG file " + path);
    }
    try {
        return DecodePng(bytes);
    } catch (const std::runtime_error& e) {
        throw std::runtime_error(path + ": " + e.what());
    }
}

}  // namespace vc
