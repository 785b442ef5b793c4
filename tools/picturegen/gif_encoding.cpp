#include "gif_encoding.h"

#include <gif_lib.h>

#include <bit>
#include <memory>
#include <stdexcept>
#include <string>

namespace vortalin::pictures {
namespace {

int appendToBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* bytes = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  bytes->insert(bytes->end(), data, data + length);
  return length;
}

[[noreturn]] void fail(const char* step, int error) {
  throw std::runtime_error(std::string("GIF encoder failed at ") + step + ": " +
                           GifErrorString(error));
}

struct MapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int ignored = 0;
    EGifCloseFile(gif, &ignored);
  }
};

std::unique_ptr<ColorMapObject, MapDeleter> makeColourMap(const std::vector<Rgb>& palette) {
  const auto size = palette.size();
  if (size < 2 || size > 256 || !std::has_single_bit(size))
    throw std::invalid_argument("GIF colour table size " + std::to_string(size) +
                                " is not a power of two from 2 to 256");
  std::vector<GifColorType> colours;
  for (const Rgb c : palette) colours.push_back({c.r, c.g, c.b});
  std::unique_ptr<ColorMapObject, MapDeleter> map(
      GifMakeMapObject(static_cast<int>(size), colours.data()));
  if (!map) throw std::runtime_error("GIF encoder: out of memory for the colour table");
  return map;
}

}  // namespace

std::vector<std::uint8_t> encodeGif(const IndexedImage& image, GifVersion version,
                                    ColourTablePlace place) {
  const auto map = makeColourMap(image.palette);
  std::vector<std::uint8_t> bytes;
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, appendToBytes, &error));
  if (!gif) fail("open", error);
  EGifSetGifVersion(gif.get(), version == GifVersion::gif89a);

  ColorMapObject* globalMap = place == ColourTablePlace::global ? map.get() : nullptr;
  ColorMapObject* localMap = place == ColourTablePlace::local ? map.get() : nullptr;
  if (EGifPutScreenDesc(gif.get(), image.width, image.height, map->BitsPerPixel, 0, globalMap) ==
      GIF_ERROR)
    fail("screen descriptor", gif->Error);
  if (EGifPutImageDesc(gif.get(), 0, 0, image.width, image.height, false, localMap) == GIF_ERROR)
    fail("image descriptor", gif->Error);

  std::vector<GifPixelType> row(static_cast<std::size_t>(image.width));
  for (int y = 0; y < image.height; ++y) {
    const auto first = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
    std::copy(first, first + image.width, row.begin());
    if (EGifPutLine(gif.get(), row.data(), image.width) == GIF_ERROR) fail("pixel row", gif->Error);
  }
  if (EGifCloseFile(gif.release(), &error) == GIF_ERROR) fail("close", error);
  return bytes;
}

}  // namespace vortalin::pictures
