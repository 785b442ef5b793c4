#include "decoded_picture.h"

#include <gif_lib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vortalin::pictures::testing {
namespace {

std::vector<Colour> tableOf(const ColorMapObject* map) {
  std::vector<Colour> table;
  if (map)
    for (int i = 0; i < map->ColorCount; ++i)
      table.push_back({map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue});
  return table;
}

void countExtensions(DecodedGif& gif, const ExtensionBlock* blocks, int count) {
  for (int i = 0; i < count; ++i) {
    ++gif.extensionBlocks;
    const ExtensionBlock& block = blocks[i];
    if (block.Function == GRAPHICS_EXT_FUNC_CODE && block.ByteCount >= 1 && (block.Bytes[0] & 0x01))
      gif.transparentColour = true;
  }
}

}  // namespace

Colour DecodedGif::at(int x, int y) const {
  const auto& table = localTable.empty() ? globalTable : localTable;
  return table.at(indices.at(static_cast<std::size_t>(y * width + x)));
}

std::string picturePath(const std::string& name) {
  return std::string(VORTALIN_PICTURES_DIR) + "/" + name;
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

DecodedGif decodeGif(const std::string& path) {
  const auto bytes = readBytes(path);
  DecodedGif gif;
  gif.signature.assign(bytes.begin(), bytes.begin() + std::min<std::size_t>(6, bytes.size()));

  int error = 0;
  GifFileType* file = DGifOpenFileName(path.c_str(), &error);
  if (!file) throw std::runtime_error(path + ": " + GifErrorString(error));
  if (DGifSlurp(file) == GIF_ERROR) {
    const std::string message = path + ": " + GifErrorString(file->Error);
    DGifCloseFile(file, &error);
    throw std::runtime_error(message);
  }
  gif.width = file->SWidth;
  gif.height = file->SHeight;
  gif.globalTable = tableOf(file->SColorMap);
  gif.frames = file->ImageCount;
  countExtensions(gif, file->ExtensionBlocks, file->ExtensionBlockCount);
  for (int i = 0; i < file->ImageCount; ++i)
    countExtensions(gif, file->SavedImages[i].ExtensionBlocks,
                    file->SavedImages[i].ExtensionBlockCount);
  if (file->ImageCount > 0) {
    const SavedImage& first = file->SavedImages[0];
    gif.localTable = tableOf(first.ImageDesc.ColorMap);
    gif.interlaced = first.ImageDesc.Interlace;
    const auto count = static_cast<std::size_t>(first.ImageDesc.Width) *
                       static_cast<std::size_t>(first.ImageDesc.Height);
    gif.indices.assign(first.RasterBits, first.RasterBits + count);
  }
  DGifCloseFile(file, &error);
  return gif;
}

}  // namespace vortalin::pictures::testing
