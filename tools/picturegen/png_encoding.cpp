#include "png_encoding.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace vortalin::pictures {
namespace {

constexpr int channels = 4;

void appendToBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* bytes = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  bytes->insert(bytes->end(), data, data + length);
}

void flushNothing(png_structp) {}

struct ErrorText {
  char text[200] = {};
};

// libpng is C: report through longjmp, never by unwinding a C++ exception through it.
[[noreturn]] void recordError(png_structp png, png_const_charp message) {
  auto* error = static_cast<ErrorText*>(png_get_error_ptr(png));
  std::snprintf(error->text, sizeof error->text, "%s", message);
  png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

std::vector<png_byte> centredRgba(const IndexedImage& image, int side) {
  std::vector<png_byte> rgba(static_cast<std::size_t>(side * side * channels), 0);
  const int left = (side - image.width) / 2;
  const int top = (side - image.height) / 2;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const Rgb c = image.colourAt(x, y);
      png_byte* p = &rgba[static_cast<std::size_t>(((top + y) * side + left + x) * channels)];
      p[0] = c.r;
      p[1] = c.g;
      p[2] = c.b;
      p[3] = 255;
    }
  return rgba;
}

// Only trivially destructible objects may live in this frame, as libpng may longjmp out of its
// calls.
bool writeRows(png_structp png, png_infop info, png_uint_32 side, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, side, side, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_rows(png, info, rows);
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  return true;
}

struct PngWriter {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~PngWriter() { png_destroy_write_struct(&png, &info); }
};

}  // namespace

std::vector<std::uint8_t> encodeCentredPng(const IndexedImage& image, int side) {
  if (side < image.width || side < image.height)
    throw std::invalid_argument("PNG square of side " + std::to_string(side) +
                                " is smaller than the image");
  auto rgba = centredRgba(image, side);
  std::vector<png_bytep> rows;
  for (int y = 0; y < side; ++y)
    rows.push_back(&rgba[static_cast<std::size_t>(y * side * channels)]);

  std::vector<std::uint8_t> bytes;
  PngWriter writer;
  ErrorText error;
  writer.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, recordError, ignoreWarning);
  if (!writer.png) throw std::runtime_error("PNG encoder: cannot create the writer");
  writer.info = png_create_info_struct(writer.png);
  if (!writer.info) throw std::runtime_error("PNG encoder: cannot create the header");
  png_set_write_fn(writer.png, &bytes, appendToBytes, flushNothing);
  if (!writeRows(writer.png, writer.info, static_cast<png_uint_32>(side), rows.data()))
    throw std::runtime_error(std::string("PNG encoder: ") + error.text);
  return bytes;
}

}  // namespace vortalin::pictures
