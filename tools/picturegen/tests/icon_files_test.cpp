#include <gtest/gtest.h>

#include <png.h>

#include <cstdint>
#include <vector>

#include "decoded_picture.h"

namespace vortalin::pictures::testing {
namespace {

constexpr int carWidth = 30;
constexpr int carHeight = 50;

std::uint32_t little(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = value << 8 | bytes.at(at + static_cast<std::size_t>(i));
  return value;
}

class WindowIcon : public ::testing::Test {
 protected:
  std::vector<std::uint8_t> ico = readBytes(picturePath("vortalin.ico"));
  DecodedGif player = decodeGif(picturePath("player_car.gif"));

  std::uint32_t u16(std::size_t at) const { return little(ico, at, 2); }
  std::uint32_t u32(std::size_t at) const { return little(ico, at, 4); }
};

// A malformed directory makes Windows and Qt ignore the icon.
TEST_F(WindowIcon, directoryHoldsOne24BitEntryOf30By50) {
  ASSERT_GE(ico.size(), 22u);
  EXPECT_EQ(u16(0), 0u);
  EXPECT_EQ(u16(2), 1u) << "type must be icon";
  EXPECT_EQ(u16(4), 1u) << "image count";
  EXPECT_EQ(ico[6], carWidth);
  EXPECT_EQ(ico[7], carHeight);
  EXPECT_EQ(u16(10), 1u) << "planes";
  EXPECT_EQ(u16(12), 24u) << "bits per pixel";
  EXPECT_EQ(u32(18), 22u) << "image offset";
  EXPECT_EQ(u32(14) + 22u, ico.size()) << "image size must reach the end of the file";
}

TEST_F(WindowIcon, bitmapHeaderDoublesTheHeightForTheMask) {
  ASSERT_GE(ico.size(), 62u);
  EXPECT_EQ(u32(22), 40u);
  EXPECT_EQ(u32(26), static_cast<std::uint32_t>(carWidth));
  EXPECT_EQ(u32(30), static_cast<std::uint32_t>(2 * carHeight));
  EXPECT_EQ(u16(34), 1u);
  EXPECT_EQ(u16(36), 24u);
  EXPECT_EQ(u32(38), 0u) << "compression";
}

// The icon is the player car pixel for pixel, stored bottom-up in BGR with rows padded to 4 bytes.
TEST_F(WindowIcon, pixelsEqualThePlayerCarAndNoneIsTransparent) {
  constexpr std::size_t pixelsAt = 62;
  constexpr std::size_t rowSize = 92;
  constexpr std::size_t maskRowSize = 4;
  ASSERT_EQ(ico.size(), pixelsAt + carHeight * (rowSize + maskRowSize));
  for (int y = 0; y < carHeight; ++y) {
    const std::size_t row = pixelsAt + static_cast<std::size_t>(carHeight - 1 - y) * rowSize;
    for (int x = 0; x < carWidth; ++x) {
      const std::size_t at = row + static_cast<std::size_t>(x) * 3;
      EXPECT_EQ((Colour{ico[at + 2], ico[at + 1], ico[at]}), player.at(x, y))
          << "pixel (" << x << ", " << y << ")";
    }
  }
  for (std::size_t i = pixelsAt + carHeight * rowSize; i < ico.size(); ++i)
    ASSERT_EQ(ico[i], 0) << "mask byte " << i;
}

// The desktop icon: the car centred on a transparent square.
TEST(DesktopIcon, showsThePlayerCarCentredOnTransparency) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&image, picturePath("vortalin.png").c_str()))
      << image.message;
  image.format = PNG_FORMAT_RGBA;
  std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) << image.message;

  const int side = static_cast<int>(image.width);
  ASSERT_EQ(image.height, image.width);
  ASSERT_GE(side, carHeight);
  const DecodedGif player = decodeGif(picturePath("player_car.gif"));
  const int left = (side - carWidth) / 2;
  const int top = (side - carHeight) / 2;
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      const std::uint8_t* p = &rgba[static_cast<std::size_t>((y * side + x) * 4)];
      const bool onCar = x >= left && x < left + carWidth && y >= top && y < top + carHeight;
      if (!onCar) {
        ASSERT_EQ(p[3], 0) << "pixel (" << x << ", " << y << ") should be transparent";
        continue;
      }
      ASSERT_EQ(p[3], 255) << "pixel (" << x << ", " << y << ")";
      ASSERT_EQ((Colour{p[0], p[1], p[2]}), player.at(x - left, y - top))
          << "pixel (" << x << ", " << y << ")";
    }
}

}  // namespace
}  // namespace vortalin::pictures::testing
