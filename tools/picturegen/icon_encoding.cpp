#include "icon_encoding.h"

#include <stdexcept>

namespace vortalin::pictures {
namespace {

constexpr std::uint32_t dirSize = 6;
constexpr std::uint32_t dirEntrySize = 16;
constexpr std::uint32_t infoHeaderSize = 40;
constexpr std::uint16_t bitsPerPixel = 24;

class LittleEndianWriter {
 public:
  void u8(std::uint8_t v) { bytes_.push_back(v); }
  void u16(std::uint16_t v) {
    u8(static_cast<std::uint8_t>(v));
    u8(static_cast<std::uint8_t>(v >> 8));
  }
  void u32(std::uint32_t v) {
    u16(static_cast<std::uint16_t>(v));
    u16(static_cast<std::uint16_t>(v >> 16));
  }
  void zeros(std::uint32_t count) { bytes_.insert(bytes_.end(), count, 0); }
  std::vector<std::uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

std::uint32_t paddedRowSize(std::uint32_t bits) { return (bits + 31) / 32 * 4; }

}  // namespace

std::vector<std::uint8_t> encodeIcon(const IndexedImage& image) {
  if (image.width < 1 || image.width > 255 || image.height < 1 || image.height > 255)
    throw std::invalid_argument("icon images must be 1 to 255 pixels on each side");
  const auto width = static_cast<std::uint32_t>(image.width);
  const auto height = static_cast<std::uint32_t>(image.height);
  const std::uint32_t colourRow = paddedRowSize(width * bitsPerPixel);
  const std::uint32_t maskRow = paddedRowSize(width);
  const std::uint32_t imageSize = infoHeaderSize + (colourRow + maskRow) * height;

  LittleEndianWriter out;
  out.u16(0);  // reserved
  out.u16(1);  // icon, not cursor
  out.u16(1);  // one image
  out.u8(static_cast<std::uint8_t>(width));
  out.u8(static_cast<std::uint8_t>(height));
  out.u8(0);  // no palette
  out.u8(0);
  out.u16(1);  // planes
  out.u16(bitsPerPixel);
  out.u32(imageSize);
  out.u32(dirSize + dirEntrySize);

  out.u32(infoHeaderSize);
  out.u32(width);
  out.u32(height * 2);  // colour rows, then the AND mask rows
  out.u16(1);
  out.u16(bitsPerPixel);
  out.u32(0);  // uncompressed
  out.u32((colourRow + maskRow) * height);
  out.zeros(16);  // resolution and colour counts

  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb c = image.colourAt(x, y);
      out.u8(c.b);
      out.u8(c.g);
      out.u8(c.r);
    }
    out.zeros(colourRow - width * 3);
  }
  out.zeros(maskRow * height);  // all opaque
  return out.take();
}

}  // namespace vortalin::pictures
