// Draws the game's pictures and icon into the folder named on the command line.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "car_picture.h"
#include "course_picture.h"
#include "gif_encoding.h"
#include "icon_encoding.h"
#include "png_encoding.h"

namespace fs = std::filesystem;
using namespace vortalin::pictures;

namespace {

constexpr int desktopIconSide = 64;

struct OutputFile {
  std::string name;
  std::vector<std::uint8_t> bytes;
};

std::vector<OutputFile> drawAll() {
  const IndexedImage player = drawCar(playerBody);
  return {
      {"course.gif", encodeGif(drawCourse(), GifVersion::gif87a, ColourTablePlace::local)},
      {"player_car.gif", encodeGif(player, GifVersion::gif89a, ColourTablePlace::global)},
      {"rival_car.gif",
       encodeGif(drawCar(rivalBody), GifVersion::gif89a, ColourTablePlace::global)},
      {"vortalin.ico", encodeIcon(player)},
      {"vortalin.png", encodeCentredPng(player, desktopIconSide)},
  };
}

void writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

// Every file is written beside its final name first, so a failure leaves no picture half-written.
void writeAll(const fs::path& folder, const std::vector<OutputFile>& files) {
  fs::create_directories(folder);
  std::vector<fs::path> written;
  try {
    for (const OutputFile& file : files) {
      written.push_back(folder / (file.name + ".part"));
      writeFile(written.back(), file.bytes);
    }
  } catch (...) {
    std::error_code ignored;
    for (const fs::path& part : written) fs::remove(part, ignored);
    throw;
  }
  for (const OutputFile& file : files)
    fs::rename(folder / (file.name + ".part"), folder / file.name);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || std::string(argv[1]).empty()) {
    std::fprintf(stderr, "usage: vortalin-picturegen OUTPUT_FOLDER\n");
    return 2;
  }
  try {
    writeAll(argv[1], drawAll());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "vortalin-picturegen: %s\n", error.what());
    return 1;
  }
  return 0;
}
